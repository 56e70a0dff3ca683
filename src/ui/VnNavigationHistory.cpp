#include "ui/VnNavigationHistory.h"

void TVnNavigationHistory::Record(const TVnTreeNavigationItem &item) {
  if (!FRecording)
    return;
  Truncate();
  FItems.append(item);
  FPosition = int(FItems.size()) - 1;
}

void TVnNavigationHistory::Truncate() {
  if (FPosition + 1 < FItems.size())
    FItems.resize(FPosition + 1);
}

void TVnNavigationHistory::Clear() {
  FItems.clear();
  FPosition = -1;
}

const TVnTreeNavigationItem *TVnNavigationHistory::Move(int offset) {
  const int target = FPosition + offset;
  if (offset == 0 || target < 0 || target >= FItems.size())
    return nullptr;
  FPosition = target;
  return &FItems[target];
}

QList<TVnTreeNavigationItem> TVnNavigationHistory::BackList() const { return FItems.mid(0, std::max(FPosition, 0)); }

QList<TVnTreeNavigationItem> TVnNavigationHistory::ForwardList() const {
  QList<TVnTreeNavigationItem> list;
  for (int i = int(FItems.size()) - 1; i > FPosition; --i)
    list.append(FItems[i]);
  return list;
}
