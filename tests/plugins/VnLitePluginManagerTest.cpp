// Setting up the TMX memory: a copy of the test memory saved as TmxStoreTM.so
// registers under "TmxStore.TM" and stands in for the TMX store.

#include "plugins/VnConfiguredPlugins.h"
#include "plugins/VnImporterManager.h"
#include "plugins/VnLitePluginManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "config/VnConfiguration.h"

#include "core/VnError.h"
#include "core/VnScriptedMessageBoxes.h"
#include "core/VnXml.h"

#include "VnTestControlHelpers.h"
#include "VnProjectFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VnLitePluginManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VN_TEST_TM_PLUGIN), FFolder.filePath(QStringLiteral("TmxStoreTM.so"))));
    FMemories.SetFolder(FFolder.path());
    VnLoadProjectText(FProject, kVnSampleProject); // English to German, the first language
  }

  /// Creates the TMX entry and answers its test control.
  TVnComPtr<IVnTestControl> CreateStore() {
    TVnLitePluginManager lite(FMemories, FImporters);
    EXPECT_TRUE(lite.Create());
    EXPECT_EQ(FMemories.ConfigCount(), 1);
    return VnControlOf(FMemories.Configs(0).Memory());
  }

  QTemporaryDir FFolder;
  TVnTMManager FMemories;
  TVnImporterManager FImporters;
  TVnV7Project FProject;
  TVnConfiguration FConfig;
  TVnScriptedMessageBoxes FBoxes;
};

TEST_F(VnLitePluginManagerTest, CreateRegistersTheStoreAndKeepsOnlyItsEntries) {
  TVnTMConfig &other = FMemories.AddConfig();
  other.ClassId = QStringLiteral("{00000000-0000-0000-0000-000000000009}");
  const auto control = CreateStore();
  EXPECT_EQ(FMemories.Configs(0).ClassId, VnGuidText(CLSID_VnTestTM));
  CLSID byName{};
  EXPECT_EQ(VnCLSIDFromProgID(QStringLiteral("TmxStoreTM.TM"), &byName), S_OK); // the file naming rule
  EXPECT_EQ(byName, CLSID_VnTestTM);

  // A second use keeps the configured store and adds nothing.
  TVnLitePluginManager lite(FMemories, FImporters);
  EXPECT_TRUE(lite.Create());
  EXPECT_EQ(FMemories.ConfigCount(), 1);
  EXPECT_TRUE(FBoxes.Shown().isEmpty());
}

TEST_F(VnLitePluginManagerTest, CreateTakesOverAStoreEntryThatCouldNotBeLoaded) {
  // Written in lower case, and its class not registered when the settings are read.
  VnUnregisterServer(QStringLiteral(VN_TEST_TM_PLUGIN));
  pugi::xml_node section = FConfig.TM().GetSectionNode();
  pugi::xml_node stored = section.append_child("tm");
  VnXmlSetAttr(stored, "guid", VnGuidText(CLSID_VnTestTM).toLower());
  VnXmlSetText(stored, QStringLiteral("old.tmx"));
  VnLoadMemories(FConfig.TM(), FMemories);
  ASSERT_EQ(FMemories.ConfigCount(), 0);
  ASSERT_EQ(FMemories.Parked().size(), 1);

  const auto control = CreateStore();
  EXPECT_TRUE(FMemories.Parked().isEmpty());
  EXPECT_EQ(VnLastArguments(control.Get(), opTMSetup), QStringLiteral("old.tmx|||1")); // its settings go on
  VnAnswerText(control.Get(), opTMGetText, QStringLiteral("new.tmx"));
  VnSaveMemories(FConfig.TM(), FMemories);
  QStringList saved;
  for (pugi::xml_node tm : section.children("tm"))
    saved << VnXmlText(tm);
  EXPECT_EQ(saved, QStringList{QStringLiteral("new.tmx")});
}

TEST_F(VnLitePluginManagerTest, CreateKeepsAStoreEntryWrittenInLowerCase) {
  TVnLitePluginManager lite(FMemories, FImporters);
  ASSERT_TRUE(lite.Create()); // registers the store
  pugi::xml_node stored = FConfig.TM().GetSectionNode().append_child("tm");
  VnXmlSetAttr(stored, "guid", VnGuidText(CLSID_VnTestTM).toLower());
  VnXmlSetText(stored, QStringLiteral("mine.tmx"));
  TVnTMManager memories;
  memories.SetFolder(FFolder.path());
  VnLoadMemories(FConfig.TM(), memories);
  ASSERT_EQ(memories.ConfigCount(), 1);
  EXPECT_EQ(memories.Configs(0).ClassId, VnGuidText(CLSID_VnTestTM)); // kept in registry form
  TVnLitePluginManager again(memories, FImporters);
  EXPECT_TRUE(again.Create());
  ASSERT_EQ(memories.ConfigCount(), 1);
  EXPECT_EQ(memories.Configs(0).LoadedSettings, QStringLiteral("mine.tmx"));
}

TEST_F(VnLitePluginManagerTest, CreateStopsWhenTheFolderHoldsNoMemory) {
  QTemporaryDir empty;
  TVnTMManager memories;
  memories.SetFolder(empty.path());
  TVnLitePluginManager lite(memories, FImporters);
  EXPECT_FALSE(lite.Create());
  ASSERT_EQ(FBoxes.Shown().size(), 1);
  EXPECT_EQ(FBoxes.Shown()[0].Text,
            QStringLiteral("TM plug-ins not found in folder \"%1\". Cannot proceed.").arg(empty.path()));
}

