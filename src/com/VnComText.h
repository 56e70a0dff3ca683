#pragma once

// Conversions between the boundary types and the program's own.

#include "vantria/com/VnComPtr.h"
#include "vantria/com/VnComTypes.h"

#include <QString>

#include <optional>

/// A new BSTR holding `text`, owned by the result. Throws std::bad_alloc when
/// no memory is left.
TVnBstr VnMakeBstr(const QString &text);
/// The UTF-16 text of a BSTR; null is empty.
QString VnBstrText(BSTR text);
/// The text of a byte BSTR read as UTF-8 (how old plug-ins pass 8-bit text).
QString VnBstrUtf8Text(BSTR bytes);

/// The registry form, upper case with braces.
QString VnGuidText(const GUID &guid);
/// Parses the registry form (either case); no value for anything else.
std::optional<GUID> VnGuidFromText(const QString &text);

/// The text of a result code for messages: "0x80004005".
QString VnHResultText(HRESULT hr);
