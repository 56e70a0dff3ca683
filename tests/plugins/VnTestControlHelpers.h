#pragma once

// The host side of steering the test plug-ins: what tests of the managers
// share to set answers and read what the plug-ins saw.

#include "com/VnComText.h"

#include "IVnTestControl.h"

#include <gtest/gtest.h>

// Operations, numbered as in their interface's table.
enum TVnImporterOp { opImpEnable = 1, opImpDisable = 2, opImpSetup = 3, opImpTranslate = 4, opImpGetText = 5 };
enum TVnTMOp {
  opTMOpen = 1,
  opTMClose = 2,
  opTMSetup = 3,
  opTMLookup = 4,
  opTMStore = 5,
  opTMInquireA = 6,
  opTMInquireB = 7,
  opTMGetText = 8
};

inline TVnComPtr<IVnTestControl> VnControlOf(IUnknown *object) {
  TVnComPtr<IVnTestControl> control;
  EXPECT_EQ(object->QueryInterface(IID_IVnTestControl, control.Receive()), S_OK);
  return control;
}

inline void VnAnswerInt(IVnTestControl *control, int op, int value) {
  TVnVariant answer;
  answer.SetInt(value);
  EXPECT_EQ(control->SetAnswer(op, answer.Get()), S_OK);
}

inline void VnAnswerText(IVnTestControl *control, int op, const QString &text) {
  TVnVariant answer;
  answer.SetBstr(VnMakeBstr(text).Detach());
  EXPECT_EQ(control->SetAnswer(op, answer.Get()), S_OK);
}

inline int VnCalls(IVnTestControl *control, int op) {
  TVnVariant count;
  control->CallCount(op, count.Get());
  return count.Value().lVal;
}

inline QString VnLastArguments(IVnTestControl *control, int op) {
  TVnVariant text;
  control->LastArguments(op, text.Get());
  return VnBstrText(text.Value().bstrVal);
}
