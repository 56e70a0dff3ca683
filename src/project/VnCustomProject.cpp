#include "project/VnCustomProject.h"

#include "core/VnError.h"

#include <algorithm>
#include <utility>

TVnCustomProject::TVnCustomProject(TVnProgress *progress)
    : FProgress(progress ? progress : &FOwnProgress) {}

void TVnCustomProject::AddListener(TVnProjectListener *listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end())
    FListeners.push_back(listener);
}

void TVnCustomProject::RemoveListener(TVnProjectListener *listener) {
  // While listeners hear news, a listener may remove another (or itself): its
  // place is emptied now and the list compacted once the walk is over.
  if (FNotifying)
    std::replace(FListeners.begin(), FListeners.end(), listener, static_cast<TVnProjectListener *>(nullptr));
  else
    std::erase(FListeners, listener);
}

void TVnCustomProject::BeginUpdate() { ++FUpdateCount; }

void TVnCustomProject::EndUpdate(bool notify) {
  if (FUpdateCount > 0)
    --FUpdateCount;
  if (notify)
    Update(0, false);
  else
    ReloadViews();
}

void TVnCustomProject::SetModified(bool value) {
  FDirty = true;
  if (value && FModified)
    return;
  FModified = value;
  if (!Updating() && OnChanged)
    OnChanged(*this);
}

void TVnCustomProject::Update(int kind, bool force) {
  ReloadViews();
  if (!force && Updating())
    return;
  if (FNotifying) {
    // A listener that lets events run (a long refresh) may see the project
    // change again: that news goes out when this round is over, never lost.
    // Kind 0 (everything) covers kind 1 (the current view).
    FPendingKind = FPendingKind < 0 ? kind : std::min(FPendingKind, kind);
    return;
  }
  FDirty = true;
  FNotifying = true;
  FPendingKind = -1;
  try {
    // Bounded, so that listeners that keep changing the project cannot loop forever.
    for (int round = 0; round < kMaxNotifyRounds; ++round) {
      NotifyListeners(kind);
      if (FPendingKind < 0)
        break;
      kind = std::exchange(FPendingKind, -1);
    }
  } catch (...) {
    FinishNotifying();
    throw;
  }
  FinishNotifying();
}

void TVnCustomProject::NotifyListeners(int kind) {
  // By index: listeners added meanwhile hear this news too, removed ones do not.
  for (std::size_t i = 0; i < FListeners.size(); ++i)
    if (TVnProjectListener *listener = FListeners[i])
      listener->ProjectUpdated(kind);
  if (OnUpdate)
    OnUpdate(*this);
}

void TVnCustomProject::FinishNotifying() {
  FNotifying = false;
  FPendingKind = -1;
  std::erase(FListeners, nullptr);
}

void TVnCustomProject::CancelUpdate() noexcept {
  if (FUpdateCount > 0)
    --FUpdateCount;
}

void TVnCustomProject::LanguageChanged() {
  if (!Updating() && OnLanguageChanged)
    OnLanguageChanged(*this);
  if (HasTargets())
    Update(1, false);
}

void TVnCustomProject::SetRowValue(int row, int field, const QString &text) {
  SetModified(true);
  if (field == rfTranslation && !text.isEmpty())
    SetRowValue(row, rfTransStatus, QStringLiteral("translated"));
}

void TVnCustomProject::Clear() { SetModified(false); }

bool TVnCustomProject::CloseQuery() {
  if (FModified && OnChangedClose && OnChangedClose(*this) == TVnCloseAnswer::Cancel)
    return false;
  Clear();
  return true;
}

void TVnCustomProject::Save() { SetModified(false); }

void TVnCustomProject::PerformHistory(int kind) {
  if (kind != 2 && kind != 3)
    throw EVnError(QStringLiteral("Invalid parameter in TVnCustomProject.PerformHistory"));
}
