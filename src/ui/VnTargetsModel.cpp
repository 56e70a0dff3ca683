#include "ui/VnTargetsModel.h"

#include "project/VnProjectTypes.h"
#include "project/VnV7Project.h"

#include "core/VnProgress.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

struct TVnTargetsModel::TNode {
  TKind Kind = nkSegment;
  int Target = -1;
  QString Name;
  TNode *Parent = nullptr;
  int Row = 0;
  std::vector<std::unique_ptr<TNode>> Children;
  // The last counts: valid while the model's generations stand where they
  // stood then (the current-view generation only matters for counts taken
  // from the row state list).
  quint64 CountsAt = 0;
  quint64 CurrentAt = 0;
  bool FromCurrentView = false;
  bool HasCounts = false;
  int Translated = 0;
  int Total = 0;

  TNode *Add(TKind kind, int target, QString name) {
    auto child = std::make_unique<TNode>();
    child->Kind = kind;
    child->Target = target;
    child->Name = std::move(name);
    child->Parent = this;
    child->Row = int(Children.size());
    Children.push_back(std::move(child));
    return Children.back().get();
  }
  int Level() const { return Parent ? Parent->Level() + 1 : 0; }
};

namespace {

constexpr int kGroupProgressStep = 16;

/// A collected context with the key that orders it: case-folded, with "." as
/// the lowest character so that a group's entries stay together.
struct TEntry {
  QString Key;
  QString Text;
};

QString SortKey(const QString &text) {
  QString key = text.toCaseFolded();
  key.replace(QLatin1Char('.'), QChar(1));
  return key;
}

/// Fills `node` with the children that the entries [first, last) make,
/// starting each entry at its offset.
template <typename TNodeT>
void Distribute(TNodeT &node, const std::vector<TEntry> &entries, std::vector<int> &offsets, std::size_t first,
                std::size_t last) {
  std::size_t i = first;
  while (i < last) {
    const QStringView rest = QStringView(entries[i].Text).mid(offsets[i]);
    if (rest.isEmpty()) {
      ++i;
      continue;
    }
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    const QStringView segment = dot < 0 ? rest : rest.left(dot);
    std::size_t end = i;
    // Entries of one segment are adjacent: the order puts "." below any character.
    while (end < last) {
      const QStringView other = QStringView(entries[end].Text).mid(offsets[end]);
      if (!(other.startsWith(segment, Qt::CaseInsensitive) &&
            (other.size() == segment.size() || other.at(segment.size()) == QLatin1Char('.'))))
        break;
      offsets[end] += int(std::min(other.size(), segment.size() + 1));
      ++end;
    }
    TNodeT *child = node.Add(TVnTargetsModel::nkSegment, node.Target, segment.toString());
    Distribute(*child, entries, offsets, i, end);
    i = end;
  }
}

QColor ProgressColour(bool hasCounts, int translated, int total) {
  if (!hasCounts)
    return QColor(221, 221, 221);
  if (translated == total)
    return QColor(128, 255, 128);
  if (translated <= 0)
    return QColor(255, 128, 128);
  return QColor(255, 255, 128);
}

} // namespace

TVnTargetsModel::TVnTargetsModel(TVnV7Project &project, QObject *parent)
    : QAbstractItemModel(parent), FProject(project) {
  FProject.AddListener(this);
}

TVnTargetsModel::~TVnTargetsModel() { FProject.RemoveListener(this); }

void TVnTargetsModel::ProjectUpdated(int kind) {
  // The tree's refresh mask is 1: a change of the current target or the
  // active language (kind 1) leaves the nodes as they are.
  constexpr int kRefreshMask = 1;
  if ((kind & kRefreshMask) == 0) {
    RefreshView();
    return;
  }
  // Another language changes every figure; another target only which
  // figures come from the row state list.
  const QString language = FProject.GetActiveLanguage();
  if (language != FCountedLanguage) {
    FCountedLanguage = language;
    RefreshProgress();
    return;
  }
  RefreshCurrentProgress();
}

void TVnTargetsModel::RefreshCurrentProgress() {
  ClearRowStates();
  // "All strings" spans every target: an edit there may change any target's figures.
  if (FProject.Targets().ItemIndex() < 0)
    ++FCountsGeneration;
  if (!FRoots.empty())
    emit dataChanged(index(0, 1), index(int(FRoots.size()) - 1, 1));
}