TEST_F(VnLitePluginManagerTest, SetupLiveWithoutAConfiguredMemoryFailsClearly) {
  ASSERT_TRUE(QFile::rename(FFolder.filePath(QStringLiteral("TmxStoreTM.so")), FFolder.filePath(QStringLiteral("OtherTM.so"))));
  FMemories.SetFolder(FFolder.path());
  TVnLitePluginManager lite(FMemories, FImporters);
  EXPECT_TRUE(lite.Create());
  EXPECT_EQ(FMemories.ConfigCount(), 0);
  EXPECT_FALSE(lite.SetupLive(FProject, FConfig));
  EXPECT_EQ(FMemories.LiveIndex(), -1);
  ASSERT_EQ(FBoxes.Shown().size(), 1);
  EXPECT_EQ(FBoxes.Shown()[0].Type, TVnMsgType::Error);
}

TEST_F(VnLitePluginManagerTest, SetupLiveOpensTheMemoryForTheProjectsPair) {
  const auto control = CreateStore();
  VnAnswerText(control.Get(), opTMGetText, QStringLiteral("memory.tmx"));
  TVnLitePluginManager lite(FMemories, FImporters);

  FConfig.Translations().SetUseCountryNeutral(false);
  ASSERT_TRUE(FProject.GetActiveLanguage() == QStringLiteral("de"));
  EXPECT_TRUE(lite.SetupLive(FProject, FConfig));
  EXPECT_EQ(FMemories.LiveIndex(), 0);
  EXPECT_EQ(VnLastArguments(control.Get(), opTMSetup), QStringLiteral("memory.tmx|en|de|0"));
  EXPECT_EQ(FMemories.Configs(0).LastResult, 0);

  // Set up again: the live memory is closed first.
  EXPECT_TRUE(lite.SetupLive(FProject, FConfig));
  EXPECT_EQ(VnCalls(control.Get(), opTMClose), 1);
  EXPECT_EQ(VnCalls(control.Get(), opTMOpen), 2);
  // A memory that fails to close is set up anew all the same.
  control->SetThrow(opTMClose, 1);
  EXPECT_TRUE(lite.SetupLive(FProject, FConfig));
  EXPECT_EQ(FMemories.LiveIndex(), 0);
}

TEST_F(VnLitePluginManagerTest, SetupLiveUsesCountryNeutralCodesWhenSet) {
  const auto control = CreateStore();
  VnAnswerText(control.Get(), opTMGetText, QStringLiteral("memory.tmx"));
  FProject.SetLanguage(0, QStringLiteral("de_AT"));
  TVnLitePluginManager lite(FMemories, FImporters);
  EXPECT_TRUE(lite.SetupLive(FProject, FConfig)); // the setting is on by default
  EXPECT_EQ(VnLastArguments(control.Get(), opTMSetup), QStringLiteral("memory.tmx|en|de|0"));
}

TEST_F(VnLitePluginManagerTest, SetupLiveResults) {
  struct TCase {
    const char *Name;
    int SetupResult;
    const char *Configuration;
    int OpenResult;
    int OpenThrows;
    bool WasLive;
    bool Live;
    int LastResult;
    const char *Message;
  } const cases[] = {
      {"not configured", 0, "", 0, 0, false, false, 0, nullptr},
      {"open fails", 0, "m.tmx", -2, 0, false, false, -2, nullptr},
      {"open throws", 0, "m.tmx", 0, 1, false, false, -3, nullptr},
      {"unsupported encoding", -4, "m.tmx", 0, 0, false, false, -4, "The selected file has an unsupported encoding."},
      {"cancelled, none live", -1, "m.tmx", 0, 0, false, false, -1, nullptr},
      {"cancelled, was live", -1, "m.tmx", 0, 0, true, true, -1, nullptr},
      {"cancelled, was live, reopen fails", -1, "m.tmx", -3, 0, true, false, -1, nullptr},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    TVnTMManager memories;
    memories.SetFolder(FFolder.path());
    TVnLitePluginManager lite(memories, FImporters);
    ASSERT_TRUE(lite.Create());
    const auto control = VnControlOf(memories.Configs(0).Memory());
    VnAnswerText(control.Get(), opTMGetText, QLatin1String(c.Configuration));
    if (c.WasLive)
      memories.SetLiveIndex(0);
    VnAnswerInt(control.Get(), opTMSetup, c.SetupResult);
    VnAnswerInt(control.Get(), opTMOpen, c.OpenResult);
    control->SetThrow(opTMOpen, c.OpenThrows);
    const qsizetype shown = FBoxes.Shown().size();

    EXPECT_EQ(lite.SetupLive(FProject, FConfig), c.Live);
    EXPECT_EQ(memories.LiveIndex(), c.Live ? 0 : -1);
    EXPECT_EQ(memories.Configs(0).LastResult, c.LastResult);
    if (c.Message) {
      ASSERT_EQ(FBoxes.Shown().size(), shown + 1);
      EXPECT_EQ(FBoxes.Shown().last().Text, QLatin1String(c.Message));
    } else {
      EXPECT_EQ(FBoxes.Shown().size(), shown);
    }
  }
}

} // namespace
