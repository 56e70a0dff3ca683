#pragma once

#include "ui/VnMarkerExpander.h"

#include <QList>
#include <QStringList>
#include <QObject>

#include <array>

class QKeyEvent;
class QPoint;
class QTextEdit;
class QWidget;
class TVnGridVST;

/// Binds the grid's focused row to the main window's editing controls: fills
/// them when the row changes and writes their edits back to the project.
/// Slots follow the row value kinds (1 native text, 2 translation, 3 row
/// comment, 4 translation comment, 5 maximum width, 7 translation status, 9
/// editor data, 10 check-out information).
class TVnGridVSTUI : public QObject {
  Q_OBJECT
public:
  explicit TVnGridVSTUI(TVnGridVST &grid, QObject *parent = nullptr);

  static constexpr int kSlots = 12;
  QWidget *GetByIndex(int slot) const;
  /// Binds a line edit, combo box, text edit (or nothing) to a slot.
  void SetByIndex(int slot, QWidget *control);
  QWidget *TranslationEditor() const { return GetByIndex(2); }

  bool ShowTextPlaceholders() const { return FShowPlaceholders; }
  void SetShowTextPlaceholders(bool on);

  /// Fills every bound control (but `skipSlot`) from the focused row.
  void FillEditors(int skipSlot = -1);
  /// Moves the keyboard focus into the translation editor, caret at the end,
  /// and types `text` there; false when the editor cannot take it.
  bool TypeIntoTranslation(const QString &text);
  /// The same for a key that is no text (Backspace), sent as the key press it is.
  bool ForwardKeyToTranslation(const QKeyEvent &key);
  /// Focuses the row an expanded link at `position` of the native (1) or
  /// translation (2) editor refers to; false when no link is there.
  bool FollowLink(int slot, int position);
  /// Appends to the translation the linked texts the native text names but
  /// the translation lacks.
  void RestoreMissingPlaceholders();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

signals:
  /// A write may have changed the translation progress (a translation went
  /// from empty to non-empty or back, a status or the read-only mark changed).
  void ProgressChanged();

private:
  /// The translation editor, focused with its caret at the end; null when it cannot take the focus.
  QWidget *FocusTranslationAtEnd();
  /// Row moves from the translation editor; true when the key was one.
  bool NavigationKey(QKeyEvent *key);
  void WriteBack(int slot);
  QString ControlText(QWidget *control) const;
  void SetControlText(QWidget *control, int slot, const QString &text);
  void FormatFragments(QWidget *control, const QString &text, const QList<TVnExpandedFragment> &fragments);
  void EnableControl(QWidget *control, int slot, bool enabled);
  /// The editor's own menu, without the commands that would change a read-only fragment.
  void ShowTranslationMenu(QTextEdit &editor, const QPoint &at);
  /// Mouse, menu and drag events that would change a read-only fragment of
  /// the translation editor; true when `event` is one and was dealt with.
  bool GuardProtectedText(QTextEdit &editor, QEvent *event);

  TVnGridVST &FGrid; // not owned
  std::array<QWidget *, kSlots> FSlots{}; // not owned
  bool FShowPlaceholders = true;
  bool FFilling = false;
  bool FWriting = false; // a write of this controller is under way
  bool FHoldDrag = false; // the mouse went down on a selection holding read-only text
  /// Per slot: the line breaks of the text the control was filled with, and
  /// the break that new lines get.
  std::array<QStringList, kSlots> FBreaks;
  std::array<QString, kSlots> FBreakStyle;
  /// The markers that expanded when the translation editor was filled, in order.
  QList<TVnShownMarker> FShownMarkers;
  TVnMarkerExpander FExpander;
  /// Link fragments shown in the native and translation editors, in editor positions.
  struct TShownLink {
    int Start, End;
    QString Context;
  };
  std::array<QList<TShownLink>, 3> FLinks;
};
