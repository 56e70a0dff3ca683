#pragma once

#include <QFlags>
#include <QString>

/// What a message box says about itself: its icon and caption.
enum class TVnMsgType { Warning, Error, Information, Confirmation };

/// The buttons a message box can offer; the answer is the one pressed.
enum class TVnMsgButton : unsigned {
  None = 0,
  Yes = 1 << 0,
  No = 1 << 1,
  OK = 1 << 2,
  Cancel = 1 << 3,
  Abort = 1 << 4,
  Retry = 1 << 5,
  Ignore = 1 << 6,
  All = 1 << 7,
  NoToAll = 1 << 8,
  YesToAll = 1 << 9,
  Help = 1 << 10,
};
Q_DECLARE_FLAGS(TVnMsgButtons, TVnMsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVnMsgButtons)

/// One question or notice to the user. HelpContext numbers are the keys of the
/// bundled help pages; 0 means no help.
struct TVnMessage {
  TVnMsgType Type = TVnMsgType::Information;
  QString Text;
  TVnMsgButtons Buttons = TVnMsgButton::OK;
  int HelpContext = 0;
};

/// Shows messages to the user. The window, the command-line tool and the tests
/// each install their own implementation; logic never talks to widgets.
class TVnMessageBoxes {
public:
  virtual ~TVnMessageBoxes() = default;
  /// Shows the message and answers the button pressed (one of message.Buttons).
  virtual TVnMsgButton Show(const TVnMessage &message) = 0;
};

/// The answer a user who cannot be asked gives: the one that changes least
/// (Cancel, then No, then OK, then the first button offered).
TVnMsgButton VnCautiousAnswer(TVnMsgButtons buttons);

/// Writes messages to stderr and gives the cautious answer: the fallback while
/// no other implementation is installed.
class TVnStderrMessageBoxes : public TVnMessageBoxes {
public:
  TVnMsgButton Show(const TVnMessage &message) override;
};

/// Installs `boxes` (not owned; null restores the stderr fallback) and returns the previous one.
TVnMessageBoxes *VnSetMessageBoxes(TVnMessageBoxes *boxes);

/// Shows a message through the installed implementation.
TVnMsgButton VnMessageDlg(const QString &text, TVnMsgType type,
                          TVnMsgButtons buttons = TVnMsgButton::OK, int helpContext = 0);

/// The caption of a button, as message boxes and logs write it.
QString VnButtonCaption(TVnMsgButton button);
