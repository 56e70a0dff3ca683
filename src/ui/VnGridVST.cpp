#include "ui/VnGridVST.h"

#include "ui/VnGridModel.h"
#include "ui/VnGridRules.h"
#include "ui/VnGridVSTUI.h"
#include "ui/VnTargetsModel.h"
#include "ui/VnTargetsVST.h"
#include "ui/VnWidgetFonts.h"

#include "config/VnConfiguration.h"
#include "core/VnTextHelpers.h"
#include "project/VnV7Project.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

/// Column widths a fresh configuration starts with.
int DefaultWidth(int column) {
  switch (column) {
  case rfNative: return 200;
  case rfTranslation: return 200;
  case rfRowComment: return 100;
  case rfTransComment: return 99;
  case rfRowStatus: return 10;
  default: return column >= TVnGridModel::kFixedColumns ? 120 : 80;
  }
}

/// Paints a cell on one line: whitespace made visible when asked (for the
/// eye only: the data keeps its text), a red corner for cells with a comment,
/// and the grid lines.
class TGridDelegate : public QStyledItemDelegate {
public:
  explicit TGridDelegate(QObject *parent) : QStyledItemDelegate(parent) {}
  bool ShowWhitespaceSymbols = false;

  QString displayText(const QVariant &value, const QLocale &locale) const override {
    QString text = value.toString();
    if (FSymbolsHere)
      return ShowWhitespace(text, true);
    // One line per row: line breaks and tabs show as symbols of their own.
    return text.replace(QLatin1String("\r\n"), QString(QChar(0x21B5)))
        .replace(QLatin1Char('\n'), QChar(0x21B5))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
  }

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    const int column = index.column();
    FSymbolsHere = ShowWhitespaceSymbols && (column == rfNative || column == rfTranslation);
    QStyledItemDelegate::paint(painter, option, index);
    FSymbolsHere = false;
    const QRect r = option.rect;
    painter->save();
    if (index.data(TVnGridModel::CommentRole).toBool()) {
      painter->setPen(Qt::NoPen);
      painter->setBrush(Qt::red);
      const QPoint corner = r.topRight();
      painter->drawPolygon(QPolygon({corner, corner - QPoint(4, 0), corner + QPoint(0, 4)}));
    }
    painter->setPen(option.palette.color(QPalette::Midlight));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
  }

private:
  mutable bool FSymbolsHere = false;
};

} // namespace

TVnGridVST::TVnGridVST(TVnGridModel &model, TVnConfiguration &config, QWidget *parent)
    : QTreeView(parent), FModel(model), FConfig(config) {
  setObjectName(QStringLiteral("Grid"));
  setModel(&FModel);
  setItemDelegate(new TGridDelegate(this));
  setUniformRowHeights(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setTextElideMode(Qt::ElideRight);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setDefaultDropAction(Qt::CopyAction);
  header()->setSectionsMovable(true);
  header()->setStretchLastSection(true);
  header()->setSortIndicatorShown(false);
  header()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header(), &QHeaderView::sectionDoubleClicked, this, &TVnGridVST::HeaderDoubleClicked);
  connect(header(), &QHeaderView::customContextMenuRequested, this, [this](const QPoint &at) {
    if (FHeaderMenu)
      FHeaderMenu->popup(header()->mapToGlobal(at));
  });
  connect(&FModel, &QAbstractItemModel::modelAboutToBeReset, this, &TVnGridVST::AboutToReset);
  connect(&FModel, &QAbstractItemModel::modelReset, this, &TVnGridVST::AfterReset);
  // Long refreshes let the window repaint and take typing about every 16 ms.
  FModel.OnYield = [] { QCoreApplication::processEvents(); };
  ReadOptions();
  LoadColumns();
}

void TVnGridVST::ReadOptions() {
  static_cast<TGridDelegate *>(itemDelegate())->ShowWhitespaceSymbols =
      FConfig.Grid().GetBool(TVnConfigBoolKey::UnprintableChars);
  VnApplyFont(*this, FConfig.Grid().GetFont());
  FModel.SetLengthCheck({FConfig.Validation().GetEnableLengthCheck(), FConfig.Validation().GetLengthCheckPercent()});
  viewport()->update();
}

