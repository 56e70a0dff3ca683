#include "core/VnTextHelpers.h"

namespace {

int HexDigit(QChar c) {
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
    return c.unicode() - '0';
  if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
    return c.unicode() - 'A' + 10;
  return 0;
}

} // namespace

QByteArray HexToBytes(const QString &text) {
  QByteArray bytes;
  bytes.reserve(text.size() / 2);
  for (qsizetype i = 0; i + 1 < text.size(); i += 2)
    bytes.append(char(HexDigit(text[i]) << 4 | HexDigit(text[i + 1])));
  return bytes;
}

QString ShortenText(const QString &text, int max, bool middle) {
  QString plain = text;
  plain.remove(QLatin1Char('\t')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
  if (plain.size() <= max)
    return plain;
  if (!middle)
    return plain.left(std::max(max - 3, 0));
  const int half = std::max(max - 3, 0) / 2;
  return plain.left(half) + QStringLiteral("...") + plain.right(half);
}

QString ShowWhitespace(const QString &text, bool show) {
  QString result = text;
  if (show)
    return result.replace(QLatin1Char(' '), QChar(0x00B7))
        .replace(QLatin1Char('\t'), QChar(0x00AC))
        .replace(QLatin1String("\r\n"), QString(QChar(0x00B6)));
  return result.replace(QChar(0x00B7), QLatin1Char(' '))
      .replace(QChar(0x00AC), QLatin1Char('\t'))
      .replace(QChar(0x00B6), QLatin1String("\r\n"));
}

bool HasNoForbiddenChars(const QString &text, TVnNameRule rule) {
  const QString forbidden =
      rule == TVnNameRule::FileName ? QStringLiteral("\"|*/:<>?\\") : QStringLiteral("\"'|+/;<=>[\\]");
  if (text.isEmpty())
    return false;
  for (QChar c : text)
    if (forbidden.contains(c))
      return false;
  return true;
}
