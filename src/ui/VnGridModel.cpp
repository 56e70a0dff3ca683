#include "ui/VnGridModel.h"

#include "project/VnProjectTypes.h"
#include "project/VnV7Project.h"

#include "core/VnError.h"
#include "core/VnLanguages.h"
#include "core/VnMessages.h"

#include <QCollator>
#include <QElapsedTimer>

#include <algorithm>
#include <numeric>

namespace {

const char *const kCaptions[TVnGridModel::kFixedColumns] = {
    "Context",          "Native Text", "Translation", "Row Comment",     "Translation Comment", "Max Width",
    "Read-only",        "Translation Status", "Pseudo Language", "Editor Data", "Checkout", "Row Status"};

constexpr int kProgressStep = 32;

/// Index of a status in its table (1 based); 0 when empty or unknown.
template <std::size_t N> int StatusIndex(const char *const (&table)[N], const QString &status) {
  for (std::size_t i = 1; i < N; ++i)
    if (status == QLatin1String(table[i]))
      return int(i);
  return 0;
}

bool PrefixMatches(const QString &context, const QString &prefix) {
  if (!context.startsWith(prefix, Qt::CaseInsensitive))
    return false;
  return context.size() == prefix.size() || context.at(prefix.size()) == QLatin1Char('.');
}

} // namespace

TVnGridModel::TVnGridModel(TVnV7Project &project, QObject *parent) : QAbstractTableModel(parent), FProject(project) {
  FProject.AddListener(this);
  FFilter.OnChanged = [this] { RefreshView(); };
  FFilter.OnCancel = [this] { CancelRefresh(); };
}

TVnGridModel::~TVnGridModel() { FProject.RemoveListener(this); }

void TVnGridModel::ProjectUpdated(int kind) {
  // The grid's refresh mask is 2: it shares no bit with kind 0 (content) or
  // kind 1 (current target or active language), so both refresh the grid.
  constexpr int kRefreshMask = 2;
  if ((kind & kRefreshMask) == 0)
    RefreshView();
}

void TVnGridModel::CancelRefresh() {
  FRefreshing = false;
  ++FRefreshGeneration;
}

void TVnGridModel::RefreshView() {
  for (;;) {
    FRemovedCount = 0;
    if (FProject.IsEmpty()) {
      FRefreshing = false;
      Install({}, 0);
      emit Refreshed();
      return;
    }
    if (CollectRows())
      return;
    // The view changed under a yield without a refresh of its own (the
    // project does not notify while it is notifying): start over.
  }
}

bool TVnGridModel::CollectRows() {
  const quint64 generation = ++FRefreshGeneration;
  FRefreshing = true;
  TVnV7ProjectTarget *view = &FProject.Targets().GetCurrentTarget();
  const std::string language = FProject.ActiveLanguageId();
  const quint64 structure = FProject.StructureCounter();
  const QString prefix = FPrefix;
  auto unchanged = [&] {
    return !FProject.IsEmpty() && view == &FProject.Targets().GetCurrentTarget() &&
           language == FProject.ActiveLanguageId() && structure == FProject.StructureCounter() && prefix == FPrefix;
  };
  const int count = view->RowCount(true);
  std::vector<int> rows;
  rows.reserve(std::size_t(count));
  QElapsedTimer clock;
  clock.start();
  // Caching fixes the language for the walk; it is off while events run.
  view->SetCaching(true);
  for (int row = 0; row < count; ++row) {
    if (OnYield && clock.elapsed() >= FYieldMs) {
      view->SetCaching(false);
      OnYield();
      clock.restart();
      if (generation != FRefreshGeneration)
        return true; // a newer refresh (or a cancel) took over
      if (!unchanged())
        return false;
      view->SetCaching(true);
    }
    bool removed = false;
    if (RowVisibleIn(*view, row, &removed))
      rows.push_back(row);
    FRemovedCount += removed ? 1 : 0;
    if (row % kProgressStep == 0)
      FProject.Progress().SetStatus(QStringLiteral("Updating view..."), int(qint64(row) * 100 / count));
  }
  if (FFilter.SameNativeFilter())
    ApplySameNativeFilter(*view, rows);
  if (FSortColumn >= 0)
    SortRows(*view, rows);
  view->SetCaching(false);
  Install(std::move(rows), FProject.Languages().Count());
  FRefreshing = false;
  FProject.Progress().SetStatus(QStringLiteral("Ready"), 0);
  emit Refreshed();
  return true;
}

void TVnGridModel::Install(std::vector<int> rows, int languages) {
  beginResetModel();
  FRows = std::move(rows);
  FLanguages = languages;
  FPositionOf.assign(FRows.empty() ? 0 : std::size_t(*std::max_element(FRows.begin(), FRows.end())) + 1, -1);
  for (std::size_t i = 0; i < FRows.size(); ++i)
    FPositionOf[std::size_t(FRows[i])] = int(i);
  endResetModel();
}

