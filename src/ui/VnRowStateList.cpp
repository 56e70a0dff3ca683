#include "ui/VnRowStateList.h"

#include "project/VnProjectTypes.h"
#include "project/VnV7Project.h"

#include "core/VnProgress.h"

#include <algorithm>

namespace {

constexpr int kProgressStep = 4096;

/// Switches a view's language caching on for the length of a walk.
class TCachingScope {
public:
  explicit TCachingScope(TVnV7ProjectTarget &view) : FView(view) { FView.SetCaching(true); }
  ~TCachingScope() { FView.SetCaching(false); }

private:
  TVnV7ProjectTarget &FView;
};

} // namespace

int VnRowState(const QString &readOnly, const QString &transStatus) {
  if (readOnly == QLatin1String("yes"))
    return TVnRowStateList::stReadOnly;
  for (int i = 1; i < int(std::size(kVnTransStatuses)); ++i)
    if (transStatus == QLatin1String(kVnTransStatuses[i]))
      return i - 1;
  return TVnRowStateList::stNone;
}

void TVnRowStateList::Clear() {
  FEntries.clear();
  FPositionOfRow.clear();
}

void TVnRowStateList::Rebuild(TVnV7Project &project, bool allTargets, bool reuse, TVnProgress *progress) {
  TVnV7ProjectTarget &view = project.Targets().GetCurrentTarget();
  const int rows = view.RowCount(true);
  if (!reuse || Size() != rows || int(FPositionOfRow.size()) != rows)
    Clear();
  const bool renew = !FEntries.empty();
  if (progress)
    progress->SetStatus(QStringLiteral("Populating targets..."), 0);
  TCachingScope caching(view);
  // The file path of each target, read once, for the all-targets keys.
  std::vector<QString> paths;
  if (allTargets && !renew)
    for (int t = 0; t < project.Targets().Count(); ++t)
      paths.push_back(project.GetTargetInfo(t).FileName.toCaseFolded());
  if (!renew)
    FEntries.reserve(std::size_t(rows));
  for (int row = 0; row < rows; ++row) {
    const int state = VnRowState(view.GetRowValue(row, rfReadOnly), view.GetRowValue(row, rfTransStatus));
    if (renew) {
      FEntries[std::size_t(FPositionOfRow[std::size_t(row)])].State = state;
    } else {
      QString key = view.GetRowValue(row, rfName).toCaseFolded();
      if (allTargets) {
        const int target = view.TargetOfRow(row, nullptr);
        if (target >= 0 && target < int(paths.size()))
          key += paths[std::size_t(target)];
      }
      FEntries.push_back({std::move(key), state, row});
    }
    if (progress && row % kProgressStep == 0)
      progress->SetPercent(int(qint64(row) * 100 / rows));
  }
  if (!renew) {
    std::stable_sort(FEntries.begin(), FEntries.end(), [](const TEntry &a, const TEntry &b) { return a.Key < b.Key; });
    FPositionOfRow.assign(std::size_t(rows), 0);
    for (std::size_t i = 0; i < FEntries.size(); ++i)
      FPositionOfRow[std::size_t(FEntries[i].Row)] = int(i);
  }
  if (progress)
    progress->SetStatus(QString(), 0);
}

void TVnRowStateList::Counts(const QString &path, int &translated, int &total) const {
  translated = 0;
  total = 0;
  const QString prefix = path.isEmpty() ? QString() : (path + QLatin1Char('.')).toCaseFolded();
  auto it = std::lower_bound(FEntries.begin(), FEntries.end(), prefix, [&](const TEntry &entry, const QString &p) {
    return QStringView(entry.Key).left(p.size()) < QStringView(p);
  });
  for (; it != FEntries.end() && it->Key.startsWith(prefix); ++it) {
    if (it->State == stReadOnly)
      continue;
    ++total;
    if (it->State != stNone)
      ++translated;
  }
}