bool TVnTargetsModel::StructureOutdated() const {
  const int targets = FProject.IsEmpty() ? 0 : FProject.Targets().Count();
  return FBuiltStructure != FProject.StructureCounter() || FBuiltFile != FProject.FileName() ||
         FBuiltEnabled.size() != targets;
}

bool TVnTargetsModel::NeedsRebuild() {
  if (StructureOutdated())
    return true;
  const int targets = FProject.IsEmpty() ? 0 : FProject.Targets().Count();
  for (int t = 0; t < targets; ++t)
    if (FBuiltEnabled[t] != FProject.GetTargetInfo(t).Enabled)
      return true;
  return false;
}

void TVnTargetsModel::RefreshView() {
  if (!NeedsRebuild()) {
    RefreshProgress();
    // Visible flags and captions may have changed without a rebuild.
    if (!FRoots.empty())
      emit dataChanged(index(0, 0), index(int(FRoots.size()) - 1, 0));
    return;
  }
  const int oldCount = int(FRoots.size());
  beginResetModel();
  Rebuild();
  endResetModel();
  emit Rebuilt(oldCount != int(FRoots.size()));
}

void TVnTargetsModel::Rebuild() {
  FRoots.clear();
  FRowStates.Clear();
  ++FCountsGeneration;
  FBuiltStructure = FProject.StructureCounter();
  FBuiltFile = FProject.FileName();
  FBuiltEnabled.clear();
  if (FProject.IsEmpty())
    return;
  const int targets = FProject.Targets().Count();
  for (int t = 0; t < targets; ++t) {
    const bool enabled = FProject.GetTargetInfo(t).Enabled;
    FBuiltEnabled.append(enabled);
    auto node = std::make_unique<TNode>();
    node->Kind = nkTarget;
    node->Target = t;
    node->Row = t;
    if (enabled) {
      BuildGroup(*node->Add(nkStringData, t, QStringLiteral("String data")), t, false);
      BuildGroup(*node->Add(nkCustomData, t, QStringLiteral("Custom data")), t, true);
    }
    FRoots.push_back(std::move(node));
  }
  auto all = std::make_unique<TNode>();
  all->Kind = nkAllStrings;
  all->Row = targets;
  all->Name = QStringLiteral("All strings");
  FRoots.push_back(std::move(all));
}

void TVnTargetsModel::BuildGroup(TNode &group, int target, bool custom) {
  TVnV7ProjectTarget &view = FProject.Targets().GetTarget(target);
  const int first = custom ? view.RowCount(true) : 0;
  const int last = custom ? view.RowCount(false) : view.RowCount(true);
  std::vector<TEntry> entries;
  QString previous;
  bool havePrevious = false;
  for (int row = first; row < last; ++row) {
    if (row % kGroupProgressStep == 0)
      FProject.Progress().SetStatus(QStringLiteral("Populating targets..."),
                                    25 * (row - first) / std::max(1, last - first) + (custom ? 50 : 0));
    if (view.GetRowValue(row, rfRowStatus) == QLatin1String("removed"))
      continue;
    QString context = view.GetRowValue(row, rfName);
    if (!custom) {
      const qsizetype dot = context.lastIndexOf(QLatin1Char('.'));
      context = dot < 0 ? QString() : context.left(dot);
      if (havePrevious && context.compare(previous, Qt::CaseInsensitive) == 0)
        continue;
      previous = context;
      havePrevious = true;
    }
    if (!context.isEmpty())
      entries.push_back({SortKey(context), std::move(context)});
  }
  std::sort(entries.begin(), entries.end(), [](const TEntry &a, const TEntry &b) { return a.Key < b.Key; });
  std::vector<int> offsets(entries.size(), 0);
  Distribute(group, entries, offsets, 0, entries.size());
  FProject.Progress().SetStatus(QString(), 0);
}

void TVnTargetsModel::RefreshProgress() {
  FRowStates.Clear();
  ++FCountsGeneration;
  ++FCurrentGeneration;
  if (!FRoots.empty())
    emit dataChanged(index(0, 1), index(int(FRoots.size()) - 1, 1));
  // Deeper nodes repaint with the view; their cached counts are stale now.
}

void TVnTargetsModel::ClearRowStates() {
  FRowStates.Clear();
  ++FCurrentGeneration;
}

void TVnTargetsModel::SetDecodeTargetPath(bool on) {
  FDecodeTargetPath = on;
  if (!FRoots.empty())
    emit dataChanged(index(0, 0), index(int(FRoots.size()) - 1, 0));
}