bool TVnGridModel::RowVisible(int row) {
  bool removed = false;
  return RowVisibleIn(FProject.Targets().GetCurrentTarget(), row, &removed);
}

bool TVnGridModel::RowVisibleIn(TVnV7ProjectTarget &view, int row, bool *removed) {
  const int rowStatus = StatusIndex(kVnRowStatuses, view.GetRowValue(row, rfRowStatus));
  if (rowStatus == 4) {
    *removed = true;
    return false;
  }
  if (!FPrefix.isEmpty() && !PrefixMatches(view.GetRowValue(row, rfName), FPrefix))
    return false;
  if (!FFilter.Filter().isEmpty() &&
      !view.GetRowValue(row, FFilter.FilteringColumn()).contains(FFilter.Filter(), Qt::CaseInsensitive))
    return false;
  if (rowStatus > 0 && FFilter.RowStatusHidden(rowStatus - 1))
    return false;
  if (FFilter.TranslationFilterInt() != 0) {
    const int transStatus = StatusIndex(kVnTransStatuses, view.GetRowValue(row, rfTransStatus));
    if (transStatus > 0 && FFilter.TransStatusHidden(transStatus - 1))
      return false;
  }
  if (FFilter.ReadOnlyFilter() && view.GetRowValue(row, rfReadOnly) == QLatin1String("yes"))
    return false;
  if (FFilter.CommentedRowsFilter() && view.GetRowValue(row, rfRowComment).isEmpty() &&
      view.GetRowValue(row, rfTransComment).isEmpty())
    return false;
  if ((FFilter.ValidationErrorsFilter() || FFilter.ValidationWarnsFilter()) && ValidateRow &&
      FProject.IsRowValidated(row) && !view.GetRowValue(row, rfNative).isEmpty()) {
    const int result = ValidateRow(row);
    if (result == 0 || (result == 1 && !FFilter.ValidationWarnsFilter()) ||
        (result == 2 && !FFilter.ValidationErrorsFilter()))
      return false;
  }
  if (FFilter.CapsFilter()) {
    const QString native = view.GetRowValue(row, rfNative);
    if (native != native.toUpper())
      return false;
  }
  return true;
}

void TVnGridModel::ApplySameNativeFilter(TVnV7ProjectTarget &view, std::vector<int> &rows) {
  const int count = view.RowCount(true);
  std::vector<std::pair<QString, int>> natives;
  natives.reserve(std::size_t(count));
  for (int row = 0; row < count; ++row)
    natives.emplace_back(view.GetRowValue(row, rfNative).toCaseFolded(), row);
  std::stable_sort(natives.begin(), natives.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  rows.clear();
  for (std::size_t first = 0; first < natives.size();) {
    std::size_t last = first + 1;
    while (last < natives.size() && natives[last].first == natives[first].first)
      ++last;
    bool differ = false;
    const QString translation = view.GetRowValue(natives[first].second, rfTranslation);
    for (std::size_t i = first + 1; i < last && !differ; ++i)
      differ = view.GetRowValue(natives[i].second, rfTranslation) != translation;
    if (differ)
      for (std::size_t i = first; i < last; ++i)
        rows.push_back(natives[i].second);
    first = last;
  }
  std::sort(rows.begin(), rows.end());
}

void TVnGridModel::SortRows(TVnV7ProjectTarget &view, std::vector<int> &rows) {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseSensitive);
  std::vector<QCollatorSortKey> keys;
  keys.reserve(rows.size());
  for (int row : rows)
    keys.push_back(collator.sortKey(view.GetRowValue(row, FSortColumn)));
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  const bool ascending = FSortOrder == Qt::AscendingOrder;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = keys[std::size_t(a)].compare(keys[std::size_t(b)]);
    return ascending ? c < 0 : c > 0;
  });
  std::vector<int> sorted;
  sorted.reserve(rows.size());
  for (int i : order)
    sorted.push_back(rows[std::size_t(i)]);
  rows = std::move(sorted);
}

void TVnGridModel::SetContextPrefix(const QString &prefix, bool refresh) {
  if (prefix == FPrefix)
    return;
  FPrefix = prefix;
  if (refresh)
    RefreshView();
}

void TVnGridModel::SetSortColumn(int column, Qt::SortOrder order) {
  FSortColumn = column;
  FSortOrder = order;
  RefreshView();
}

int TVnGridModel::ProjectRow(int position) const {
  return position >= 0 && position < int(FRows.size()) ? FRows[std::size_t(position)] : -1;
}

int TVnGridModel::PositionOfRow(int row) const {
  return row >= 0 && row < int(FPositionOf.size()) ? FPositionOf[std::size_t(row)] : -1;
}

bool TVnGridModel::IsReadOnly(int row) { return FProject.GetRowValue(row, rfReadOnly) == QLatin1String("yes"); }

