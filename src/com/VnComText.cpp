#include "com/VnComText.h"

#include <new>

TVnBstr VnMakeBstr(const QString &text) {
  BSTR result = SysAllocStringLen(reinterpret_cast<const char16_t *>(text.utf16()),
                                  static_cast<std::uint32_t>(text.size()));
  if (!result)
    throw std::bad_alloc();
  return TVnBstr(result);
}

QString VnBstrText(BSTR text) {
  return QString(reinterpret_cast<const QChar *>(text), static_cast<qsizetype>(SysStringLen(text)));
}

QString VnBstrUtf8Text(BSTR bytes) {
  return QString::fromUtf8(reinterpret_cast<const char *>(bytes),
                           static_cast<qsizetype>(SysStringByteLen(bytes)));
}

QString VnGuidText(const GUID &guid) { return QString::fromStdString(VnFormatGuid(guid)); }

std::optional<GUID> VnGuidFromText(const QString &text) {
  if (text.size() != 38)
    return std::nullopt;
  // Only ASCII can be a GUID; anything else must not be folded into it.
  for (QChar c : text)
    if (c.unicode() > 0x7F)
      return std::nullopt;
  return VnParseGuid(text.toLatin1().toStdString());
}

QString VnHResultText(HRESULT hr) {
  return QStringLiteral("0x") +
         QString::number(static_cast<quint32>(hr), 16).rightJustified(8, QLatin1Char('0')).toUpper();
}
