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

  /// A small project file with one target and one row.
  QString WriteProject(const QString &name, const char *native = "Hello") {
    const QString path = Path(name);
    const QByteArray xml = QByteArray("<xml><targets><target><options><filename>a.rc</filename></options>"
                                      "<stringdata><row name=\"r0\"><native>&quot;") +
                           native + "&quot;</native></row></stringdata></target></targets>"
                                    "<languages active=\"0\"><language>de</language></languages></xml>";
    EXPECT_TRUE(VnTestWriteBytes(path, xml));
    return path;
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
