#include "ui/VnMarkerExpander.h"

#include "core/VnMarkers.h"
#include "core/VnTextHelpers.h"

namespace {

const QLatin1String kOpen("<vnz>");
const QLatin1String kClose("</vnz>");
const QLatin1String kLinkStart("{[vnz.link]:");
const QLatin1String kReadOnlyStart("{[vnz.readonly]");
// Deep chains of distinct links are legal but a sign of a broken project.
constexpr int kMaxDepth = 32;

/// The end (one past "</vnz>") of the fragment opened at `open`, with nested
/// fragments skipped; -1 when it never closes.
qsizetype FragmentEnd(const QString &text, qsizetype open) {
  int depth = 0;
  qsizetype at = open;
  while (at < text.size()) {
    const qsizetype nextOpen = text.indexOf(kOpen, at);
    const qsizetype nextClose = text.indexOf(kClose, at);
    if (nextClose < 0)
      return -1;
    if (nextOpen >= 0 && nextOpen < nextClose) {
      ++depth;
      at = nextOpen + kOpen.size();
      continue;
    }
    --depth;
    at = nextClose + kClose.size();
    if (depth == 0)
      return at;
  }
  return -1;
}

} // namespace

QString TVnMarkerExpander::Expand(const QString &text, int kind, QList<TVnExpandedFragment> *fragments) {
  FChain.clear();
  return ExpandIn(text, kind, fragments);
}

QString TVnMarkerExpander::ExpandIn(const QString &text, int kind, QList<TVnExpandedFragment> *fragments) {
  QString result = text;
  int start = 0, end = 0;
  while (FindMarker(result, start, end)) {
    const QString marker = result.mid(start, end - start + 1);
    QString fragment;
    QString context;
    bool link = false;
    if (marker.startsWith(kLinkStart)) {
      bool found = false;
      context = MarkerContent(marker);
      fragment = ExpandLink(context, kind, &found);
      if (!found) {
        start = end + 1; // a missing or circular link stays as it is
        continue;
      }
      link = true;
    } else if (marker.startsWith(kReadOnlyStart)) {
      fragment = QString::fromUtf8(HexToBytes(MarkerContent(marker)));
    } else {
      start = end + 1;
      continue;
    }
    const QString replacement = kOpen + fragment + kClose;
    result.replace(start, marker.size(), replacement);
    if (fragments)
      fragments->append({start, int(replacement.size()), link, context});
    start += int(replacement.size());
  }
  return result;
}

QString TVnMarkerExpander::ExpandLink(const QString &context, int kind, bool *found) {
  *found = false;
  if (!FindRow || !RowValue || FChain.size() >= kMaxDepth || FChain.contains(context))
    return {};
  const int row = FindRow(context);
  if (row < 0)
    return {};
  *found = true;
  FChain.append(context);
  QString text = ExpandIn(RowValue(row, kind), kind, nullptr);
  if (kind == 2 && text.isEmpty())
    text = ExpandIn(RowValue(row, 1), 1, nullptr);
  FChain.removeLast();
  return text;
}

QString TVnMarkerExpander::LinkedText(const QString &context, int kind) {
  FChain.clear();
  bool found = false;
  const QString text = ExpandLink(context, kind, &found);
  return found ? text : QStringLiteral("<no text>");
}

QString TVnMarkerExpander::MissingLinkedTexts(const QString &native) {
  QString appended;
  for (const TVnMarker &marker : ListMarkers(native, true)) {
    if (!marker.Text.startsWith(kLinkStart))
      continue;
    const QString linked = LinkedText(MarkerContent(marker.Text), 2);
    if (!native.contains(linked))
      appended += QLatin1Char(' ') + linked;
  }
  return appended;
}

QString TVnMarkerExpander::Restore(const QString &edited, const QString &markersFrom) {
  const QList<TVnMarker> markers = ListMarkers(markersFrom, true);
  QString result;
  qsizetype at = 0;
  int next = 0;
  while (next < markers.size()) {
    const qsizetype open = edited.indexOf(kOpen, at);
    if (open < 0)
      break;
    const qsizetype end = FragmentEnd(edited, open);
    if (end < 0)
      break;
    result += QStringView(edited).mid(at, open - at);
    result += markers[next++].Text;
    at = end;
  }
  result += QStringView(edited).mid(at);
  return result;
}
