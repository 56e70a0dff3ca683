#include "config/VnConfiguration.h"

#include "core/VnError.h"
#include "core/VnFolders.h"
#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Rules whose default severity is fatal; rule 0 is off, every other rule normal.
const int kFatalRules[] = {1, 2, 3, 15, 17, 23, 24, 25, 30, 34};

int ExpectedDefault(int rule) {
  if (rule == 0)
    return 0;
  return std::find(std::begin(kFatalRules), std::end(kFatalRules), rule) != std::end(kFatalRules) ? 2 : 1;
}

class VnConfigValidationTest : public ::testing::Test {
protected:
  VnConfigValidationTest() {
    // The default template is looked for in a documents folder of our own.
    FOldDocuments = qgetenv("VANTRIA_DOCUMENTS");
    qputenv("VANTRIA_DOCUMENTS", FDocuments.path().toUtf8());
  }
  ~VnConfigValidationTest() override { qputenv("VANTRIA_DOCUMENTS", FOldDocuments); }

  QString Path(const char *name) const { return FDir.filePath(QLatin1String(name)); }
  QString ConfigFile() const { return Path("vantriadesk.vno"); }

  std::unique_ptr<TVnConfiguration> Load() {
    auto config = std::make_unique<TVnConfiguration>(ConfigFile());
    config->LoadConfiguration();
    return config;
  }

  void WriteTemplate(const QByteArray &xml) {
    ASSERT_TRUE(QDir().mkpath(UserDocumentsFolder() + QStringLiteral("Templates")));
    ASSERT_TRUE(VnTestWriteBytes(UserDocumentsFolder() + QStringLiteral("Templates/Default.validationsettings"), xml));
  }

  static pugi::xml_node Item(pugi::xml_node section, const char *rule) {
    return section.child("severity_set").find_child_by_attribute("item", "index_rule", rule);
  }

  QTemporaryDir FDir;
  QTemporaryDir FDocuments;
  QByteArray FOldDocuments;
};

TEST_F(VnConfigValidationTest, AFreshStoreHoldsTheDefaultOfEveryRule) {
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  pugi::xml_node section = config->Document().document_element().child("validation_settings");
  ASSERT_TRUE(section) << "created when the configuration is loaded";
  EXPECT_STREQ(section.attribute("no_error_status").value(), "-1");
  EXPECT_STREQ(section.attribute("error_status").value(), "-1");
  int items = 0;
  for ([[maybe_unused]] pugi::xml_node item : section.child("severity_set").children("item"))
    ++items;
  EXPECT_EQ(items, 37);
  for (int rule = 0; rule < VnValidationRuleCount; ++rule) {
    const char *name = VnValidationRuleKey(rule).Name;
    EXPECT_EQ(validation.GetSeverity(rule), ExpectedDefault(rule)) << name;
    EXPECT_EQ(validation.GetTimeFix(rule), 30) << name;
    EXPECT_EQ(Item(section, name).attribute("severity").as_int(-9), ExpectedDefault(rule)) << name;
  }
  EXPECT_EQ(validation.CharSetCount(), 0);
  EXPECT_TRUE(validation.GetEnableLengthCheck());
  EXPECT_EQ(validation.GetLengthCheckPercent(), 20);
  EXPECT_TRUE(validation.GetBool(TVnConfigBoolKey::ValidateBuild));
  EXPECT_FALSE(validation.GetBool(TVnConfigBoolKey::NativeIfFatal));
}

