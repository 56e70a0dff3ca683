#pragma once

// Rules of the translation grid that carry meaning and need no widget: status
// cycling and the length-check colour.

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

/// The next translation status: "fuzzy" > "auto" > "translated" > "qaed" >
/// "ready" > "fuzzy"; an empty status becomes "fuzzy"; an unknown one stays.
QString VnNextTransStatus(const QString &status);
/// The next row status: "new" > "active" > "changed" > "removed" > "new"; an
/// empty status becomes "new"; an unknown one stays.
QString VnNextRowStatus(const QString &status);

/// The length check as the validation settings describe it.
struct TVnLengthCheck {
  bool Enabled = false;
  /// How much longer than its native text a translation may grow, in percent.
  int Percent = 20;
};

/// The background of a translation cell that is too long for its native text:
/// a deeper blue the longer it is; nothing while within the allowed ratio, for
/// an empty native text, or with the check off. Lengths count UTF-16 units.
std::optional<QColor> VnLengthCheckColour(const QString &native, const QString &translation,
                                          const TVnLengthCheck &check);

/// The background of every cell of a read-only row.
inline QColor VnReadOnlyColour() { return QColor(192, 192, 192); }

/// The sort of the grid: a column (-1 none) and a direction.
struct TVnSortState {
  int Column = -1;
  bool Descending = false;
  bool operator==(const TVnSortState &) const = default;
};
/// A double-click on header `column`: another column sorts ascending, the
/// sort column ascending turns descending, descending turns unsorted.
TVnSortState VnNextSort(const TVnSortState &state, int column);

/// Editor text from a stored text: line breaks as the editor keeps them ("\n").
QString VnTextForEditor(const QString &stored);
/// The line breaks of a stored text in order, each as the editor shows it with
/// one separator: "\r\n", "\r", "\n", U+2028 or U+2029.
QStringList VnLineBreaks(const QString &stored);
/// Stored text from an editor's raw text. While it has as many separators as
/// the text it was filled with had `breaks`, each separator takes back its
/// break; otherwise every separator becomes `style`. Every other character
/// stays as typed.
QString VnTextFromEditor(const QString &raw, const QStringList &breaks, const QString &style);
