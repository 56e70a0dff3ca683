#pragma once

#include "ui/VnNavigationHistory.h"

#include <QTreeView>

class TVnConfiguration;
class TVnGridVST;
class TVnTargetsModel;

/// The project tree: targets, their string and custom data, and groups of
/// contexts with their progress. Selecting a node makes its target current
/// and narrows the grid to the node's group.
class TVnTargetsVST : public QTreeView {
  Q_OBJECT
public:
  TVnTargetsVST(TVnTargetsModel &model, TVnConfiguration &config, QWidget *parent = nullptr);

  TVnTargetsModel &Model() { return FModel; }
  void SetGridVST(TVnGridVST *grid);

  /// Re-reads the tree section's switches (relative target paths, progress column).
  void ReadOptions();
  /// Shows or hides the progress column (and with it the header).
  void ShowProgress(bool on);
  bool ProgressShown() const { return !isColumnHidden(1); }
  /// Focuses the node a reference names (as deep as it still exists).
  void FocusNode(const TVnTreeNodeRef &ref);
  /// For every selected node's target: flips its enabled flag (bit 0) and/or
  /// visible flag (bit 1), then tells the views.
  void ToggleTargetFlags(int mask);
  /// Expands every target node.
  void ExpandAll();
  /// Follows the project's current target when it changed elsewhere.
  void SyncToCurrentTarget();
  /// Selects the node of the other data group that matches the current
  /// position: from custom data the string data group of the same path, from
  /// string data the custom data node closest to the focused row's context.
  /// False when no node was selected.
  bool SwitchDataGroup();

signals:
  /// The selected group or the target set changed.
  void ViewChanged();
  /// Files were dropped onto the tree from the desktop.
  void FilesDropped(const QStringList &paths);

protected:
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dragMoveEvent(QDragMoveEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  /// Nodes below `parent` in tree order.
  void CollectNodes(const QModelIndex &parent, QModelIndexList &nodes) const;
  void AfterRebuild(bool targetCountChanged);
  void ApplyTargetVisibility();

  TVnTargetsModel &FModel;   // not owned
  TVnConfiguration &FConfig; // not owned
  TVnGridVST *FGrid = nullptr; // not owned
  bool FSyncing = false;
};