TEST_F(VnConfigValidationTest, MissingOrUnreadableSeveritiesTakeTheDefault) {
  ASSERT_TRUE(VnTestWriteBytes(ConfigFile(), "<options><validation_settings><severity_set>"
                                             "<item index_rule=\"CFormat\" severity=\"x\"/>"
                                             "<item index_rule=\"MissColon\" severity=\"7\" time_fix=\"bad\"/>"
                                             "<item index_rule=\"MissPeriod\" severity=\"0\" time_fix=\"90\"/>"
                                             "</severity_set></validation_settings></options>"));
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  EXPECT_EQ(validation.GetSeverity(1), 2) << "unreadable";
  EXPECT_EQ(validation.GetSeverity(9), 1) << "not a severity";
  EXPECT_EQ(validation.GetTimeFix(9), 30);
  EXPECT_EQ(validation.GetSeverity(10), 0);
  EXPECT_EQ(validation.GetTimeFix(10), 90);
  EXPECT_EQ(validation.GetSeverity(0), 0) << "no item";
  EXPECT_EQ(validation.GetSeverity(3), 2) << "no item";
  EXPECT_FALSE(Item(validation.GetSectionNode(), "MissTranslation")) << "reading creates no item";

  validation.SetSeverity(3, 0);
  validation.SetTimeFix(3, 5);
  EXPECT_EQ(validation.GetSeverity(3), 0);
  EXPECT_STREQ(Item(validation.GetSectionNode(), "AmountPlaceholders").attribute("time_fix").value(), "5");
}

TEST_F(VnConfigValidationTest, RuleIndexOutsideTheTableIsAnAssertion) {
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  for (int rule : {-1, 37}) {
    EXPECT_THROW(validation.GetSeverity(rule), EVnAssertion) << rule;
    EXPECT_THROW(validation.SetSeverity(rule, 1), EVnAssertion) << rule;
    EXPECT_THROW(validation.GetTimeFix(rule), EVnAssertion) << rule;
    EXPECT_THROW(validation.SetTimeFix(rule, 1), EVnAssertion) << rule;
  }
  try {
    validation.GetSeverity(37);
  } catch (const EVnAssertion &e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("Get invalid severity: 37"))) << e.Message().toStdString();
  }
  EXPECT_THROW(validation.SetSeverity(0, 3), EVnAssertion);
}

TEST_F(VnConfigValidationTest, LoadingForgetsSeveritiesCachedFromTheDocumentBefore) {
  ASSERT_TRUE(VnTestWriteBytes(ConfigFile(), "<options><validation_settings><severity_set>"
                                             "<item index_rule=\"CFormat\" severity=\"0\"/>"
                                             "</severity_set></validation_settings></options>"));
  TVnConfiguration config(ConfigFile());
  EXPECT_EQ(config.Validation().GetSeverity(1), 2); // read before the file was loaded
  config.LoadConfiguration();
  EXPECT_EQ(config.Validation().GetSeverity(1), 0);
}

TEST_F(VnConfigValidationTest, SymbolEditsReachTheFileWhenTheStoreIsSaved) {
  {
    auto config = Load();
    TVnConfigValidation &validation = config->Validation();
    validation.AddCharSet(QStringLiteral("(c)"));
    validation.AddCharSet(QStringLiteral("TM"));
    validation.SetCharSetChecked(1, true);
    config->SaveConfiguration();
  }
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  ASSERT_EQ(validation.CharSetCount(), 2);
  EXPECT_FALSE(validation.CharSetChecked(0)) << "an added entry is unchecked";
  EXPECT_TRUE(validation.CharSetChecked(1));

  // A changed text is held in memory; saving the running store writes it.
  validation.SetCharSetText(0, QStringLiteral("\u00A9 & <sign>"));
  validation.DeleteCharSet(1);
  config->SaveConfiguration();
  pugi::xml_document saved;
  VnXmlLoadFile(saved, ConfigFile());
  pugi::xml_node set = saved.child("options").child("validation_settings").child("character_set");
  ASSERT_TRUE(set.child("item"));
  EXPECT_EQ(VnXmlText(set.child("item")), QStringLiteral("\u00A9 & <sign>"));
  EXPECT_STREQ(set.child("item").attribute("checked").value(), "0");
  EXPECT_FALSE(set.child("item").next_sibling("item")) << "the deleted entry is gone";
}

TEST_F(VnConfigValidationTest, SymbolRequestsBeyondTheListAreIgnored) {
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  validation.AddCharSet(QStringLiteral("x"));
  for (int index : {-1, 1, 5}) {
    validation.SetCharSetText(index, QStringLiteral("y"));
    validation.SetCharSetChecked(index, true);
    validation.DeleteCharSet(index);
    EXPECT_EQ(validation.CharSetText(index), QString());
    EXPECT_FALSE(validation.CharSetChecked(index));
  }
  EXPECT_EQ(validation.CharSetCount(), 1);
  EXPECT_EQ(validation.CharSetText(0), QStringLiteral("x"));
  int items = 0;
  for ([[maybe_unused]] pugi::xml_node item : validation.GetSectionNode().child("character_set").children())
    ++items;
  EXPECT_EQ(items, 1);
}

