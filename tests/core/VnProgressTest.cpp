#include "core/VnProgress.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(VnProgress, RaisesOnlyWhenAValueChanges) {
  TVnProgress progress;
  QStringList heard;
  progress.OnProgress = [&](TVnProgress &sender) {
    heard.append(QStringLiteral("%1 %2").arg(sender.Text()).arg(sender.Percent()));
  };

  progress.SetStatus(QStringLiteral("Loading from file..."), 0);
  progress.SetStatus(QStringLiteral("Loading from file..."), 0); // same: silent
  progress.SetPercent(40);
  progress.SetPercent(40);                                       // same: silent
  progress.SetText(QStringLiteral("Saving to file..."));
  progress.SetStatus(QStringLiteral("Ready"), 100);
  progress.SetPercent(250);                                      // clamped to 100: silent
  progress.SetPercent(-5);

  EXPECT_EQ(heard, QStringList({QStringLiteral("Loading from file... 0"), QStringLiteral("Loading from file... 40"),
                                QStringLiteral("Saving to file... 40"), QStringLiteral("Ready 100"),
                                QStringLiteral("Ready 0")}));
}

TEST(VnProgress, WorksWithoutListener) {
  TVnProgress progress;
  progress.SetStatus(QStringLiteral("Scanning..."), 10);
  EXPECT_EQ(progress.Text(), QStringLiteral("Scanning..."));
  EXPECT_EQ(progress.Percent(), 10);
}

} // namespace
