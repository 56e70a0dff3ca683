#include "core/VnScriptedFileDialogs.h"

TVnScriptedFileDialogs::TVnScriptedFileDialogs() : FPrevious(VnSetFileDialogs(this)) {}

TVnScriptedFileDialogs::~TVnScriptedFileDialogs() { VnSetFileDialogs(FPrevious); }

TVnFileDialogResult TVnScriptedFileDialogs::Next(const TVnFileDialogRequest &request) {
  FAsked.append(request);
  if (FAnswers.empty())
    return {};
  TVnFileDialogResult answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}
