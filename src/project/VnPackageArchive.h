#pragma once

#include <QString>

/// Extracts every entry of an exchange package (a ZIP archive) into the folder
/// that holds it, overwriting files of the same names, and returns the path of
/// the first entry. Entries whose names would leave that folder are refused.
/// Throws EVnError naming the archive.
QString VnExtractPackage(const QString &archive);
