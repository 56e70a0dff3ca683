// Configured importers and memories read from and written to the
// configuration, with the test plug-ins registered and one class missing.

#include "plugins/VnConfiguredPlugins.h"
#include "plugins/VnImporterManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "config/VnConfiguration.h"

#include "core/VnXml.h"

#include "VnTestControlHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kMissing = QStringLiteral("{00000000-0000-0000-0000-0000000000AA}");

class VnConfiguredPlugins : public ::testing::Test {
protected:
  void SetUp() override {
    VnRegisterServer(QStringLiteral(VN_TEST_IMPORTER_PLUGIN));
    VnRegisterServer(QStringLiteral(VN_TEST_TM_PLUGIN));
  }

  /// Fills a section with elements: guid, text and, for importers, "connected".
  void Fill(pugi::xml_node section, const char *name, const QList<QStringList> &entries) {
    for (const QStringList &e : entries) {
      pugi::xml_node element = section.append_child(name);
      VnXmlSetAttr(element, "guid", e[0]);
      VnXmlSetText(element, e[1]);
      if (e.size() > 2)
        VnXmlSetAttr(element, "connected", e[2]);
    }
  }

  /// "guid|connected|text" of every element, in order.
  static QStringList Read(pugi::xml_node section, const char *name) {
    QStringList read;
    for (pugi::xml_node element : section.children(name))
      read << VnXmlAttr(element, "guid") + QLatin1Char('|') + VnXmlAttr(element, "connected") + QLatin1Char('|') +
                  VnXmlText(element);
    return read;
  }

  QTemporaryDir FDir;
  TVnConfiguration FConfig{FDir.filePath(QStringLiteral("settings.vno"))};
  const QString FImporter = VnGuidText(CLSID_VnTestImporter);
  const QString FMemory = VnGuidText(CLSID_VnTestTM);
};

TEST_F(VnConfiguredPlugins, ImportersKeepTheirPlaceAndSettingsWhileTheirPluginIsMissing) {
  const pugi::xml_node section = FConfig.Importers().GetSectionNode();
  Fill(section, "importer",
       {{FImporter, QStringLiteral("a.csv"), QStringLiteral("False")},
        {kMissing, QStringLiteral("keep <me>"), QStringLiteral("True")},
        {FImporter, QStringLiteral("b.csv")},
        {FImporter, QStringLiteral("c.csv")}});

  TVnImporterManager importers;
  VnLoadImporters(FConfig.Importers(), importers);
  ASSERT_EQ(importers.ConfigCount(), 3);
  ASSERT_EQ(importers.Parked().size(), 1);
  EXPECT_FALSE(importers.Configs(0).Enabled);
  EXPECT_TRUE(importers.Configs(1).Enabled); // "connected" defaults to true
  EXPECT_EQ(VnLastArguments(VnControlOf(importers.Configs(0).Importer()).Get(), opImpSetup),
            QStringLiteral("a.csv|||1")); // its own settings, no languages, silently

  // The user moves the last entry first; the plug-ins tell their settings.
  importers.MoveConfig(2, 0);
  VnAnswerText(VnControlOf(importers.Configs(0).Importer()).Get(), opImpGetText, QStringLiteral("c2.csv"));
  VnAnswerText(VnControlOf(importers.Configs(1).Importer()).Get(), opImpGetText, QStringLiteral("a2.csv"));
  VnControlOf(importers.Configs(2).Importer())->SetThrow(opImpGetText, 1); // keeps what it was loaded with
  VnSaveImporters(FConfig.Importers(), importers);
  EXPECT_EQ(Read(section, "importer"),
            QStringList({FImporter + QStringLiteral("|True|c2.csv"), kMissing + QStringLiteral("|True|keep <me>"),
                         FImporter + QStringLiteral("|False|a2.csv"), FImporter + QStringLiteral("|True|b.csv")}));
}

TEST_F(VnConfiguredPlugins, TheLiveMemoryIsFoundByItsPlaceInTheFile) {
  struct TCase {
    const char *Name;
    int StoredLive;
    int Live; // manager index
    int SavedLive;
  } const cases[] = {
      {"live after a missing one", 3, 2, 3},
      {"live one failed its own set-up", 1, -1, -1},
      {"live one is missing", 0, -1, -1},
      {"none live", -1, -1, -1},
      {"beyond the entries", 7, -1, -1},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    TVnConfiguration config(FDir.filePath(QStringLiteral("settings.vno")));
    pugi::xml_node section = config.TM().GetSectionNode();
    Fill(section, "tm",
         {{kMissing, QStringLiteral("gone.tmx")},
          {FMemory, QStringLiteral("result=-2")},
          {FMemory, QStringLiteral("m.tmx")},
          {FMemory, QStringLiteral("n.tmx")}});
    config.TM().SetLiveIndex(c.StoredLive);

    TVnTMManager memories;
    VnLoadMemories(config.TM(), memories);
    ASSERT_EQ(memories.ConfigCount(), 3);
    EXPECT_EQ(memories.Configs(0).LastResult, -2);
    EXPECT_EQ(memories.Configs(1).LastResult, 0);
    EXPECT_EQ(VnCalls(VnControlOf(memories.Configs(0).Memory()).Get(), opTMOpen), 0); // set-up failed: not opened
    EXPECT_EQ(VnCalls(VnControlOf(memories.Configs(1).Memory()).Get(), opTMOpen), 1);
    EXPECT_EQ(memories.LiveIndex(), c.Live);

    for (int i = 0; i < memories.ConfigCount(); ++i)
      VnAnswerText(VnControlOf(memories.Configs(i).Memory()).Get(), opTMGetText, QStringLiteral("s%1").arg(i));
    VnSaveMemories(config.TM(), memories);
    EXPECT_EQ(Read(section, "tm"), QStringList({kMissing + QStringLiteral("||gone.tmx"), FMemory + QStringLiteral("||s0"),
                                                FMemory + QStringLiteral("||s1"), FMemory + QStringLiteral("||s2")}));
    EXPECT_EQ(config.TM().GetLiveIndex(), c.SavedLive);
  }
}

TEST_F(VnConfiguredPlugins, SavedEntriesSurviveTheFile) {
  Fill(FConfig.TM().GetSectionNode(), "tm", {{FMemory, QStringLiteral("m.tmx")}});
  TVnTMManager memories;
  VnLoadMemories(FConfig.TM(), memories);
  ASSERT_EQ(memories.ConfigCount(), 1);
  memories.SetLiveIndex(0);
  VnAnswerText(VnControlOf(memories.Configs(0).Memory()).Get(), opTMGetText, QStringLiteral("<?xml?>&\r\n"));
  VnSaveMemories(FConfig.TM(), memories);
  FConfig.SaveConfiguration();

  TVnConfiguration reread(FDir.filePath(QStringLiteral("settings.vno")));
  reread.LoadConfiguration();
  TVnTMManager again;
  VnLoadMemories(reread.TM(), again);
  ASSERT_EQ(again.ConfigCount(), 1);
  EXPECT_EQ(again.Configs(0).LoadedSettings, QStringLiteral("<?xml?>&\r\n"));
  EXPECT_EQ(again.LiveIndex(), 0);
}

} // namespace
