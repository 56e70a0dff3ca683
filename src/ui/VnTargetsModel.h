#pragma once

#include "ui/VnNavigationHistory.h"
#include "ui/VnRowStateList.h"

#include "project/VnCustomProject.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

class TVnV7Project;

/// The project tree's model: one node per target and a last "All strings"
/// node; under each enabled target "String data" and "Custom data"; below
/// them one node per dot-separated context segment. Column 1 shows the
/// translation progress of a node.
class TVnTargetsModel : public QAbstractItemModel, public TVnProjectListener {
  Q_OBJECT
public:
  enum TKind { nkTarget, nkAllStrings, nkStringData, nkCustomData, nkSegment };
  enum TRole {
    /// False for the node of a target whose visible flag is off.
    VisibleRole = Qt::UserRole + 1,
    KindRole,
  };

  explicit TVnTargetsModel(TVnV7Project &project, QObject *parent = nullptr);
  ~TVnTargetsModel() override;

  TVnV7Project &Project() { return FProject; }

  /// Rebuilds the nodes when the targets or the rows' structure changed;
  /// otherwise renews the progress figures only.
  void RefreshView();
  /// True while the nodes lag behind the project (a rebuild is due).
  bool Stale() { return NeedsRebuild(); }
  /// Forgets the cached counts and the row state list, and repaints the
  /// progress column (after statuses or translations changed).
  void RefreshProgress();
  /// Renews the figures that depend on the current view only (after an edit
  /// there); other targets keep theirs.
  void RefreshCurrentProgress();
  /// Forgets the row state list; it is rebuilt on the next count request.
  void ClearRowStates();
  TVnRowStateList &RowStates() { return FRowStates; }

  /// Shows target paths relative to the project file's folder.
  void SetDecodeTargetPath(bool on);

  TKind Kind(const QModelIndex &index) const;
  /// The target a node belongs to; -1 for "All strings" or no node.
  int TargetOf(const QModelIndex &index) const;
  /// The captions of the node's ancestors from level 2 down to it, joined by ".".
  QString Path(const QModelIndex &index) const;
  TVnTreeNodeRef NodeRef(const QModelIndex &index) const;
  /// The node a reference names; as deep as the tree still goes.
  QModelIndex IndexOf(const TVnTreeNodeRef &ref) const;
  /// The node of a target (-1: "All strings").
  QModelIndex TargetIndex(int target) const;
  /// Translated and total string counts of a node; false when the node has none.
  bool Counts(const QModelIndex &index, int &translated, int &total);

  QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
  QModelIndex parent(const QModelIndex &child) const override;
  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
  /// The nodes were rebuilt; `targetCountChanged` when targets came or went.
  void Rebuilt(bool targetCountChanged);

protected:
  void ProjectUpdated(int kind) override;

private:
  struct TNode;
  TNode *NodeOf(const QModelIndex &index) const;
  QModelIndex IndexOfNode(const TNode *node, int column = 0) const;
  void Rebuild();
  void BuildGroup(TNode &group, int target, bool custom);
  bool NeedsRebuild();
  /// The rows or targets changed since the last rebuild (cheap enough for every paint).
  bool StructureOutdated() const;
  bool ComputeCounts(TNode &node, int &translated, int &total);
  QString TargetCaption(int target) const;

  TVnV7Project &FProject; // not owned
  std::vector<std::unique_ptr<TNode>> FRoots;
  TVnRowStateList FRowStates;
  bool FDecodeTargetPath = false;
  quint64 FCountsGeneration = 1;  // bumped when any figure may have changed
  quint64 FCurrentGeneration = 1; // bumped when the current view's figures may have
  QString FCountedLanguage;
  // What the nodes were built from.
  quint64 FBuiltStructure = 0;
  QList<bool> FBuiltEnabled;
  QString FBuiltFile;
};
