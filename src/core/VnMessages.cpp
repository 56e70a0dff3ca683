#include "core/VnMessages.h"

#include <QTextStream>

#include <array>
#include <utility>

namespace {

TVnStderrMessageBoxes gStderrBoxes;
TVnMessageBoxes *gBoxes = &gStderrBoxes;

const std::array<std::pair<TVnMsgButton, const char *>, 11> kButtonCaptions{{
    {TVnMsgButton::Yes, "Yes"},
    {TVnMsgButton::No, "No"},
    {TVnMsgButton::OK, "OK"},
    {TVnMsgButton::Cancel, "Cancel"},
    {TVnMsgButton::Abort, "Abort"},
    {TVnMsgButton::Retry, "Retry"},
    {TVnMsgButton::Ignore, "Ignore"},
    {TVnMsgButton::All, "All"},
    {TVnMsgButton::NoToAll, "No to All"},
    {TVnMsgButton::YesToAll, "Yes to All"},
    {TVnMsgButton::Help, "Help"},
}};

const char *TypeName(TVnMsgType type) {
  switch (type) {
  case TVnMsgType::Warning: return "Warning";
  case TVnMsgType::Error: return "Error";
  case TVnMsgType::Information: return "Information";
  case TVnMsgType::Confirmation: return "Confirm";
  }
  return "";
}

} // namespace

TVnMsgButton VnCautiousAnswer(TVnMsgButtons buttons) {
  for (TVnMsgButton b : {TVnMsgButton::Cancel, TVnMsgButton::No, TVnMsgButton::OK})
    if (buttons.testFlag(b))
      return b;
  for (const auto &[b, caption] : kButtonCaptions)
    if (buttons.testFlag(b))
      return b;
  return TVnMsgButton::None;
}

TVnMsgButton TVnStderrMessageBoxes::Show(const TVnMessage &message) {
  QTextStream err(stderr);
  err << TypeName(message.Type) << ": " << message.Text << Qt::endl;
  return VnCautiousAnswer(message.Buttons);
}

TVnMessageBoxes *VnSetMessageBoxes(TVnMessageBoxes *boxes) {
  return std::exchange(gBoxes, boxes ? boxes : &gStderrBoxes);
}

TVnMsgButton VnMessageDlg(const QString &text, TVnMsgType type, TVnMsgButtons buttons,
                          int helpContext) {
  return gBoxes->Show(TVnMessage{type, text, buttons, helpContext});
}

QString VnButtonCaption(TVnMsgButton button) {
  for (const auto &[b, caption] : kButtonCaptions)
    if (b == button)
      return QString::fromLatin1(caption);
  return {};
}
