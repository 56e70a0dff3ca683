#include "ui/VnTargetsVST.h"

#include "ui/VnGridModel.h"
#include "ui/VnGridVST.h"
#include "ui/VnTargetsModel.h"

#include "config/VnConfiguration.h"
#include "project/VnProjectTypes.h"
#include "project/VnV7Project.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <set>

TVnTargetsVST::TVnTargetsVST(TVnTargetsModel &model, TVnConfiguration &config, QWidget *parent)
    : QTreeView(parent), FModel(model), FConfig(config) {
  setObjectName(QStringLiteral("Targets"));
  setModel(&FModel);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideMiddle);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::Stretch);
  header()->setSectionResizeMode(1, QHeaderView::Fixed);
  // Wide enough for the figures of a large target ("123456 of 123456").
  header()->resizeSection(1, std::max(77, fontMetrics().horizontalAdvance(QStringLiteral("000000 of 000000")) + 12));
  header()->setMinimumSectionSize(40);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  connect(&FModel, &TVnTargetsModel::Rebuilt, this, &TVnTargetsVST::AfterRebuild);
  connect(&FModel, &QAbstractItemModel::dataChanged, this, [this] { ApplyTargetVisibility(); });
  ReadOptions();
}

void TVnTargetsVST::ReadOptions() {
  FModel.SetDecodeTargetPath(FConfig.Tree().GetBool(TVnConfigBoolKey::DecodeTargetPath));
  ShowProgress(FConfig.Tree().GetBool(TVnConfigBoolKey::ShowProgress));
}

void TVnTargetsVST::SetGridVST(TVnGridVST *grid) {
  FGrid = grid;
  if (FGrid) {
    FGrid->SetTargetsVST(this);
    connect(&FGrid->Model(), &TVnGridModel::Refreshed, this, &TVnTargetsVST::SyncToCurrentTarget);
  }
}

void TVnTargetsVST::ShowProgress(bool on) {
  setColumnHidden(1, !on);
  setHeaderHidden(!on);
  FConfig.Tree().SetBool(TVnConfigBoolKey::ShowProgress, on);
}

void TVnTargetsVST::ApplyTargetVisibility() {
  for (int row = 0; row < FModel.rowCount(); ++row)
    setRowHidden(row, QModelIndex(), !FModel.data(FModel.index(row, 0), TVnTargetsModel::VisibleRole).toBool());
}

void TVnTargetsVST::ExpandAll() {
  for (int row = 0; row < FModel.rowCount(); ++row)
    expand(FModel.index(row, 0));
}

void TVnTargetsVST::AfterRebuild(bool targetCountChanged) {
  if (targetCountChanged && FGrid)
    FGrid->History().Clear();
  ApplyTargetVisibility();
  ExpandAll();
  SyncToCurrentTarget();
}

void TVnTargetsVST::SyncToCurrentTarget() {
  if (FModel.rowCount() == 0 || FModel.Stale())
    return; // the rebuild that is due syncs afterwards
  const int current = FModel.Project().Targets().ItemIndex();
  const QModelIndex focused = currentIndex();
  if (focused.isValid() && FModel.TargetOf(focused) == current)
    return;
  QModelIndex target = FModel.TargetIndex(current);
  const QModelIndex first = FModel.index(0, 0, target);
  const QModelIndex node = first.isValid() ? first : target;
  FSyncing = true;
  setCurrentIndex(node);
  scrollTo(node);
  FSyncing = false;
  // The grid shows what the tree now shows, not a group chosen before.
  if (FGrid)
    FGrid->Model().SetContextPrefix(FModel.NodeRef(node).Path);
}

void TVnTargetsVST::FocusNode(const TVnTreeNodeRef &ref) {
  const QModelIndex index = FModel.IndexOf(ref);
  if (index.isValid() && index != currentIndex())
    setCurrentIndex(index);
}