void TVnGridVST::LoadColumns() {
  TVnConfigGrid &grid = FConfig.Grid();
  FShown.clear();
  for (int column = 0; column < TVnGridModel::kFixedColumns; ++column) {
    FShown.append(grid.GetColumnVisible(column));
    if (column < header()->count())
      header()->resizeSection(column, std::max(column <= rfMaxLength ? 50 : 10,
                                                grid.GetColumnWidth(column, DefaultWidth(column))));
  }
  ApplyColumnVisibility();
}

void TVnGridVST::SaveColumns() {
  TVnConfigGrid &grid = FConfig.Grid();
  for (int column = 0; column < TVnGridModel::kFixedColumns && column < header()->count(); ++column) {
    grid.SetColumnVisible(column, ColumnShown(column));
    if (ColumnShown(column))
      grid.SetColumnWidth(column, header()->sectionSize(column));
  }
}

bool TVnGridVST::ColumnShown(int column) const { return column < FShown.size() && FShown[column]; }

void TVnGridVST::SetColumnShown(int column, bool shown) {
  while (FShown.size() <= column)
    FShown.append(false);
  FShown[column] = shown;
  ApplyColumnVisibility();
}

void TVnGridVST::ApplyColumnVisibility() {
  for (int column = 0; column < header()->count(); ++column) {
    const bool shown = ColumnShown(column);
    setColumnHidden(column, !shown);
    if (shown && header()->sectionSize(column) < 10)
      header()->resizeSection(column, DefaultWidth(column));
  }
}

