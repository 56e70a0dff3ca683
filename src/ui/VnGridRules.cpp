#include "ui/VnGridRules.h"

#include "project/VnProjectTypes.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

/// The next entry of a cycle of `count` values that starts at index 1 of the
/// table (index 0 is the empty status).
template <std::size_t N> QString NextInCycle(const char *const (&table)[N], const QString &status) {
  if (status.isEmpty())
    return QLatin1String(table[1]);
  for (std::size_t i = 1; i < N; ++i)
    if (status == QLatin1String(table[i]))
      return QLatin1String(table[i + 1 < N ? i + 1 : 1]);
  return status;
}

int LowByteRounded(float value) { return int(std::nearbyint(value)) & 0xFF; }

} // namespace

QString VnNextTransStatus(const QString &status) { return NextInCycle(kVnTransStatuses, status); }

QString VnNextRowStatus(const QString &status) { return NextInCycle(kVnRowStatuses, status); }

std::optional<QColor> VnLengthCheckColour(const QString &native, const QString &translation,
                                          const TVnLengthCheck &check) {
  if (!check.Enabled || native.isEmpty())
    return std::nullopt;
  // Single precision on purpose: the colours match those users already know.
  // A negative allowance would let the colour formula divide by zero.
  const float threshold = float(std::max(check.Percent, 0)) / 100.0f + 1.0f;
  float ratio = float(translation.size()) / float(native.size());
  if (ratio > 2.0f * threshold)
    ratio = 2.0f * threshold;
  if (!(ratio > threshold))
    return std::nullopt;
  const float shifted = ratio - 0.1f;
  return QColor(LowByteRounded(255.0f / shifted), LowByteRounded(255.0f / std::sqrt(shifted)), 255);
}

TVnSortState VnNextSort(const TVnSortState &state, int column) {
  if (state.Column != column)
    return {column, false};
  if (!state.Descending)
    return {column, true};
  return {};
}

QString VnTextForEditor(const QString &stored) {
  QString text = stored;
  return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QStringList VnLineBreaks(const QString &stored) {
  QStringList breaks;
  for (qsizetype at = 0; at < stored.size(); ++at) {
    const QChar c = stored[at];
    if (c == QLatin1Char('\r') && at + 1 < stored.size() && stored[at + 1] == QLatin1Char('\n'))
      breaks.append(QString(stored.mid(at++, 2)));
    else if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
             c == QChar::ParagraphSeparator)
      breaks.append(QString(c));
  }
  return breaks;
}

QString VnTextFromEditor(const QString &raw, const QStringList &breaks, const QString &style) {
  const auto isSeparator = [](QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; };
  const qsizetype separators = std::count_if(raw.begin(), raw.end(), isSeparator);
  // A changed number of lines leaves no telling which break went where.
  const bool mapBack = separators == breaks.size();
  QString text;
  text.reserve(raw.size() + separators);
  qsizetype next = 0;
  for (const QChar c : raw) {
    if (isSeparator(c))
      text += mapBack ? breaks[next++] : style;
    else
      text += c;
  }
  return text;
}
