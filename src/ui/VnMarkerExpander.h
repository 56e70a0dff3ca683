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
  bool operator==(const TVnExpandedFragment &) const = default;
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

  /// `edited` with every top-level "<vnz>...</vnz>" replaced by the marker of
  /// `markersFrom` at the same position in order; fragments beyond the markers
  /// stay as typed.
  static QString Restore(const QString &edited, const QString &markersFrom);

private:
  QString ExpandIn(const QString &text, int kind, QList<TVnExpandedFragment> *fragments);
  QString ExpandLink(const QString &context, int kind, bool *found);

  QStringList FChain; // contexts being expanded, outermost first
};
