#include "config/VnConfiguration.h"

#include "core/VnScriptedMessageBoxes.h"
#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VnConfigurationFile : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FFile = FDir.filePath(QStringLiteral("vantriadesk.vno"));
  TVnScriptedMessageBoxes FMessages;

  // A configuration in which the user changed something of every kind.
  static void Customise(TVnConfiguration &config) {
    for (int i = 0; i < VnBoolKeyCount(); ++i) {
      const auto key = TVnConfigBoolKey(i);
      SectionOf(config, VnKeyInfo(key).Section).SetBool(key, !VnKeyInfo(key).Default);
    }
    for (int i = 0; i < VnIntKeyCount(); ++i) {
      const auto key = TVnConfigIntKey(i);
      SectionOf(config, VnKeyInfo(key).Section).SetInt(key, 40 + i);
    }
    config.Environment().SaveMainWindow({5, 6, 700, 500, TVnWindowState::Maximized});
    config.Environment().SetToolbarLeft(1, 33);
    config.Projects().SetRecentProjects({QStringLiteral("/a & b.v7p"), QStringLiteral("/c.v7p")});
    config.Projects().SetLastPath(TVnLastPath::Imported, QStringLiteral("/in \"quoted\""));
    config.Grid().SetColumnWidth(4, 77);
    config.Grid().SetColumnVisible(0, true);
    config.Grid().SetShowRemoved(false);
    TVnFont font;
    font.Name = QStringLiteral("Noto Sans");
    font.Underline = true;
    config.Grid().SetFont(font);
    config.Translations().SetFont(font);
    config.Translations().SetUseCountryNeutral(false);
    config.Dialogs().SetFindItems({QStringLiteral("one"), QStringLiteral("two <2>")});
    config.Dialogs().SetHideMenu(false);
    config.BatchLangCopy().SetSourceLang(QStringLiteral("de_DE"));
    config.SegmentRules().AddRule({3, QStringLiteral("<b> & \"c\""), true});
    config.SegmentRules().AddRule({1, QStringLiteral("CRLF"), false});
    for (int status = 0; status < VnSaveStatusCount; ++status)
      config.TM().SetSaveStatus(status, status < 3);
    config.TM().SetLiveIndex(2);
    TVnConfigValidation &validation = config.Validation();
    for (int rule = 0; rule < VnValidationRuleCount; ++rule) {
      validation.SetSeverity(rule, (rule + 1) % 3);
      validation.SetTimeFix(rule, 100 + rule);
    }
    validation.SetErrorStatus(0);
    validation.SetNoErrorStatus(4);
    validation.AddCharSet(QStringLiteral("\u2122"));
    validation.AddCharSet(QStringLiteral("a & <b>"));
    validation.SetCharSetChecked(1, true);
    validation.SetEnableLengthCheck(false);
    validation.SetLengthCheckPercent(35);
  }

  static void ExpectCustomised(TVnConfiguration &config) {
    for (int i = 0; i < VnBoolKeyCount(); ++i) {
      const auto key = TVnConfigBoolKey(i);
      EXPECT_EQ(SectionOf(config, VnKeyInfo(key).Section).GetBool(key), !VnKeyInfo(key).Default)
          << VnKeyInfo(key).Name;
    }
    for (int i = 0; i < VnIntKeyCount(); ++i) {
      const auto key = TVnConfigIntKey(i);
      EXPECT_EQ(SectionOf(config, VnKeyInfo(key).Section).GetInt(key), 40 + i) << VnKeyInfo(key).Name;
    }
    EXPECT_EQ(config.Environment().RestoreMainWindow({}),
              (TVnWindowGeometry{0, 0, 0, 0, TVnWindowState::Maximized}));
    EXPECT_EQ(config.Environment().GetToolbarLeft(1, 0), 33);
    EXPECT_EQ(config.Projects().GetRecentProjects(),
              QStringList({QStringLiteral("/a & b.v7p"), QStringLiteral("/c.v7p")}));
    EXPECT_EQ(config.Projects().GetLastPath(TVnLastPath::Imported), QStringLiteral("/in \"quoted\""));
    EXPECT_EQ(config.Grid().GetColumnWidth(4, 0), 77);
    EXPECT_TRUE(config.Grid().GetColumnVisible(0));
    EXPECT_FALSE(config.Grid().GetShowRemoved());
    ASSERT_TRUE(config.Grid().GetFont().has_value());
    EXPECT_EQ(config.Grid().GetFont()->Name, QStringLiteral("Noto Sans"));
    EXPECT_TRUE(config.Translations().GetFont()->Underline);
    EXPECT_FALSE(config.Translations().GetUseCountryNeutral());
    EXPECT_EQ(config.Dialogs().GetFindItems(), QStringList({QStringLiteral("one"), QStringLiteral("two <2>")}));
    EXPECT_FALSE(config.Dialogs().GetHideMenu());
    EXPECT_EQ(config.BatchLangCopy().GetSourceLang(), QStringLiteral("de_DE"));
    ASSERT_EQ(config.SegmentRules().RuleCount(), 2);
    EXPECT_EQ(config.SegmentRules().GetRule(0), (TVnSegmentRule{3, QStringLiteral("<b> & \"c\""), true}));
    EXPECT_EQ(config.SegmentRules().GetRule(1), (TVnSegmentRule{1, QStringLiteral("CRLF"), false}));
    for (int status = 0; status < VnSaveStatusCount; ++status)
      EXPECT_EQ(config.TM().GetSaveStatus(status), status < 3) << status;
    EXPECT_EQ(config.TM().GetLiveIndex(), 2);
    TVnConfigValidation &validation = config.Validation();
    for (int rule = 0; rule < VnValidationRuleCount; ++rule) {
      EXPECT_EQ(validation.GetSeverity(rule), (rule + 1) % 3) << rule;
      EXPECT_EQ(validation.GetTimeFix(rule), 100 + rule) << rule;
    }
    EXPECT_EQ(validation.GetErrorStatus(), 0);
    EXPECT_EQ(validation.GetNoErrorStatus(), 4);
    ASSERT_EQ(validation.CharSetCount(), 2);
    EXPECT_EQ(validation.CharSetText(0), QStringLiteral("\u2122"));
    EXPECT_FALSE(validation.CharSetChecked(0));
    EXPECT_EQ(validation.CharSetText(1), QStringLiteral("a & <b>"));
    EXPECT_TRUE(validation.CharSetChecked(1));
    EXPECT_FALSE(validation.GetEnableLengthCheck());
    EXPECT_EQ(validation.GetLengthCheckPercent(), 35);
  }

  static TVnConfigSection &SectionOf(TVnConfiguration &config, const char *name) {
    for (TVnConfigSection *s : std::initializer_list<TVnConfigSection *>{
             &config.Environment(), &config.Tree(), &config.Projects(), &config.Grid(),
             &config.Importers(), &config.Translations(), &config.Dialogs(), &config.TM(),
             &config.ProjectCheck(), &config.Validation(), &config.Productivity(),
             &config.BatchLangCopy(), &config.BatchTranslation()})
      if (qstrcmp(s->ElementName(), name) == 0)
        return *s;
    throw std::logic_error(name);
  }
};