TVnTargetsModel::TNode *TVnTargetsModel::NodeOf(const QModelIndex &index) const {
  return index.isValid() ? static_cast<TNode *>(index.internalPointer()) : nullptr;
}

QModelIndex TVnTargetsModel::IndexOfNode(const TNode *node, int column) const {
  return node ? createIndex(node->Row, column, const_cast<TNode *>(node)) : QModelIndex();
}

TVnTargetsModel::TKind TVnTargetsModel::Kind(const QModelIndex &index) const {
  const TNode *node = NodeOf(index);
  return node ? node->Kind : nkAllStrings;
}

int TVnTargetsModel::TargetOf(const QModelIndex &index) const {
  const TNode *node = NodeOf(index);
  return node ? node->Target : -1;
}

QString TVnTargetsModel::Path(const QModelIndex &index) const {
  QStringList segments;
  for (const TNode *node = NodeOf(index); node && node->Kind == nkSegment; node = node->Parent)
    segments.prepend(node->Name);
  return segments.join(QLatin1Char('.'));
}

TVnTreeNodeRef TVnTargetsModel::NodeRef(const QModelIndex &index) const {
  TVnTreeNodeRef ref;
  const TNode *node = NodeOf(index);
  if (!node)
    return ref;
  ref.Target = node->Target;
  ref.Path = Path(index);
  for (; node; node = node->Parent)
    if (node->Kind == nkStringData || node->Kind == nkCustomData)
      ref.Group = node->Kind == nkStringData ? 1 : 2;
  return ref;
}

QModelIndex TVnTargetsModel::TargetIndex(int target) const {
  if (FRoots.empty())
    return {};
  const std::size_t row = target < 0 || target >= int(FRoots.size()) - 1 ? FRoots.size() - 1 : std::size_t(target);
  return IndexOfNode(FRoots[row].get());
}

QModelIndex TVnTargetsModel::IndexOf(const TVnTreeNodeRef &ref) const {
  QModelIndex at = TargetIndex(ref.Target);
  const TNode *node = NodeOf(at);
  if (!node || ref.Group == 0 || int(node->Children.size()) < ref.Group)
    return at;
  node = node->Children[std::size_t(ref.Group - 1)].get();
  if (ref.Path.isEmpty())
    return IndexOfNode(node);
  for (const QString &segment : ref.Path.split(QLatin1Char('.'))) {
    auto it = std::find_if(node->Children.begin(), node->Children.end(), [&](const auto &child) {
      return child->Name.compare(segment, Qt::CaseInsensitive) == 0;
    });
    if (it == node->Children.end())
      break;
    node = it->get();
  }
  return IndexOfNode(node);
}

bool TVnTargetsModel::Counts(const QModelIndex &index, int &translated, int &total) {
  TNode *node = NodeOf(index);
  if (!node)
    return false;
  const int current = FProject.Targets().ItemIndex();
  // "All strings" adds up the targets, the current one among them.
  const bool fromCurrentView = node->Kind == nkAllStrings || node->Target == current;
  const bool valid = node->CountsAt == FCountsGeneration && node->FromCurrentView == fromCurrentView &&
                     (!fromCurrentView || node->CurrentAt == FCurrentGeneration);
  if (!valid) {
    node->HasCounts = ComputeCounts(*node, node->Translated, node->Total);
    node->CountsAt = FCountsGeneration;
    node->CurrentAt = FCurrentGeneration;
    node->FromCurrentView = fromCurrentView;
  }
  translated = node->Translated;
  total = node->Total;
  return node->HasCounts;
}

