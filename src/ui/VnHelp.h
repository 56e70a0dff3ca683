#pragma once

#include <QString>

class QWidget;

/// The bundled help page of a help context (its path under the help folder);
/// the contents page for an unknown context.
QString VnHelpPageOf(int context);
/// Shows the help page of a context in the help viewer.
void VnShowHelp(int context, QWidget *parent = nullptr);