TEST_F(VnConfigurationFile, EverySettingSurvivesSaveAndLoad) {
  {
    TVnConfiguration config(FFile);
    config.LoadConfiguration();
    Customise(config);
    config.SaveConfiguration();
  }
  TVnConfiguration reloaded(FFile);
  reloaded.LoadConfiguration();
  ExpectCustomised(reloaded);

  // Loading and saving again changes no byte.
  const QByteArray saved = VnTestReadBytes(FFile);
  reloaded.SaveConfiguration();
  EXPECT_EQ(VnTestReadBytes(FFile), saved);
  EXPECT_TRUE(saved.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<options>\r\n"));
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnConfigurationFile, NoFileMeansDefaultsAndTheSaveHoldsWhatWasRead) {
  TVnConfiguration config(FFile);
  config.LoadConfiguration();
  EXPECT_TRUE(config.Dialogs().GetBool(TVnConfigBoolKey::Tips));
  EXPECT_TRUE(config.Dialogs().GetShowStartup());
  EXPECT_FALSE(config.Tree().GetFont().has_value());
  EXPECT_FALSE(QFileInfo::exists(config.BackupFileName()));

  const QString nested = FDir.filePath(QStringLiteral("new/folder/vantriadesk.vno"));
  TVnConfiguration elsewhere(nested);
  elsewhere.LoadConfiguration();
  elsewhere.Dialogs().GetBool(TVnConfigBoolKey::Tips);
  elsewhere.SaveConfiguration(); // creates the folder

  pugi::xml_document saved;
  VnXmlLoadFile(saved, nested);
  EXPECT_TRUE(saved.child("options").child("dialogs").child("tips"));
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnConfigurationFile, LoadingKeepsABackupOfTheFileThatParsed) {
  ASSERT_TRUE(VnTestWriteBytes(FFile + QStringLiteral(".bak"), "<options><stale/></options>"));
  ASSERT_TRUE(VnTestWriteBytes(FFile, "<options><dialogs><tips>False</tips></dialogs></options>"));
  TVnConfiguration config(FFile);
  config.LoadConfiguration();
  EXPECT_FALSE(config.Dialogs().GetBool(TVnConfigBoolKey::Tips));
  EXPECT_EQ(VnTestReadBytes(config.BackupFileName()), VnTestReadBytes(FFile));
}

TEST_F(VnConfigurationFile, BrokenFileIsSetAsideAndTheBackupUsed) {
  {
    TVnConfiguration good(FFile);
    good.LoadConfiguration();
    good.Dialogs().SetInt(TVnConfigIntKey::LastTip, 12);
    good.SaveConfiguration();
    good.LoadConfiguration(); // makes the backup
  }
  const QByteArray whole = VnTestReadBytes(FFile);
  const QByteArray truncated = whole.left(whole.size() / 2);
  ASSERT_TRUE(VnTestWriteBytes(FFile, truncated));

  TVnConfiguration config(FFile);
  config.LoadConfiguration();
  EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), 12);
  EXPECT_EQ(VnTestReadBytes(FFile + QStringLiteral(".broken")), truncated);
  EXPECT_FALSE(QFileInfo::exists(FFile));
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_EQ(FMessages.Shown()[0].Type, TVnMsgType::Warning);
  EXPECT_TRUE(FMessages.Shown()[0].Text.contains(FFile + QStringLiteral(".broken")));
  EXPECT_TRUE(FMessages.Shown()[0].Text.contains(config.BackupFileName()));

  // Told once: the next start finds no broken file and says nothing.
  config.SaveConfiguration();
  TVnConfiguration next(FFile);
  next.LoadConfiguration();
  EXPECT_EQ(next.Dialogs().GetInt(TVnConfigIntKey::LastTip), 12);
  EXPECT_EQ(FMessages.Shown().size(), 1);
}

