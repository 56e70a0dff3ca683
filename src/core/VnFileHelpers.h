#pragma once

// Helpers over files and the system that several parts of the program share.

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

/// A new, empty, uniquely named file "vn7..." in the system's temporary
/// folder; the caller removes it. Throws EVnError when none can be made.
QString NewTempFileName();
/// A document written in the house layout: its bytes when `readBack` (the
/// temporary file it went through is removed), else the name of the
/// temporary file that holds them.
QByteArray DocumentToText(const pugi::xml_document &doc, bool readBack);
/// The file's last change as the user's short date and time, without
/// seconds; empty when the file does not exist.
QString FileDateText(const QString &fileName);
/// The file's size in bytes; -1 when it cannot be read.
qint64 FileSizeOf(const QString &fileName);
/// True when the machine has a route out (a default route): a cheap answer
/// to "is it worth trying the network".
bool IsNetworkAvailable();
