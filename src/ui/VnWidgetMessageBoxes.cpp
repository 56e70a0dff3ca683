#include "ui/VnWidgetMessageBoxes.h"

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
  QMessageBox box(IconOf(message.Type), VnProgramName(), message.Text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::vector<std::pair<QAbstractButton *, TVnMsgButton>> buttons;
  for (const auto &[button, role] : kRoles)
    if (message.Buttons.testFlag(button))
      buttons.emplace_back(box.addButton(VnButtonCaption(button), role), button);
  if (buttons.empty())
    buttons.emplace_back(box.addButton(QMessageBox::Ok), TVnMsgButton::OK);
  box.exec();
  for (const auto &[widget, button] : buttons)
    if (box.clickedButton() == widget)
      return button;
  // Closed with Escape or the title bar: the cautious answer.
  return VnCautiousAnswer(message.Buttons);
}