TEST_F(VnConfigValidationTest, ReplacingFromAnElementRefreshesSeveritiesAndSymbols) {
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  EXPECT_EQ(validation.GetSeverity(1), 2); // now cached
  validation.AddCharSet(QStringLiteral("old"));

  // Typical use: a dialog edits a copy of the section and puts it back.
  pugi::xml_document copy;
  pugi::xml_node element = copy.append_copy(validation.GetSectionNode());
  Item(element, "CFormat").attribute("severity").set_value("0");
  pugi::xml_node set = element.child("character_set");
  set.remove_child(set.first_child());
  set.append_child("item").append_child(pugi::node_pcdata).set_value("new");
  validation.ReplaceFrom(element);

  EXPECT_EQ(validation.GetSeverity(1), 0);
  ASSERT_EQ(validation.CharSetCount(), 1);
  EXPECT_EQ(validation.CharSetText(0), QStringLiteral("new"));
  EXPECT_TRUE(validation.CharSetChecked(0)) << "checked by default";

  // Replacing the section by a part of itself works too.
  validation.ReplaceFrom(validation.GetSectionNode());
  EXPECT_EQ(validation.GetSeverity(1), 0);
  EXPECT_EQ(validation.CharSetCount(), 1);
}

TEST_F(VnConfigValidationTest, ImportKeepsStatusesAndBuildSwitchAndCompletesMissingRules) {
  const QString file = Path("rules.validationsettings");
  ASSERT_TRUE(VnTestWriteBytes(file, "<validation_settings description=\"Strict\" no_error_status=\"3\" error_status=\"0\">"
                                     "<severity_set><item index_rule=\"MissTranslation\" severity=\"2\" time_fix=\"60\"/>"
                                     "<item index_rule=\"CFormat\" severity=\"?\"/></severity_set>"
                                     "<character_set><item checked=\"0\">%</item><item>$</item></character_set>"
                                     "<validatebuild>False</validatebuild><length_check_percent>50</length_check_percent>"
                                     "</validation_settings>"));
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  validation.SetNoErrorStatus(4);
  validation.SetErrorStatus(1);
  validation.SetBool(TVnConfigBoolKey::ValidateBuild, true);
  validation.SetSeverity(5, 0);
  validation.AddCharSet(QStringLiteral("pending"));

  validation.ImportSettings(file);
  EXPECT_EQ(validation.GetNoErrorStatus(), 4);
  EXPECT_EQ(validation.GetErrorStatus(), 1);
  EXPECT_TRUE(validation.GetBool(TVnConfigBoolKey::ValidateBuild));
  EXPECT_EQ(validation.GetSeverity(0), 2);
  EXPECT_EQ(validation.GetTimeFix(0), 60);
  EXPECT_EQ(validation.GetSeverity(1), 2) << "unreadable in the file: the default";
  EXPECT_EQ(validation.GetSeverity(5), 1) << "missing from the file: normal";
  EXPECT_EQ(validation.GetSeverity(2), 1) << "missing from the file: normal, not the default";
  EXPECT_EQ(validation.GetTimeFix(5), 30);
  EXPECT_TRUE(Item(validation.GetSectionNode(), "MissLinefeed")) << "missing rules are added";
  EXPECT_EQ(validation.GetLengthCheckPercent(), 50);
  ASSERT_EQ(validation.CharSetCount(), 2);
  EXPECT_EQ(validation.CharSetText(0), QStringLiteral("%"));
  EXPECT_FALSE(validation.CharSetChecked(0));
  EXPECT_TRUE(validation.CharSetChecked(1));
}

