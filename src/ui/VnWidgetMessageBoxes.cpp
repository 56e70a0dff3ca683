#include "ui/VnWidgetMessageBoxes.h"

#include "ui/VnHelp.h"

#include "core/VnVersion.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {

const std::vector<std::pair<TVnMsgButton, QMessageBox::ButtonRole>> kRoles{
    {TVnMsgButton::Yes, QMessageBox::YesRole},       {TVnMsgButton::No, QMessageBox::NoRole},
    {TVnMsgButton::OK, QMessageBox::AcceptRole},     {TVnMsgButton::Cancel, QMessageBox::RejectRole},
    {TVnMsgButton::Abort, QMessageBox::RejectRole},  {TVnMsgButton::Retry, QMessageBox::AcceptRole},
    {TVnMsgButton::Ignore, QMessageBox::AcceptRole}, {TVnMsgButton::All, QMessageBox::YesRole},
    {TVnMsgButton::NoToAll, QMessageBox::NoRole},    {TVnMsgButton::YesToAll, QMessageBox::YesRole},
    {TVnMsgButton::Help, QMessageBox::HelpRole},
};

QMessageBox::Icon IconOf(TVnMsgType type) {
  switch (type) {
  case TVnMsgType::Warning: return QMessageBox::Warning;
  case TVnMsgType::Error: return QMessageBox::Critical;
  case TVnMsgType::Information: return QMessageBox::Information;
  case TVnMsgType::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

} // namespace

TVnMsgButton TVnWidgetMessageBoxes::Show(const TVnMessage &message) {
  const QString caption = message.Type == TVnMsgType::Confirmation ? QStringLiteral("Confirm") : VnProgramName();
  QMessageBox box(IconOf(message.Type), caption, message.Text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::vector<std::pair<QAbstractButton *, TVnMsgButton>> buttons;
  for (const auto &[button, role] : kRoles)
    if (message.Buttons.testFlag(button))
      buttons.emplace_back(box.addButton(VnButtonCaption(button), role), button);
  if (buttons.empty())
    buttons.emplace_back(box.addButton(QMessageBox::Ok), TVnMsgButton::OK);
  for (;;) {
    box.exec();
    TVnMsgButton pressed = TVnMsgButton::None;
    for (const auto &[widget, button] : buttons)
      if (box.clickedButton() == widget)
        pressed = button;
    // Help opens the page of the message's context and asks again.
    if (pressed != TVnMsgButton::Help || message.HelpContext == 0) {
      if (pressed != TVnMsgButton::None)
        return pressed;
      break;
    }
    VnShowHelp(message.HelpContext, &box);
  }
  // Closed with Escape or the title bar: the cautious answer.
  return VnCautiousAnswer(message.Buttons);
}