TEST_F(VnConfigurationFile, BrokenFileWithoutUsableBackupGivesDefaultsNotAHalfReadDocument) {
  for (bool brokenBackup : {false, true}) {
    QFile::remove(FFile + QStringLiteral(".bak"));
    if (brokenBackup) {
      ASSERT_TRUE(VnTestWriteBytes(FFile + QStringLiteral(".bak"), "<options><dialogs>"));
    }
    // Parsing stops after the setting; it must not be taken from the broken file.
    ASSERT_TRUE(VnTestWriteBytes(FFile, "<options><dialogs><last_tip>12</last_tip></dialogs><grid"));
    TVnConfiguration config(FFile);
    config.LoadConfiguration();
    EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), -1) << brokenBackup;
    ASSERT_FALSE(FMessages.Shown().isEmpty());
    EXPECT_TRUE(FMessages.Shown().last().Text.contains(QStringLiteral("Default settings are used.")));
    EXPECT_STREQ(config.Document().document_element().name(), "options");
  }
}

TEST_F(VnConfigurationFile, SaveFailureNamesTheFileAndKeepsTheOldOne) {
  TVnConfiguration config(FFile);
  config.Dialogs().SetInt(TVnConfigIntKey::LastTip, 3);
  config.SaveConfiguration();
  const QByteArray before = VnTestReadBytes(FFile);

  // A disk that fills up half way: writes beyond a few bytes fail.
  config.Dialogs().SetFindItems(QStringList(50, QStringLiteral("a longer find history entry")));
  {
    TVnFileSizeLimit full(64);
    try {
      config.SaveConfiguration();
      ADD_FAILURE() << "saved on a full disk";
    } catch (const EVnError &e) {
      EXPECT_TRUE(e.Message().contains(FFile)) << e.what();
    }
  }
  EXPECT_EQ(VnTestReadBytes(FFile), before);
}

