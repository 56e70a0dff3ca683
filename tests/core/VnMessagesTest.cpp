#include "core/VnMessages.h"

#include "core/VnScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

using B = TVnMsgButton;

TEST(VnMessages, CautiousAnswerChangesLeast) {
  const struct {
    TVnMsgButtons offered;
    B answer;
  } cases[] = {
      {B::Yes | B::No | B::Cancel, B::Cancel},
      {B::Yes | B::No, B::No},
      {B::OK | B::Help, B::OK},
      {B::Abort | B::Retry | B::Ignore, B::Abort},
      {B::YesToAll | B::NoToAll, B::NoToAll},
      {TVnMsgButtons(), B::None},
  };
  for (const auto &c : cases)
    EXPECT_EQ(VnCautiousAnswer(c.offered), c.answer) << c.offered.toInt();
}

TEST(VnMessages, ScriptedBoxesAnswerInOrderAndRecordWhatWasShown) {
  TVnScriptedMessageBoxes boxes;
  boxes.Answer(B::Yes);
  boxes.Answer(B::Retry);

  EXPECT_EQ(VnMessageDlg(QStringLiteral("Save changes?"), TVnMsgType::Confirmation,
                         B::Yes | B::No | B::Cancel, 120),
            B::Yes);
  EXPECT_EQ(VnMessageDlg(QStringLiteral("Disk full"), TVnMsgType::Error, B::Abort | B::Retry), B::Retry);
  // The script ran out: the cautious answer, never an accidental Yes.
  EXPECT_EQ(VnMessageDlg(QStringLiteral("Delete all?"), TVnMsgType::Warning, B::Yes | B::No), B::No);

  ASSERT_EQ(boxes.Shown().size(), 3);
  const TVnMessage &first = boxes.Shown()[0];
  EXPECT_EQ(first.Text, QStringLiteral("Save changes?"));
  EXPECT_EQ(first.Type, TVnMsgType::Confirmation);
  EXPECT_EQ(first.Buttons, B::Yes | B::No | B::Cancel);
  EXPECT_EQ(first.HelpContext, 120);
  EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST(VnMessages, ScriptedBoxesRestoreThePreviousImplementation) {
  TVnScriptedMessageBoxes outer;
  {
    TVnScriptedMessageBoxes inner;
    VnMessageDlg(QStringLiteral("inner"), TVnMsgType::Information);
    EXPECT_EQ(inner.Shown().size(), 1);
  }
  VnMessageDlg(QStringLiteral("outer"), TVnMsgType::Information);
  ASSERT_EQ(outer.Shown().size(), 1);
  EXPECT_EQ(outer.Shown()[0].Text, QStringLiteral("outer"));
}

TEST(VnMessages, ButtonCaptions) {
  EXPECT_EQ(VnButtonCaption(B::NoToAll), QStringLiteral("No to All"));
  EXPECT_EQ(VnButtonCaption(B::OK), QStringLiteral("OK"));
  EXPECT_EQ(VnButtonCaption(B::None), QString());
}

} // namespace
