#pragma once

#include "core/VnMessages.h"

#include <QList>

#include <deque>

/// Message boxes answered from a script, for tests: each Show takes the next
/// queued answer (or the cautious answer when the queue is empty) and records
/// the message, so a test can check what the user would have been told.
/// Installs itself for its lifetime.
class TVnScriptedMessageBoxes : public TVnMessageBoxes {
public:
  TVnScriptedMessageBoxes();
  ~TVnScriptedMessageBoxes() override;
  TVnScriptedMessageBoxes(const TVnScriptedMessageBoxes &) = delete;
  TVnScriptedMessageBoxes &operator=(const TVnScriptedMessageBoxes &) = delete;

  /// Queues the answer to the next message.
  void Answer(TVnMsgButton button) { FAnswers.push_back(button); }
  /// Every message shown so far, in order.
  const QList<TVnMessage> &Shown() const { return FShown; }
  /// Answers queued but not used.
  std::size_t PendingAnswers() const { return FAnswers.size(); }

  TVnMsgButton Show(const TVnMessage &message) override;

private:
  std::deque<TVnMsgButton> FAnswers;
  QList<TVnMessage> FShown;
  TVnMessageBoxes *FPrevious; // not owned
};