TEST_F(VnConfigValidationTest, ImportOfAnUnusableFileChangesNothing) {
  const QString notXml = Path("broken.validationsettings");
  const QString project = Path("project.validationsettings");
  ASSERT_TRUE(VnTestWriteBytes(notXml, "<validation_settings><severity_set>"));
  ASSERT_TRUE(VnTestWriteBytes(project, "<xml><targets/></xml>"));
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  validation.SetSeverity(4, 2);
  validation.AddCharSet(QStringLiteral("kept"));
  for (const QString &file : {notXml, project, Path("missing.validationsettings")}) {
    EXPECT_THROW(validation.ImportSettings(file), EVnError) << file.toStdString();
    EXPECT_EQ(validation.GetSeverity(4), 2);
    EXPECT_EQ(validation.CharSetCount(), 1);
    EXPECT_TRUE(Item(validation.GetSectionNode(), "OrderPlaceholders"));
  }
}

TEST_F(VnConfigValidationTest, ExportedSettingsImportBackWithUnsavedSymbols) {
  const QString file = Path("mine.validationsettings");
  {
    auto config = Load();
    TVnConfigValidation &validation = config->Validation();
    validation.SetSeverity(7, 2);
    validation.SetTimeFix(7, 12);
    validation.AddCharSet(QStringLiteral("\u2122"));
    validation.SetCharSetText(0, QStringLiteral("\u00AE"));
    validation.SetEnableLengthCheck(false);
    validation.ExportSettings(file);
  }
  const QByteArray bytes = VnTestReadBytes(file);
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<validation_settings"));
  EXPECT_TRUE(bytes.contains("\r\n  <severity_set>")) << "indented";

  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  validation.ImportSettings(file);
  EXPECT_EQ(validation.GetSeverity(7), 2);
  EXPECT_EQ(validation.GetTimeFix(7), 12);
  ASSERT_EQ(validation.CharSetCount(), 1);
  EXPECT_EQ(validation.CharSetText(0), QStringLiteral("\u00AE"));
  EXPECT_FALSE(validation.GetEnableLengthCheck());
}

TEST_F(VnConfigValidationTest, ResetUsesTheUsersDefaultTemplateWhenThereIsOne) {
  auto config = Load();
  TVnConfigValidation &validation = config->Validation();
  validation.SetSeverity(1, 0);
  validation.SetErrorStatus(2);
  validation.AddCharSet(QStringLiteral("gone"));
  validation.ResetToDefaults();
  EXPECT_EQ(validation.GetSeverity(1), 2);
  EXPECT_EQ(validation.GetErrorStatus(), -1);
  EXPECT_EQ(validation.CharSetCount(), 0);
  EXPECT_FALSE(validation.GetSectionNode().child("character_set").first_child());

  WriteTemplate("<validation_settings><severity_set><item index_rule=\"CFormat\" severity=\"1\"/></severity_set>"
                "<character_set><item>@</item></character_set></validation_settings>");
  validation.SetErrorStatus(2);
  validation.ResetToDefaults();
  EXPECT_EQ(validation.GetSeverity(1), 1);
  EXPECT_EQ(validation.GetSeverity(0), 1) << "rules the template lacks are normal";
  EXPECT_EQ(validation.GetErrorStatus(), 2) << "imported: the status stays";
  ASSERT_EQ(validation.CharSetCount(), 1);
  EXPECT_EQ(validation.CharSetText(0), QStringLiteral("@"));

  // A fresh configuration starts from the template too.
  QFile::remove(ConfigFile());
  EXPECT_EQ(Load()->Validation().GetSeverity(1), 1);
}

TEST_F(VnConfigValidationTest, ABrokenDefaultTemplateFallsBackToTheBuiltInDefaults) {
  WriteTemplate("<validation_settings><severity_set>");
  auto config = Load(); // must not throw
  TVnConfigValidation &validation = config->Validation();
  EXPECT_EQ(validation.GetSeverity(1), 2);
  EXPECT_EQ(validation.GetSeverity(0), 0);
  EXPECT_TRUE(Item(validation.GetSectionNode(), "MissLinefeed"));
}

