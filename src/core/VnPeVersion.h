#pragma once

// Reads the product version out of a Windows executable (32- or 64-bit
// Portable Executable) that the user localises. Files come from anywhere, so
// the reader trusts no field: every offset and size is checked against the
// bytes at hand, the walk through the resource tree has a fixed depth and a
// cap on entries, and anything it cannot follow gives an empty text.

#include <QByteArray>
#include <QString>

/// The product version of the image's version resource as "a.b.c.d" (the
/// four 16-bit halves of the fixed part's product version, most significant
/// first). Empty when the bytes are no PE image, carry no version resource or
/// are damaged anywhere on the way to it.
QString VnPeFileVersion(const QByteArray &image);

/// The same for a file on disk; empty as well when the file cannot be read.
QString VnPeFileVersion(const QString &fileName);