bool TVnTargetsModel::ComputeCounts(TNode &node, int &translated, int &total) {
  translated = total = 0;
  // Counts exist for targets, "All strings" and string data with its groups.
  bool inStringData = node.Kind == nkTarget || node.Kind == nkAllStrings;
  for (const TNode *n = &node; n && !inStringData; n = n->Parent)
    inStringData = n->Kind == nkStringData;
  if (!inStringData)
    return false;
  const int current = FProject.Targets().ItemIndex();
  if (node.Kind == nkAllStrings) {
    // The sum of the targets' figures: the same rows, without a list of them all.
    for (std::size_t t = 0; t + 1 < FRoots.size() && int(t) < FProject.Targets().Count(); ++t) {
      int targetTranslated = 0, targetTotal = 0;
      if (Counts(IndexOfNode(FRoots[t].get()), targetTranslated, targetTotal)) {
        translated += targetTranslated;
        total += targetTotal;
      }
    }
    return true;
  }
  if (node.Target == current) {
    const int rows = FProject.RowCount();
    if (FRowStates.Size() != rows)
      FRowStates.Rebuild(FProject, false, false, &FProject.Progress());
    FRowStates.Counts(Path(IndexOfNode(&node)), translated, total);
    return true;
  }
  if (node.Kind != nkTarget)
    return false; // groups of other targets show no figures
  TVnV7ProjectTarget &view = FProject.Targets().GetTarget(node.Target);
  view.SetCaching(true);
  const int rows = view.RowCount(true);
  for (int row = 0; row < rows; ++row) {
    if (view.GetRowValue(row, rfReadOnly) == QLatin1String("yes"))
      continue;
    ++total;
    if (VnRowState(QString(), view.GetRowValue(row, rfTransStatus)) >= 0)
      ++translated;
  }
  view.SetCaching(false);
  return true;
}

QString TVnTargetsModel::TargetCaption(int target) const {
  QString path = FProject.GetTargetInfo(target).FileName;
  if (FDecodeTargetPath && QDir::isAbsolutePath(path) && !FProject.FileName().isEmpty())
    path = QDir(QFileInfo(FProject.FileName()).path()).relativeFilePath(path);
  path.remove(QLatin1Char('\t')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
  return path;
}

QModelIndex TVnTargetsModel::index(int row, int column, const QModelIndex &parent) const {
  if (row < 0 || column < 0 || column >= 2)
    return {};
  if (!parent.isValid())
    return row < int(FRoots.size()) ? IndexOfNode(FRoots[std::size_t(row)].get(), column) : QModelIndex();
  const TNode *node = NodeOf(parent);
  if (!node || parent.column() != 0 || row >= int(node->Children.size()))
    return {};
  return IndexOfNode(node->Children[std::size_t(row)].get(), column);
}

QModelIndex TVnTargetsModel::parent(const QModelIndex &child) const {
  const TNode *node = NodeOf(child);
  return node && node->Parent ? IndexOfNode(node->Parent) : QModelIndex();
}

int TVnTargetsModel::rowCount(const QModelIndex &parent) const {
  if (!parent.isValid())
    return int(FRoots.size());
  const TNode *node = NodeOf(parent);
  return node && parent.column() == 0 ? int(node->Children.size()) : 0;
}

int TVnTargetsModel::columnCount(const QModelIndex &) const { return 2; }

QVariant TVnTargetsModel::data(const QModelIndex &index, int role) const {
  const TNode *node = NodeOf(index);
  if (!node || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return {};
  auto *self = const_cast<TVnTargetsModel *>(this);
  const bool targetNode = node->Kind == nkTarget;
  // Between a change of the document and the rebuild that follows it, the
  // nodes may name targets that are gone: nothing is read until the rebuild.
  if (node->Target >= FProject.Targets().Count() || StructureOutdated())
    return {};
  switch (role) {
  case Qt::DisplayRole: {
    if (index.column() == 0)
      return targetNode ? TargetCaption(node->Target) : node->Name;
    int translated = 0, total = 0;
    return self->Counts(index, translated, total) ? QStringLiteral("%1 of %2").arg(translated).arg(total) : QString();
  }
  case Qt::ToolTipRole: {
    int translated = 0, total = 0;
    if (!self->Counts(index, translated, total) || total <= 0)
      return {};
    return QStringLiteral("%1 strings of %2 translated\n%3%").arg(translated).arg(total).arg(translated * 100 / total);
  }
  case Qt::BackgroundRole: {
    if (index.column() == 1) {
      int translated = 0, total = 0;
      const bool has = self->Counts(index, translated, total);
      return ProgressColour(has, translated, total);
    }
    return targetNode ? QVariant(QColor(185, 209, 234)) : QVariant();
  }
  case Qt::ForegroundRole:
    if (targetNode && !FProject.GetTargetInfo(node->Target).Enabled)
      return QColor(109, 109, 109);
    return {};
  case VisibleRole:
    return !targetNode || FProject.GetTargetInfo(node->Target).Visible;
  case KindRole:
    return int(node->Kind);
  default:
    return {};
  }
}

QVariant TVnTargetsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1)
    return {};
  return section == 0 ? QStringLiteral("Project Tree") : QStringLiteral("Progress");
}

Qt::ItemFlags TVnTargetsModel::flags(const QModelIndex &index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

#include "moc_VnTargetsModel.cpp"
