#pragma once

// A data module over a throw-away configuration, with message boxes and file
// dialogs answered by script, and helpers to make project files.

#include "ui/VnDataModule.h"

#include "config/VnConfiguration.h"
#include "core/VnScriptedFileDialogs.h"
#include "core/VnScriptedMessageBoxes.h"

#include "VnTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class VnUiTest : public ::testing::Test {
protected:
  QString Path(const QString &name) const { return FDir.filePath(name); }
  QString ConfigFile() const { return Path(QStringLiteral("vantriadesk.vno")); }

  /// A project file with one target "a.rc" holding `rows` (row elements as
  /// stored) and the languages given, the first active.
  QString WriteRows(const QString &name, const QByteArray &rows,
                    const char *languages = "<language>de</language>") {
    const QString path = Path(name);
    const QByteArray xml = "<xml><targets><target><options><filename>a.rc</filename></options><stringdata>" + rows +
                           "</stringdata></target></targets><languages active=\"0\">" + languages +
                           "</languages></xml>";
    EXPECT_TRUE(VnTestWriteBytes(path, xml));
    return path;
  }

  /// A small project file with one target and one row.
  QString WriteProject(const QString &name, const char *native = "Hello") {
    return WriteRows(name, QByteArray("<row name=\"r0\"><native>&quot;") + native + "&quot;</native></row>");
  }

  /// A data module as the program makes it at start (configuration loaded).
  TVnDataModule &Start() {
    FConfig = std::make_unique<TVnConfiguration>(ConfigFile());
    FData = std::make_unique<TVnDataModule>(*FConfig);
    return *FData;
  }
  /// Ends the program's run: the data module stores and saves its settings.
  void Stop() {
    FData.reset();
    FConfig.reset();
  }

  QTemporaryDir FDir;
  TVnScriptedMessageBoxes FMessages;
  TVnScriptedFileDialogs FDialogs;
  std::unique_ptr<TVnConfiguration> FConfig;
  std::unique_ptr<TVnDataModule> FData;
};
