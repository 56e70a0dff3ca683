#pragma once

#include <QString>

#include <exception>
#include <string>

/// Base of every failure the program raises. Failures are caught only at the
/// edges (command handlers, the command-line tool's main, plug-in entry points),
/// where the message is shown or turned into a result code.
class EVnError : public std::exception {
public:
  explicit EVnError(QString message);

  /// The message as the user sees it.
  const QString &Message() const noexcept { return FMessage; }
  const char *what() const noexcept override { return FUtf8.c_str(); }

private:
  QString FMessage;
  std::string FUtf8; // what() must not allocate
};

/// A broken internal invariant: a programming error, never a user's mistake.
class EVnAssertion : public EVnError {
public:
  explicit EVnAssertion(const QString &message);
};

/// Raises EVnAssertion with "Assertion failure" and `message` when `condition` is false.
inline void VnAssert(bool condition, const char *message) {
  if (!condition)
    throw EVnAssertion(QString::fromUtf8(message));
}
