#include "core/VnMarkers.h"

namespace {

const QLatin1String kMarkerStart("{[vnz.");

} // namespace

bool FindMarker(const QString &text, int &start, int &end) {
  const qsizetype open = text.indexOf(kMarkerStart, std::max(start, 0));
  if (open < 0)
    return false;
  start = int(open);
  const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
  if (close < 0)
    return false;
  end = int(close);
  return true;
}

QString MarkerContent(const QString &marker) {
  const qsizetype bracket = marker.indexOf(QLatin1Char(']'));
  if (bracket < 0)
    return {};
  const qsizetype first = bracket + 2;
  const qsizetype last = marker.size() - 1; // not included
  return first < last ? marker.mid(first, last - first) : QString();
}

QList<TVnMarker> ListMarkers(const QString &text, bool whole) {
  QList<TVnMarker> markers;
  int start = 0, end = 0;
  while (FindMarker(text, start, end)) {
    const QString marker = text.mid(start, end - start + 1);
    markers.append({whole ? marker : MarkerContent(marker), start});
    ++start;
  }
  return markers;
}
