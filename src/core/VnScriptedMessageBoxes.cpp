#include "core/VnScriptedMessageBoxes.h"

TVnScriptedMessageBoxes::TVnScriptedMessageBoxes() : FPrevious(VnSetMessageBoxes(this)) {}

TVnScriptedMessageBoxes::~TVnScriptedMessageBoxes() { VnSetMessageBoxes(FPrevious); }

TVnMsgButton TVnScriptedMessageBoxes::Show(const TVnMessage &message) {
  FShown.append(message);
  if (FAnswers.empty())
    return VnCautiousAnswer(message.Buttons);
  TVnMsgButton answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}
