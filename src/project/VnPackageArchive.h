#pragma once

#include <QString>

/// Extracts every entry of an exchange package (a ZIP archive) into the folder
/// that holds it, overwriting files of the same names, and returns the path of
/// the first file entry. A package with an entry whose name would leave that
/// folder is refused before anything is written. Throws EVnError naming the
/// archive.
QString VnExtractPackage(const QString &archive);