TEST_F(VnConfigValidationTest, SegmentRulesAreAddressedByPosition) {
  auto config = Load();
  TVnConfigSegmentRules &rules = config->SegmentRules();
  EXPECT_EQ(rules.RuleCount(), 0);
  const TVnSegmentRule a{2, QStringLiteral(". "), false}, b{1, QStringLiteral("CRLF"), true},
      c{3, QStringLiteral("<\"tag\">"), true};
  rules.AddRule(a);
  rules.AddRule(b);
  rules.AddRule(c);
  ASSERT_EQ(rules.RuleCount(), 3);
  EXPECT_EQ(rules.GetRule(1), b);
  EXPECT_STREQ(rules.GetSectionNode().child("rule").next_sibling().attribute("casesensitive").value(), "-1");
  rules.ChangeRule(0, c);
  rules.DeleteRule(1);
  ASSERT_EQ(rules.RuleCount(), 2);
  EXPECT_EQ(rules.GetRule(0), c);
  EXPECT_EQ(rules.GetRule(1), c);
  for (int index : {-1, 2})
    EXPECT_THROW(rules.GetRule(index), EVnAssertion) << index;
  EXPECT_THROW(rules.DeleteRule(2), EVnAssertion);
  rules.ClearRules();
  EXPECT_EQ(rules.RuleCount(), 0);
}

TEST_F(VnConfigValidationTest, SegmentRulesFileReplacesTheRules) {
  const QString file = Path("mine.segrules");
  auto config = Load();
  TVnConfigSegmentRules &rules = config->SegmentRules();
  rules.AddRule({0, QStringLiteral("&amp; \u00E9"), true});
  rules.AddRule({2, QStringLiteral("TAB"), false});
  rules.ExportRules(file);
  rules.ClearRules();
  rules.AddRule({1, QStringLiteral("other"), false});
  rules.ImportRules(file);
  ASSERT_EQ(rules.RuleCount(), 2);
  EXPECT_EQ(rules.GetRule(0), (TVnSegmentRule{0, QStringLiteral("&amp; \u00E9"), true}));
  EXPECT_EQ(rules.GetRule(1), (TVnSegmentRule{2, QStringLiteral("TAB"), false}));
  EXPECT_TRUE(VnTestReadBytes(file).contains("\r\n  <rule ")) << "indented";

  // Neither a broken file nor one of another kind touches the rules.
  const QString other = Path("other.segrules");
  ASSERT_TRUE(VnTestWriteBytes(other, "<options><rule mode=\"1\"/></options>"));
  EXPECT_THROW(rules.ImportRules(other), EVnError);
  ASSERT_TRUE(VnTestWriteBytes(other, "<rulesset><rule"));
  EXPECT_THROW(rules.ImportRules(other), EVnError);
  EXPECT_EQ(rules.RuleCount(), 2);
}

TEST_F(VnConfigValidationTest, TheShippedSampleRulesLoad) {
  const QString sample = SharedApplicationFolder() + QStringLiteral("templates/sentences.segrules");
  auto config = Load();
  TVnConfigSegmentRules &rules = config->SegmentRules();
  rules.ImportRules(sample);
  ASSERT_EQ(rules.RuleCount(), 4);
  EXPECT_EQ(rules.GetRule(0), (TVnSegmentRule{2, QStringLiteral(". "), false}));
  EXPECT_EQ(rules.GetRule(3), (TVnSegmentRule{1, QStringLiteral("CRLF"), false}));
  // Written back, it is the same file: the sample is in the program's own layout.
  rules.ExportRules(Path("again.segrules"));
  EXPECT_EQ(VnTestReadBytes(Path("again.segrules")), VnTestReadBytes(sample));
}

TEST_F(VnConfigValidationTest, MemoriesSaveCheckedAndReadyRowsByDefault) {
  auto config = Load();
  TVnConfigTM &tm = config->TM();
  const bool defaults[] = {false, false, false, true, true};
  for (int status = 0; status < VnSaveStatusCount; ++status)
    EXPECT_EQ(tm.GetSaveStatus(status), defaults[status]) << status;
  EXPECT_TRUE(tm.GetSectionNode().child("save_statuses").child("qaed"));
  EXPECT_EQ(tm.GetLiveIndex(), -1);
  EXPECT_THROW(tm.GetSaveStatus(5), EVnAssertion);
  EXPECT_THROW(tm.SetSaveStatus(-1, true), EVnAssertion);
}

} // namespace
