#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

/// How converting one text went.
enum class TVnConversionStatus {
  Done,
  UnknownCodePage, ///< no converter exists for the number
  OpenFailed,      ///< the converter exists but could not be opened
  Failed,          ///< the converter refused the text
};

/// Converts UTF-16 text as one piece, NULs included. Characters the code page
/// cannot represent, and unpaired surrogates, become "?". `out` is empty unless Done.
TVnConversionStatus VnFromUnicode(QStringView text, int codePage, QByteArray &out);
/// Converts narrow text as one piece, NULs included. Invalid bytes become a
/// replacement character. `out` is empty unless Done.
TVnConversionStatus VnToUnicode(QByteArrayView text, int codePage, QString &out);

/// UTF-16 text in a code page. Every NUL of the text becomes one NUL byte, a
/// trailing one included, and the pieces between NULs are converted separately.
/// False, with `out` empty, when the code page has no converter or conversion fails.
bool WideToCodePage(const QString &text, int codePage, QByteArray &out);
/// WideToCodePage for callers that accept empty text on failure.
QByteArray WideToCodePage(const QString &text, int codePage);

/// Narrow text in a code page as UTF-16, keeping NULs as WideToCodePage does.
/// False, with `out` empty, when the code page has no converter or conversion fails.
bool CodePageToWide(const QByteArray &text, int codePage, QString &out);
/// CodePageToWide for callers that accept empty text on failure.
QString CodePageToWide(const QByteArray &text, int codePage);
