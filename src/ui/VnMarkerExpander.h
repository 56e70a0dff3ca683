#pragma once

// Link and read-only markers of native texts and translations, expanded for the
// editors and turned back into markers when an edit is written.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

/// One expanded marker inside an expanded text.
struct TVnExpandedFragment {
  int Start = 0;  // where "<vnz>" begins
  int Length = 0; // up to and including "</vnz>"
  bool Link = false; // a link fragment; otherwise read-only
  QString Context;   // the linked row's context (link fragments)
  QString Marker;    // the marker the fragment stands for
  bool operator==(const TVnExpandedFragment &) const = default;
};

/// A marker and the "<vnz>" fragment an editor shows for it.
struct TVnShownMarker {
  QString Marker;
  QString Shown;
  bool operator==(const TVnShownMarker &) const = default;
};

/// Expands "{[vnz.link]:context}" into the linked row's text and
/// "{[vnz.readonly]:hex}" into its UTF-8 fragment, each as "<vnz>" fragment
/// "</vnz>". Links that refer back to a row already being expanded stay as
/// they are, so rows linking to each other never expand forever.
class TVnMarkerExpander {
public:
  /// The row of a context; negative when there is none.
  std::function<int(const QString &context)> FindRow;
  /// A row's native text (kind 1) or translation (kind 2).
  std::function<QString(int row, int kind)> RowValue;

  /// `text` of `kind` (1 or 2) with its markers expanded; `fragments` receives
  /// where each top-level expansion landed.
  QString Expand(const QString &text, int kind, QList<TVnExpandedFragment> *fragments = nullptr);
  /// A link's expansion as a link click compares it: "<no text>" for a missing row.
  QString LinkedText(const QString &context, int kind);
  /// What "restore missing placeholders" appends to a translation: for every
  /// link of the native text whose linked text does not occur in the native
  /// text, a space and that text.
  QString MissingLinkedTexts(const QString &native);

  /// The markers of `text` that expand, in order, each with its fragment.
  QList<TVnShownMarker> ShownMarkers(const QString &text, int kind);

  /// `edited` with its top-level "<vnz>...</vnz>" fragments turned back into
  /// markers. `shown` are the markers the editor was filled with: a fragment
  /// takes the marker whose fragment it equals, else the next one left over in
  /// order (a link's text may have been edited). Fragments left then go the
  /// same way to the markers of `fallback` (the native text's); any beyond
  /// stay as typed. `readOnlyKept` tells whether every read-only fragment of
  /// `shown` is still there unchanged: if not, the edit lost one.
  static QString Restore(const QString &edited, const QList<TVnShownMarker> &shown,
                         const QList<TVnShownMarker> &fallback, bool *readOnlyKept = nullptr);

private:
  QString ExpandIn(const QString &text, int kind, QList<TVnExpandedFragment> *fragments);
  QString ExpandLink(const QString &context, int kind, bool *found);

  QStringList FChain; // contexts being expanded, outermost first
};
