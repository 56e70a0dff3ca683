#pragma once

// The host's side of the plug-in contracts: how results are read, shown and
// checked, the same for every plug-in of a kind.

#include "com/VnComLoader.h"

#include "vantria/com/VnComPtr.h"

#include <QList>
#include <QString>

/// Raises EVnComError naming the plug-in and the operation when `hr` failed:
/// a failing result is an error at the call site, never an ordinary outcome.
void VnCheckPluginCall(HRESULT hr, const QString &plugin, const char *operation);

/// What a configuration string shows: the root's "filename" of an XML string,
/// else the string itself; "<not configured>" when that is empty.
QString VnConfigurationDisplayText(const QString &configuration);

/// One candidate of a translations document.
struct TVnTranslationCandidate {
  QString Text;
  int Match = 100; ///< similarity in percent; 100 when absent or unreadable
  QString Comment;
  QString RowComment;
  bool operator==(const TVnTranslationCandidate &) const = default;
};
/// The candidates of a translations document (the children of the root's
/// "translations"); none when that is missing or empty. A document that is
/// not XML raises EVnError naming the plug-in.
QList<TVnTranslationCandidate> VnParseTranslations(const QString &document, const QString &plugin);

/// The scan result document: when the result is shorter than 256 characters
/// and names an existing file, that file's content (UTF-8), the file being
/// deleted only when it lies in the temporary folder (never a file of the
/// user's); else the result itself.
QString VnReadScanResult(const QString &result);

/// True when a plug-in of that version exchanges UTF-16 text (1.1.0.0 and
/// newer); older ones exchange 8-bit UTF-8 text.
bool VnPluginUsesUtf16(const QString &pluginVersion);
/// Text handed to a plug-in of that version: UTF-16, or a byte BSTR of UTF-8.
TVnBstr VnPluginText(const QString &text, const QString &pluginVersion);
/// Text a plug-in returned: UTF-8 when it begins with the UTF-8 byte order
/// mark (or when the plug-in is older than 1.1.0.0), else UTF-16.
QString VnPluginReturnedText(BSTR text, const QString &pluginVersion);

/// A result code in a plug-in's [out] variant read as an integer: a number, a
/// Boolean (-1 true), or a text holding a number; an empty variant is 0 and
/// anything else is `fallback`.
int VnVariantInt(const VARIANT &value, int fallback);
/// The text in a plug-in's [out] variant: a string read by the version's text
/// rule (VnPluginReturnedText), a number as its digits, else empty.
QString VnVariantText(const VARIANT &value, const QString &pluginVersion);
