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
      fragments->append({start, int(replacement.size()), link, context, marker});
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

QList<TVnShownMarker> TVnMarkerExpander::ShownMarkers(const QString &text, int kind) {
  QList<TVnExpandedFragment> fragments;
  const QString expanded = Expand(text, kind, &fragments);
  QList<TVnShownMarker> shown;
  for (const TVnExpandedFragment &fragment : fragments)
    shown.append({fragment.Marker, expanded.mid(fragment.Start, fragment.Length)});
  return shown;
}

QString TVnMarkerExpander::Restore(const QString &edited, const QList<TVnShownMarker> &shown,
                                   const QList<TVnShownMarker> &fallback, bool *readOnlyKept) {
  struct TFound {
    qsizetype Open, End;
    const QString *Marker = nullptr;
  };
  QList<TFound> found;
  for (qsizetype at = 0;;) {
    const qsizetype open = edited.indexOf(kOpen, at);
    const qsizetype end = open < 0 ? -1 : FragmentEnd(edited, open);
    if (end < 0)
      break;
    found.append({open, end});
    at = end;
  }
  // Each fragment by its text first, so reordered fragments keep their markers;
  // a second copy of a fragment stands for the same marker.
  const auto byText = [&](const QList<TVnShownMarker> &markers, QList<bool> &used) {
    for (TFound &fragment : found) {
      if (fragment.Marker)
        continue;
      const QStringView text = QStringView(edited).mid(fragment.Open, fragment.End - fragment.Open);
      qsizetype match = -1, copy = -1;
      for (qsizetype i = 0; i < markers.size() && match < 0; ++i)
        if (markers[i].Shown == text) {
          if (!used[i])
            match = i;
          else if (copy < 0)
            copy = i;
        }
      if (match < 0)
        match = copy;
      if (match >= 0) {
        fragment.Marker = &markers[match].Marker;
        used[match] = true;
      }
    }
  };
  const auto inOrder = [&](const QList<TVnShownMarker> &markers, QList<bool> &used) {
    qsizetype next = 0;
    for (TFound &fragment : found) {
      while (next < markers.size() && used[next])
        ++next;
      if (next >= markers.size())
        return;
      if (!fragment.Marker) {
        fragment.Marker = &markers[next].Marker;
        used[next] = true;
      }
    }
  };
  QList<bool> shownUsed(shown.size(), false), fallbackUsed(fallback.size(), false);
  byText(shown, shownUsed);
  if (readOnlyKept) {
    *readOnlyKept = true;
    for (qsizetype i = 0; i < shown.size(); ++i)
      if (!shownUsed[i] && shown[i].Marker.startsWith(kReadOnlyStart))
        *readOnlyKept = false;
  }
  byText(fallback, fallbackUsed);
  inOrder(shown, shownUsed);
  inOrder(fallback, fallbackUsed);

  QString result;
  qsizetype at = 0;
  for (const TFound &fragment : found) {
    if (!fragment.Marker)
      continue;
    result += QStringView(edited).mid(at, fragment.Open - at);
    result += *fragment.Marker;
    at = fragment.End;
  }
  result += QStringView(edited).mid(at);
  return result;
}
