#include "core/VnWildcard.h"

#include <limits>

bool MatchesWildcard(const QString &text, const QString &pattern, bool caseSensitive) {
  if (text.isEmpty())
    return false;
  const QString t = caseSensitive ? text : text.toUpper();
  const QString p = caseSensitive ? pattern : pattern.toUpper();
  constexpr qsizetype unlimited = std::numeric_limits<qsizetype>::max();
  qsizetype tp = 0, pp = 0, gap = 0;
  while (tp < t.size()) {
    if (pp >= p.size())
      return true;
    if (p[pp] == QLatin1Char('*')) {
      gap = unlimited;
      ++pp;
      continue;
    }
    if (p[pp] == QLatin1Char('?')) {
      if (gap != unlimited)
        ++gap;
      ++pp;
      continue;
    }
    qsizetype runEnd = pp;
    while (runEnd < p.size() && p[runEnd] != QLatin1Char('*') && p[runEnd] != QLatin1Char('?'))
      ++runEnd;
    const QStringView run = QStringView(p).mid(pp, runEnd - pp);
    const qsizetype found = t.indexOf(run, tp);
    if (found < 0 || (gap != unlimited && found - tp > gap))
      return false;
    tp = found + run.size();
    pp = runEnd;
    gap = 0;
  }
  return true;
}