TEST_F(VnConfigurationFile, UnreadableFileIsLeftAloneAndNotSavedOver) {
  QDir().mkpath(FFile); // exists, but cannot be read as a file
  ASSERT_TRUE(VnTestWriteBytes(FFile + QStringLiteral(".bak"),
                               "<options><dialogs><last_tip>5</last_tip></dialogs></options>"));
  TVnConfiguration config(FFile);
  config.LoadConfiguration();
  EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), 5);
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_TRUE(FMessages.Shown()[0].Text.contains(QStringLiteral("will not be saved")));
  EXPECT_NO_THROW(config.SaveConfiguration());
  EXPECT_TRUE(QFileInfo(FFile).isDir());
  EXPECT_FALSE(QFileInfo::exists(FFile + QStringLiteral(".broken")));
}

TEST_F(VnConfigurationFile, ADocumentOfAnotherKindIsNotTakenForSettings) {
  ASSERT_TRUE(VnTestWriteBytes(FFile + QStringLiteral(".bak"), "<options><dialogs><last_tip>5</last_tip></dialogs></options>"));
  ASSERT_TRUE(VnTestWriteBytes(FFile, "<xml><targets/><dialogs><last_tip>9</last_tip></dialogs></xml>"));
  TVnConfiguration config(FFile);
  config.LoadConfiguration();
  EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), 5);
  EXPECT_STREQ(config.Document().document_element().name(), "options");
  EXPECT_TRUE(QFileInfo::exists(FFile + QStringLiteral(".broken")));
  EXPECT_TRUE(VnTestReadBytes(FFile + QStringLiteral(".bak")).contains("<last_tip>5</last_tip>"));
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_TRUE(FMessages.Shown()[0].Text.contains(QStringLiteral("its root element is \"xml\"")));
}

TEST_F(VnConfigurationFile, AKeyReadFromTheWrongSectionIsAnError) {
  TVnConfiguration config(FFile);
  EXPECT_THROW(config.Grid().GetBool(TVnConfigBoolKey::Tips), EVnAssertion);
  EXPECT_THROW(config.Dialogs().SetInt(TVnConfigIntKey::MaxReportFiles, 1), EVnAssertion);
  EXPECT_FALSE(config.Grid().GetSectionNode().child("tips"));
}

TEST_F(VnConfigurationFile, ReadOnlyLoadingTouchesNoFile) {
  ASSERT_TRUE(VnTestWriteBytes(FFile, "<options><dialogs><last_tip>4</last_tip></dialogs></options>"));
  TVnConfiguration config(FFile);
  config.LoadConfigurationReadOnly();
  EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), 4);
  config.Dialogs().SetInt(TVnConfigIntKey::LastTip, 9);
  config.SaveConfiguration();
  EXPECT_EQ(VnTestReadBytes(FFile), QByteArray("<options><dialogs><last_tip>4</last_tip></dialogs></options>"));
  EXPECT_FALSE(QFileInfo::exists(config.BackupFileName()));

  ASSERT_TRUE(VnTestWriteBytes(FFile, "<options><dial"));
  config.LoadConfigurationReadOnly();
  EXPECT_EQ(config.Dialogs().GetInt(TVnConfigIntKey::LastTip), -1);
  EXPECT_FALSE(QFileInfo::exists(FFile + QStringLiteral(".broken")));
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST(VnConfigLocation, EnvironmentOverridesTheLocation) {
  const QByteArray saved = qgetenv("VANTRIA_CONFIG");
  qputenv("VANTRIA_CONFIG", "/tmp/elsewhere/settings.vno");
  EXPECT_EQ(VnDefaultConfigFileName(), QStringLiteral("/tmp/elsewhere/settings.vno"));
  qunsetenv("VANTRIA_CONFIG");
  EXPECT_TRUE(VnDefaultConfigFileName().endsWith(QStringLiteral("/vantria/vantriadesk.vno")));
  qputenv("VANTRIA_CONFIG", saved);
}

} // namespace
