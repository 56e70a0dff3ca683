#pragma once

#include <QString>

/// Extracts every entry of an exchange package (a ZIP archive) into the folder
/// that holds it and returns the path of the first file entry. Files of the
/// same names are replaced only when the user agrees; answering No keeps them,
/// Cancel extracts nothing and returns an empty path. A package with an entry
/// whose name would leave that folder is refused before anything is written.
/// Throws EVnError naming the archive.
QString VnExtractPackage(const QString &archive);