void TVnTargetsVST::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
  QTreeView::currentChanged(current, previous);
  if (FSyncing || !current.isValid())
    return;
  // A step back or forward moves the tree too; that keeps the history whole.
  if (FGrid && FGrid->History().Recording())
    FGrid->History().Truncate();
  FModel.ClearRowStates();
  TVnV7Project &project = FModel.Project();
  const int target = FModel.TargetOf(current);
  const TVnTargetsModel::TKind kind = FModel.Kind(current);
  const TVnTreeNodeRef ref = FModel.NodeRef(current);
  // The prefix is set first so that the change of target refreshes the grid once.
  const bool narrows = kind != TVnTargetsModel::nkCustomData && ref.Group != 2;
  const bool switches = target != project.Targets().ItemIndex();
  if (FGrid && narrows)
    FGrid->Model().SetContextPrefix(ref.Path, !switches);
  if (switches)
    project.Targets().SetItemIndex(target);
  emit ViewChanged();
}

void TVnTargetsVST::dragEnterEvent(QDragEnterEvent *event) {
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

void TVnTargetsVST::dragMoveEvent(QDragMoveEvent *event) {
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

void TVnTargetsVST::dropEvent(QDropEvent *event) {
  QStringList paths;
  for (const QUrl &url : event->mimeData()->urls())
    if (url.isLocalFile())
      paths.append(url.toLocalFile());
  if (paths.isEmpty())
    return;
  event->acceptProposedAction();
  emit FilesDropped(paths);
}

void TVnTargetsVST::CollectNodes(const QModelIndex &parent, QModelIndexList &nodes) const {
  for (int row = 0; row < FModel.rowCount(parent); ++row) {
    const QModelIndex child = FModel.index(row, 0, parent);
    nodes.append(child);
    CollectNodes(child, nodes);
  }
}

bool TVnTargetsVST::SwitchDataGroup() {
  QModelIndex group = selectionModel()->selectedRows().value(0, currentIndex());
  while (group.isValid() && FModel.Kind(group) == TVnTargetsModel::nkSegment)
    group = group.parent();
  if (!group.isValid() || FModel.Kind(group) == TVnTargetsModel::nkAllStrings)
    return false;
  const QModelIndex target = FModel.Kind(group) == TVnTargetsModel::nkTarget ? group : group.parent();
  QModelIndexList nodes;
  if (FModel.Kind(group) == TVnTargetsModel::nkCustomData) {
    const QString key = FModel.Path(currentIndex());
    CollectNodes(FModel.index(0, 0, target), nodes);
    for (const QModelIndex &node : nodes) {
      if (FModel.Path(node).startsWith(key, Qt::CaseInsensitive)) {
        setCurrentIndex(node);
        return true;
      }
    }
    return false;
  }
  if (!FGrid)
    return false;
  if (FGrid->FocusedRow() < 0)
    FGrid->FocusRow(0);
  const int row = FGrid->FocusedRow();
  if (row < 0)
    return false;
  const QString key = FModel.Project().GetRowValue(row, rfName);
  CollectNodes(FModel.index(1, 0, target), nodes);
  QModelIndex best;
  qsizetype bestLength = -1;
  for (const QModelIndex &node : nodes) {
    const QString path = FModel.Path(node);
    qsizetype common = 0;
    while (common < path.size() && common < key.size() &&
           QStringView(path).mid(common, 1).compare(QStringView(key).mid(common, 1), Qt::CaseInsensitive) == 0)
      ++common;
    if (common > bestLength) {
      best = node;
      bestLength = common;
    }
  }
  if (!best.isValid())
    return false;
  setCurrentIndex(best);
  return true;
}

void TVnTargetsVST::ToggleTargetFlags(int mask) {
  TVnV7Project &project = FModel.Project();
  std::set<int> targets;
  for (const QModelIndex &index : selectionModel()->selectedRows())
    if (FModel.TargetOf(index) >= 0)
      targets.insert(FModel.TargetOf(index));
  for (int target : targets) {
    TVnTargetInfo info = project.GetTargetInfo(target);
    if (mask & 1)
      info.Enabled = !info.Enabled;
    if (mask & 2)
      info.Visible = !info.Visible;
    project.SetTargetInfo(target, info);
  }
  project.Update(0, false);
  if (mask & 1)
    emit ViewChanged();
}

#include "moc_VnTargetsVST.cpp"
