#pragma once

#include <QString>

/// Opens a document, folder or program with the desktop's default handler,
/// showing the busy cursor meanwhile. False when the desktop could not.
bool OpenWithShell(const QString &fileName);
