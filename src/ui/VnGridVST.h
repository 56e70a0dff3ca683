#pragma once

#include "ui/VnNavigationHistory.h"

#include <QTreeView>

#include <functional>

class QMenu;
class TVnConfiguration;
class TVnGridModel;
class TVnGridVSTUI;
class TVnTargetsVST;

/// The translation grid: paints the grid model's rows (whitespace symbols,
/// comment marks, colours), cycles the sort on header double-clicks, keeps the
/// navigation history and hands typing over to the translation editor.
class TVnGridVST : public QTreeView {
  Q_OBJECT
public:
  TVnGridVST(TVnGridModel &model, TVnConfiguration &config, QWidget *parent = nullptr);

  TVnGridModel &Model() { return FModel; }
  TVnConfiguration &Config() { return FConfig; }
  TVnNavigationHistory &History() { return FHistory; }
  TVnGridVSTUI *UI() const { return FUI; }
  void SetUI(TVnGridVSTUI *ui) { FUI = ui; }
  void SetTargetsVST(TVnTargetsVST *tree) { FTree = tree; }
  /// Shown on a right click on the header (column choice).
  void SetHeaderMenu(QMenu *menu) { FHeaderMenu = menu; }

  /// Fired when the user starts typing a translation with no active language.
  std::function<void()> OnLanguageRequest;

  /// The focused row's project row; -1 when none.
  int FocusedRow() const;
  /// Project rows of the selected lines.
  QList<int> SelectedRows() const;
  /// Clears the selection, focuses line `position` and selects it.
  void FocusRow(int position);
  /// Moves in the navigation history by `offset` entries (negative: back).
  void Navigate(int offset);
  /// Focuses the row `offset` lines away from the focused one, kept within the grid.
  void MoveFocus(int offset);
  /// Advances the statuses of every selected row.
  void ToggleStatuses(bool rowStatus, bool transStatus);

  /// Column visibility and widths from the grid section, and back.
  void LoadColumns();
  void SaveColumns();
  bool ColumnShown(int column) const;
  void SetColumnShown(int column, bool shown);
  /// Re-reads options that change painting (whitespace symbols).
  void ReadOptions();

signals:
  /// The focused row changed (after the grid's own handling).
  void RowSelected();

protected:
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
  void keyPressEvent(QKeyEvent *event) override;
  /// Dragging copies the focused cell's text, as Ctrl+C does.
  void startDrag(Qt::DropActions supportedActions) override;

private:
  void HeaderDoubleClicked(int column);
  void AboutToReset();
  void AfterReset();
  void ApplyColumnVisibility();

  TVnGridModel &FModel;       // not owned
  TVnConfiguration &FConfig;  // not owned
  TVnGridVSTUI *FUI = nullptr;   // not owned
  TVnTargetsVST *FTree = nullptr; // not owned
  QMenu *FHeaderMenu = nullptr;   // not owned
  TVnNavigationHistory FHistory;
  QList<bool> FShown;  // per column, preview columns included
  int FRowBeforeReset = -1;
  bool FRestoring = false;
};
