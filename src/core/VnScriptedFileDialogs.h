#pragma once

#include "core/VnFileDialogs.h"

#include <QList>

#include <deque>

/// File dialogs answered from a script, for tests: each dialog takes the next
/// queued answer (cancelled when none is left) and is recorded. Installs itself
/// for its lifetime.
class TVnScriptedFileDialogs : public TVnFileDialogs {
public:
  TVnScriptedFileDialogs();
  ~TVnScriptedFileDialogs() override;
  TVnScriptedFileDialogs(const TVnScriptedFileDialogs &) = delete;
  TVnScriptedFileDialogs &operator=(const TVnScriptedFileDialogs &) = delete;

  /// Queues a choice of files (empty: the user cancels) with a file type.
  void Answer(const QStringList &files, int filterIndex = 1) { FAnswers.push_back({files, filterIndex}); }
  void Cancel() { FAnswers.push_back({}); }
  const QList<TVnFileDialogRequest> &Asked() const { return FAsked; }

  TVnFileDialogResult Open(const TVnFileDialogRequest &request) override { return Next(request); }
  TVnFileDialogResult Save(const TVnFileDialogRequest &request) override { return Next(request); }

private:
  TVnFileDialogResult Next(const TVnFileDialogRequest &request);

  std::deque<TVnFileDialogResult> FAnswers;
  QList<TVnFileDialogRequest> FAsked;
  TVnFileDialogs *FPrevious; // not owned
};
