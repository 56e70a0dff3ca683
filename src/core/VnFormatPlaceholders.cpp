#include "core/VnFormatPlaceholders.h"

namespace {

bool IsTypeLetter(QChar c) {
  static const QString letters = QStringLiteral("duefgnmpsxDUEFGNMPSX");
  return letters.contains(c);
}

// The length of a percent specifier whose "%" stands at 0-based `at`; 0 when none starts there.
int PercentSpecifierAt(const QString &text, qsizetype at) {
  bool minus = false, dot = false, colon = false;
  qsizetype i = at + 1;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    bool *seen = c == QLatin1Char('-') ? &minus : c == QLatin1Char('.') ? &dot : c == QLatin1Char(':') ? &colon : nullptr;
    if (c.isDigit() && c.unicode() < 128)
      continue;
    if (!seen || *seen)
      break;
    *seen = true;
  }
  return i < text.size() && IsTypeLetter(text[i]) ? int(i - at + 1) : 0;
}

} // namespace

bool FindPercentSpecifier(const QString &text, int &start, int &length) {
  if (start < 1 || text.size() < start)
    return false;
  for (qsizetype at = text.indexOf(QLatin1Char('%'), start - 1); at >= 0;
       at = text.indexOf(QLatin1Char('%'), at + 1)) {
    if (const int found = PercentSpecifierAt(text, at)) {
      start = int(at) + 1;
      length = found;
      return true;
    }
  }
  return false;
}

bool FindBraceSpecifier(const QString &text, int &start, int &length) {
  if (start < 1 || text.size() < start)
    return false;
  for (qsizetype at = text.indexOf(QLatin1Char('{'), start - 1); at >= 0;
       at = text.indexOf(QLatin1Char('{'), at + 1)) {
    qsizetype i = at + 1;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
      ++i;
    if (i >= text.size())
      continue;
    qsizetype close = -1;
    if (text[i] == QLatin1Char(':')) {
      close = text.indexOf(QLatin1Char('}'), i + 1);
      if (close < 0)
        return false; // an open format part swallows the rest of the text
    } else if (text[i] == QLatin1Char('}')) {
      close = i;
    } else {
      continue;
    }
    start = int(at) + 1;
    length = int(close - at + 1);
    return true;
  }
  return false;
}