void TVnGridVST::AboutToReset() {
  // The reset closes an open in-place editor without asking it: what was typed
  // there goes into the project first.
  if (state() == QAbstractItemView::EditingState)
    if (QWidget *editor = indexWidget(currentIndex())) {
      commitData(editor);
      closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
  FRowBeforeReset = FocusedRow();
  // Keep the widths of the fixed columns across the reset.
  for (int column = 0; column < TVnGridModel::kFixedColumns && column < header()->count(); ++column)
    if (ColumnShown(column))
      FConfig.Grid().SetColumnWidth(column, header()->sectionSize(column));
}

void TVnGridVST::AfterReset() {
  FRestoring = true;
  for (int column = 0; column < header()->count(); ++column) {
    if (column < TVnGridModel::kFixedColumns)
      header()->resizeSection(column, FConfig.Grid().GetColumnWidth(column, DefaultWidth(column)));
    else
      header()->resizeSection(column, DefaultWidth(column));
  }
  ApplyColumnVisibility();
  if (FModel.rowCount() == 0)
    FHistory.Clear();
  // The focused row stays focused while it is shown.
  int position = FRowBeforeReset >= 0 ? FModel.PositionOfRow(FRowBeforeReset) : -1;
  // A fresh view starts on its first row, so the editors have something to show.
  const bool fresh = FRowBeforeReset < 0 && FModel.rowCount() > 0;
  if (fresh)
    position = 0;
  FRestoring = !fresh; // a restored focus is no new step in the history
  if (position >= 0) {
    const QModelIndex index = FModel.index(position, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
  }
  FRestoring = false;
  emit RowSelected();
}

int TVnGridVST::FocusedRow() const { return FModel.ProjectRow(currentIndex().isValid() ? currentIndex().row() : -1); }

QList<int> TVnGridVST::SelectedRows() const {
  QList<int> rows;
  if (!selectionModel())
    return rows;
  for (const QModelIndex &index : selectionModel()->selectedRows())
    rows.append(FModel.ProjectRow(index.row()));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TVnGridVST::FocusRow(int position) {
  const QModelIndex index = FModel.index(position, 0);
  if (!index.isValid())
    return;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void TVnGridVST::MoveFocus(int offset) {
  const int rows = FModel.rowCount();
  if (rows == 0)
    return;
  const int from = currentIndex().isValid() ? currentIndex().row() : 0;
  FocusRow(std::clamp(from + offset, 0, rows - 1));
}

void TVnGridVST::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
  QTreeView::currentChanged(current, previous);
  if (FRestoring)
    return;
  // Focusing a language's preview column can make that language active.
  if (current.isValid() && current.column() >= TVnGridModel::kFixedColumns && current.column() != previous.column() &&
      FConfig.Grid().GetBool(TVnConfigBoolKey::SwitchLangByColumns)) {
    FModel.Project().Languages().SetItemIndex(current.column() - TVnGridModel::kFixedColumns);
    return; // the refresh that follows focuses the row again
  }
  if (current.isValid() && current.row() != previous.row()) {
    TVnTreeNavigationItem item;
    item.RowPosition = current.row();
    item.TargetIndex = FModel.Project().Targets().ItemIndex();
    // The tree node whose rows the grid shows: the grid's own state names it,
    // even while the tree has not caught up with a change yet.
    item.Node = {item.TargetIndex, item.TargetIndex < 0 ? 0 : 1, FModel.ContextPrefix()};
    FHistory.Record(item);
  }
  emit RowSelected();
}

void TVnGridVST::Navigate(int offset) {
  const TVnTreeNavigationItem *item = FHistory.Move(offset);
  if (!item)
    return;
  const TVnTreeNavigationItem target = *item;
  FHistory.SetRecording(false);
  if (FTree)
    FTree->FocusNode(target.Node);
  FocusRow(target.RowPosition);
  setFocus();
  FHistory.SetRecording(true);
}

void TVnGridVST::ToggleStatuses(bool rowStatus, bool transStatus) {
  FModel.ToggleStatuses(SelectedRows(), rowStatus, transStatus);
  if (FTree)
    FTree->Model().RefreshCurrentProgress();
  if (FUI)
    FUI->FillEditors();
}

void TVnGridVST::startDrag(Qt::DropActions) {
  if (!currentIndex().isValid())
    return;
  auto *drag = new QDrag(this);
  auto *data = new QMimeData;
  data->setText(currentIndex().data(Qt::EditRole).toString());
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
}

void TVnGridVST::HeaderDoubleClicked(int column) {
  const TVnSortState next =
      VnNextSort({FModel.SortColumn(), FModel.SortOrder() == Qt::DescendingOrder}, column);
  FModel.SetSortColumn(next.Column, next.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
  header()->setSortIndicatorShown(next.Column >= 0);
  if (next.Column >= 0)
    header()->setSortIndicator(next.Column, next.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
  if (currentIndex().isValid())
    scrollTo(currentIndex());
}

void TVnGridVST::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Copy)) {
    // The focused cell's text as stored, whitespace symbols or not.
    if (currentIndex().isValid())
      QGuiApplication::clipboard()->setText(currentIndex().data(Qt::EditRole).toString());
    return;
  }
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (ctrl && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
    FocusRow(event->key() == Qt::Key_Home ? 0 : FModel.rowCount() - 1);
    return;
  }
  const QString text = event->text();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const bool typing = !text.isEmpty() && text.at(0).isPrint() && plain;
  // Backspace goes on to the translation as the key it is: it takes the last character.
  const bool erasing = event->key() == Qt::Key_Backspace && plain;
  if ((typing || erasing) && state() != EditingState && currentIndex().isValid() && FUI && FUI->TranslationEditor()) {
    if (FModel.Project().GetActiveLanguage().isEmpty()) {
      if (OnLanguageRequest)
        OnLanguageRequest();
      return;
    }
    if (FModel.IsReadOnly(FocusedRow()))
      return;
    if (erasing ? FUI->ForwardKeyToTranslation(*event) : FUI->TypeIntoTranslation(text))
      return;
    edit(currentIndex().siblingAtColumn(rfTranslation));
    return;
  }
  QTreeView::keyPressEvent(event);
}

#include "moc_VnGridVST.cpp"
