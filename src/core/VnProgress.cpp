#include "core/VnProgress.h"

#include <algorithm>

void TVnProgress::SetStatus(const QString &text, int percent) {
  percent = std::clamp(percent, 0, 100);
  if (text == FText && percent == FPercent)
    return;
  FText = text;
  FPercent = percent;
  Changed();
}

void TVnProgress::SetPercent(int percent) { SetStatus(FText, percent); }

void TVnProgress::SetText(const QString &text) { SetStatus(text, FPercent); }

void TVnProgress::Changed() {
  if (OnProgress)
    OnProgress(*this);
}
