#pragma once

#include "project/VnProjectTypes.h"

#include "core/VnProgress.h"

#include <QString>

#include <functional>
#include <vector>

/// A view that shows the project and must hear of its changes. Kind 1 follows
/// a change of the current target or the active language; kind 0 every other
/// change. The project does not own its listeners.
class TVnProjectListener {
public:
  virtual void ProjectUpdated(int kind) = 0;

protected:
  ~TVnProjectListener() = default;
};

/// The answer to the save question asked before a modified project closes.
enum class TVnCloseAnswer { Close, Cancel };

/// The abstract project: file state, change notification and the operations
/// every kind of project document offers.
class TVnCustomProject {
public:
  using TEvent = std::function<void(TVnCustomProject &sender)>;

  /// `progress` receives status texts and percentages (not owned; null gives
  /// the project a sink of its own).
  explicit TVnCustomProject(TVnProgress *progress = nullptr);
  virtual ~TVnCustomProject() = default;
  TVnCustomProject(const TVnCustomProject &) = delete;
  TVnCustomProject &operator=(const TVnCustomProject &) = delete;

  TEvent OnUpdate;
  TEvent OnAfterOpen;
  TEvent OnAfterSave;
  TEvent OnChanged;
  TEvent OnLanguageChanged;
  /// Asked before a modified project is closed; Cancel stops the close.
  std::function<TVnCloseAnswer(TVnCustomProject &sender)> OnChangedClose;

  TVnProgress &Progress() { return *FProgress; }
  const QString &FileName() const { return FFileName; }
  bool Opened() const { return FOpened; }
  bool Modified() const { return FModified; }
  /// Set by every change and notification; views clear it once they refreshed.
  bool Dirty() const { return FDirty; }
  void ClearDirty() { FDirty = false; }
  bool Updating() const { return FUpdateCount > 0; }

  void AddListener(TVnProjectListener *listener);
  void RemoveListener(TVnProjectListener *listener);

  void BeginUpdate();
  /// Ends an update; with `notify` the views hear of it (Update kind 0).
  void EndUpdate(bool notify);
  /// Ends an update that an error interrupted, telling nobody.
  void CancelUpdate() noexcept;
  void SetModified(bool value);
  /// Tells the listeners, then OnUpdate. Skipped while an update is in progress
  /// unless `force`, and never re-entered from a listener.
  void Update(int kind, bool force);
  /// Raises OnLanguageChanged (outside updates) and sends Update kind 1.
  void LanguageChanged();

  virtual bool IsEmpty() = 0;
  virtual void SetRowValue(int row, int field, const QString &text);
  virtual void Clear();
  /// Asks OnChangedClose when modified; false when the user cancels, else the
  /// project is cleared.
  virtual bool CloseQuery();
  virtual void Save();
  /// Kinds 2 and 3 are accepted and change nothing; other kinds are an error.
  virtual void PerformHistory(int kind);

protected:
  /// Rebuilds indexes after the document changed; runs at the start of Update.
  virtual void ReloadViews() = 0;
  virtual bool HasTargets() = 0;

  QString FFileName;
  bool FOpened = false;

private:
  void FinishNotifying();
  void NotifyListeners(int kind);

  TVnProgress FOwnProgress;
  TVnProgress *FProgress;   // not owned
  bool FModified = false;
  bool FDirty = false;
  int FUpdateCount = 0;
  bool FNotifying = false;
  int FPendingKind = -1; ///< an Update that came while notifying; -1 none
  static constexpr int kMaxNotifyRounds = 8;
  std::vector<TVnProjectListener *> FListeners; // not owned
};

/// Brackets changes to many rows: the update ends through End (with or without
/// notification), or quietly when an error leaves the scope early, so an error
/// never leaves the project updating for good.
class TVnUpdateScope {
public:
  explicit TVnUpdateScope(TVnCustomProject &project) : FProject(project) { FProject.BeginUpdate(); }
  ~TVnUpdateScope() {
    if (!FEnded)
      FProject.CancelUpdate();
  }
  TVnUpdateScope(const TVnUpdateScope &) = delete;
  TVnUpdateScope &operator=(const TVnUpdateScope &) = delete;
  void End(bool notify) {
    FEnded = true;
    FProject.EndUpdate(notify);
  }

private:
  TVnCustomProject &FProject;
  bool FEnded = false;
};