void TVnGridModel::SetReadOnly(int row, bool readOnly) {
  WriteCell(row, rfReadOnly, readOnly ? QStringLiteral("yes") : QString());
}

void TVnGridModel::ToggleStatuses(const QList<int> &rows, bool rowStatus, bool transStatus) {
  FBulk = true;
  try {
    for (int row : rows) {
      if (rowStatus)
        WriteCell(row, rfRowStatus, VnNextRowStatus(FProject.GetRowValue(row, rfRowStatus)));
      if (transStatus)
        WriteCell(row, rfTransStatus, VnNextTransStatus(FProject.GetRowValue(row, rfTransStatus)));
    }
  } catch (...) {
    FBulk = false;
    throw;
  }
  FBulk = false;
  if (rows.isEmpty())
    return;
  if (!FRows.empty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit CellWritten(-1, transStatus ? int(rfTransStatus) : int(rfRowStatus));
}

void TVnGridModel::WriteCells(const QList<int> &rows, int column, const QString &text) {
  if (rows.size() == 1) {
    WriteCell(rows.first(), column, text);
    return;
  }
  FBulk = true;
  bool written = false;
  try {
    for (int row : rows)
      written = WriteCell(row, column, text) || written;
  } catch (...) {
    FBulk = false;
    throw;
  }
  FBulk = false;
  if (!written)
    return;
  if (!FRows.empty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit CellWritten(-1, column);
}

bool TVnGridModel::WriteCell(int row, int column, const QString &text) {
  // Statuses are stored in lower case.
  const QString value = column == rfTransStatus || column == rfRowStatus ? text.toLower() : text;
  if (FProject.GetRowValue(row, column) == value)
    return false;
  FProject.SetRowValue(row, column, value);
  if (FBulk)
    return true;
  const int position = PositionOfRow(row);
  if (position >= 0)
    emit dataChanged(index(position, 0), index(position, columnCount() - 1));
  emit CellWritten(row, column);
  return true;
}

int TVnGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(FRows.size()); }

int TVnGridModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kFixedColumns + FLanguages;
}

QVariant TVnGridModel::data(const QModelIndex &index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid))
    return {};
  const int row = FRows[std::size_t(index.row())];
  const int column = index.column();
  switch (role) {
  case Qt::DisplayRole:
  case Qt::EditRole:
    // Raw text: whitespace symbols are the delegate's business, never the data's.
    return FProject.GetRowValue(row, column);
  case Qt::ToolTipRole: {
    // The whole text of a cell too narrow for it.
    const QString text = FProject.GetRowValue(row, column);
    return text.isEmpty() ? QVariant() : QVariant(text);
  }
  case Qt::BackgroundRole:
    return Background(row, column);
  case CommentRole:
    if (column == rfNative)
      return !FProject.GetRowValue(row, rfRowComment).isEmpty();
    if (column == rfTranslation)
      return !FProject.GetRowValue(row, rfTransComment).isEmpty();
    return false;
  case ProjectRowRole:
    return row;
  case Qt::DecorationRole:
    if (column == rfNative && BookmarkImage)
      return BookmarkImage(row);
    return {};
  default:
    return {};
  }
}

QVariant TVnGridModel::Background(int row, int column) const {
  if (FProject.GetRowValue(row, rfReadOnly) == QLatin1String("yes"))
    return VnReadOnlyColour();
  if (column == rfTranslation) {
    if (auto colour = VnLengthCheckColour(FProject.GetRowValue(row, rfNative),
                                          FProject.GetRowValue(row, rfTranslation), FLengthCheck))
      return *colour;
  }
  if (CellColour) {
    if (auto colour = CellColour(row, column))
      return *colour;
  }
  return {};
}

bool TVnGridModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || !(flags(index) & Qt::ItemIsEditable))
    return false;
  try {
    return WriteCell(FRows[std::size_t(index.row())], index.column(), value.toString());
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Error);
    return false;
  }
}

Qt::ItemFlags TVnGridModel::flags(const QModelIndex &index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid))
    return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  const int column = index.column();
  const bool editableKind = column == rfTranslation || column == rfRowComment || column == rfTransComment ||
                            column == rfMaxLength;
  if (editableKind && FProject.GetRowValue(FRows[std::size_t(index.row())], rfReadOnly) != QLatin1String("yes"))
    result |= Qt::ItemIsEditable;
  return result;
}

QVariant TVnGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
    return {};
  if (section >= kFixedColumns)
    return QStringLiteral("Preview (%1)").arg(DisplayNameOfCode(FProject.GetLanguage(section - kFixedColumns)));
  const QString language = FProject.GetActiveLanguage();
  if (section == rfTranslation && !language.isEmpty())
    return QStringLiteral("Translation (%1)").arg(DisplayNameOfCode(language));
  return QString::fromLatin1(kCaptions[section]);
}

#include "moc_VnGridModel.cpp"
