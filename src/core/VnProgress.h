#pragma once

#include <QString>

#include <functional>

/// The progress sink of long operations: a status text and a percentage that the
/// status bar shows. Listeners hear of a change only when a value really changed,
/// so callers may report from every row of a loop without flooding the window.
class TVnProgress {
public:
  /// Raised after the text or the percentage changed.
  std::function<void(TVnProgress &sender)> OnProgress;

  const QString &Text() const { return FText; }
  int Percent() const { return FPercent; }

  /// Sets both values; raises OnProgress once when either differs.
  void SetStatus(const QString &text, int percent);
  void SetPercent(int percent);
  void SetText(const QString &text);

private:
  void Changed();

  QString FText;
  int FPercent = 0;
};
