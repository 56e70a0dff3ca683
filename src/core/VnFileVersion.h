#pragma once

// Version texts of files and their comparison. A version text is four
// decimal numbers joined by "." ("1.1.0.0").

#include <QString>

#include <functional>

/// The version text of a file, empty when it has none. An empty name means the
/// program itself; a plug-in (a name ending in ".so") is asked through the
/// reader set with VnSetPluginVersionReader; any other file is read as a
/// Windows executable.
QString FileVersionText(const QString &fileName);

/// Sets how the version of a plug-in file is read (the plug-in loader knows
/// how to ask a plug-in). An empty function restores the default, which knows
/// no plug-in versions and answers empty text.
void VnSetPluginVersionReader(std::function<QString(const QString &fileName)> reader);

/// -1, 0 or 1 as version `a` is lower than, equal to or higher than `b`.
/// Identical texts are equal. Otherwise the "."-separated parts are compared
/// as integers from the first, the shorter list padded with zeros ("1.1"
/// equals "1.1.0.0"); the first differing part decides. Throws EVnError when a
/// part that has to be compared is not an integer.
int CompareVersions(const QString &a, const QString &b);
