#include "config/VnConfiguration.h"

#include "core/VnXml.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VnConfigSections : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  TVnConfiguration FConfig{FDir.filePath(QStringLiteral("vantriadesk.vno"))};

  pugi::xml_node Root() { return FConfig.Document().document_element(); }
};

TEST_F(VnConfigSections, SectionsAreRootChildrenFoundByName) {
  const char *names[] = {"environment", "tree", "projects", "grid", "importers", "rulesset",
                         "translations", "dialogs", "visualeditors", "tm",
                         "project_integrity_check", "validation_settings", "productivity_expert",
                         "batch_lang_copy", "batch_translation_settings"};
  TVnConfigSection *sections[] = {
      &FConfig.Environment(), &FConfig.Tree(), &FConfig.Projects(), &FConfig.Grid(),
      &FConfig.Importers(), &FConfig.SegmentRules(), &FConfig.Translations(), &FConfig.Dialogs(),
      &FConfig.VisEditors(), &FConfig.TM(), &FConfig.ProjectCheck(), &FConfig.Validation(),
      &FConfig.Productivity(), &FConfig.BatchLangCopy(), &FConfig.BatchTranslation()};
  ASSERT_EQ(std::size(names), std::size(sections));
  EXPECT_STREQ(Root().name(), "options");
  for (std::size_t i = 0; i < std::size(names); ++i) {
    pugi::xml_node node = sections[i]->GetSectionNode();
    EXPECT_STREQ(node.name(), names[i]);
    EXPECT_EQ(node.parent(), Root());
    EXPECT_EQ(sections[i]->GetSectionNode(), node) << "found again, not created twice";
  }
}

TEST_F(VnConfigSections, GenericKeysReadDefaultsAndCreateTheirElement) {
  const struct {
    TVnConfigBoolKey key;
    TVnConfigSection &section;
    bool expected;
  } bools[] = {
      {TVnConfigBoolKey::Tips, FConfig.Dialogs(), true},
      {TVnConfigBoolKey::NativeIfFatal, FConfig.Validation(), false},
      {TVnConfigBoolKey::CreateBackups, FConfig.Environment(), true},
      {TVnConfigBoolKey::CheckSerbian, FConfig.ProjectCheck(), false},
      {TVnConfigBoolKey::BatchLangCopyActive, FConfig.BatchLangCopy(), false},
      {TVnConfigBoolKey::StopOnFatal, FConfig.BatchTranslation(), true},
      {TVnConfigBoolKey::AutoTranslate, FConfig.Productivity(), true},
  };
  for (const auto &c : bools) {
    EXPECT_EQ(c.section.GetBool(c.key), c.expected) << VnKeyInfo(c.key).Name;
    EXPECT_TRUE(c.section.GetSectionNode().child(VnKeyInfo(c.key).Name)) << VnKeyInfo(c.key).Name;
  }
  EXPECT_EQ(FConfig.Dialogs().GetInt(TVnConfigIntKey::LastTip), -1);
  EXPECT_EQ(FConfig.Importers().GetInt(TVnConfigIntKey::RowCommentsPriority), 1);
  EXPECT_EQ(FConfig.BatchLangCopy().GetInt(TVnConfigIntKey::TransStatus), -1);
  EXPECT_STREQ(Root().child("batch_lang_copy").child("active").child_value(), "");
}

TEST_F(VnConfigSections, EveryKeyBelongsToAKnownSectionWithAUniqueName) {
  QSet<QString> sectionNames;
  for (TVnConfigSection *s : std::initializer_list<TVnConfigSection *>{
           &FConfig.Environment(), &FConfig.Tree(), &FConfig.Projects(), &FConfig.Grid(),
           &FConfig.Importers(), &FConfig.SegmentRules(), &FConfig.Translations(),
           &FConfig.Dialogs(), &FConfig.VisEditors(), &FConfig.TM(), &FConfig.ProjectCheck(),
           &FConfig.Validation(), &FConfig.Productivity(), &FConfig.BatchLangCopy(),
           &FConfig.BatchTranslation()})
    sectionNames.insert(QString::fromLatin1(s->ElementName()));
  QSet<QString> keyNames;
  auto check = [&](const auto &info) {
    EXPECT_TRUE(sectionNames.contains(QString::fromLatin1(info.Section))) << info.Name;
    const QString where = QStringLiteral("%1/%2").arg(QLatin1String(info.Section), QLatin1String(info.Name));
    EXPECT_FALSE(keyNames.contains(where)) << info.Name;
    keyNames.insert(where);
  };
  for (int i = 0; i < VnBoolKeyCount(); ++i)
    check(VnKeyInfo(TVnConfigBoolKey(i)));
  for (int i = 0; i < VnIntKeyCount(); ++i)
    check(VnKeyInfo(TVnConfigIntKey(i)));
  EXPECT_EQ(keyNames.size(), 42);
}

TEST_F(VnConfigSections, MaximizedWindowKeepsItsNormalBounds) {
  TVnConfigEnvironment &env = FConfig.Environment();
  env.SaveMainWindow({10, 20, 800, 600, TVnWindowState::Normal});
  env.SaveMainWindow({0, 0, 1920, 1080, TVnWindowState::Maximized});
  pugi::xml_node node = env.GetSectionNode();
  EXPECT_STREQ(node.attribute("width").value(), "800");
  EXPECT_STREQ(node.attribute("windowstate").value(), "2");

  const TVnWindowGeometry current{1, 2, 3, 4, TVnWindowState::Normal};
  EXPECT_EQ(env.RestoreMainWindow(current), (TVnWindowGeometry{10, 20, 800, 600, TVnWindowState::Maximized}));

  TVnConfiguration fresh(FDir.filePath(QStringLiteral("other.vno")));
  EXPECT_EQ(fresh.Environment().RestoreMainWindow(current), current);
  VnXmlSetAttr(fresh.Environment().GetSectionNode(), "windowstate", u"7");
  EXPECT_EQ(fresh.Environment().GetWindowState(TVnWindowState::Normal), TVnWindowState::Normal);
}

TEST_F(VnConfigSections, ToolbarEntriesAreCreatedWithTheirIndex) {
  TVnConfigEnvironment &env = FConfig.Environment();
  EXPECT_EQ(env.GetToolbarLeft(2, 55), 55);
  env.SetToolbarLeft(0, 120);
  EXPECT_EQ(env.GetToolbarLeft(0, 55), 120);
  EXPECT_EQ(env.GetToolbarLeft(2, 55), 55);
  pugi::xml_node toolbars = env.GetSectionNode().child("toolbars");
  EXPECT_EQ(std::distance(toolbars.children("toolbar").begin(), toolbars.children("toolbar").end()), 2);
  EXPECT_STREQ(toolbars.find_child_by_attribute("toolbar", "no", "0").child_value(), "120");
}

TEST_F(VnConfigSections, RecentProjectsKeepTheirOrderAndAreReplacedWhole) {
  TVnConfigProjects &projects = FConfig.Projects();
  EXPECT_TRUE(projects.GetRecentProjects().isEmpty());
  const QStringList first{QStringLiteral("/p/newest.v7p"), QStringLiteral("C:\\old & <odd>.v7p")};
  projects.SetRecentProjects(first);
  EXPECT_EQ(projects.GetRecentProjects(), first);
  projects.SetRecentProjects({QStringLiteral("/p/only.v7p")});
  EXPECT_EQ(projects.GetRecentProjects(), QStringList{QStringLiteral("/p/only.v7p")});

  EXPECT_EQ(projects.GetLastPath(TVnLastPath::Exported), QString());
  projects.SetLastPath(TVnLastPath::Exchanged, QStringLiteral("/x/y"));
  EXPECT_STREQ(projects.GetSectionNode().attribute("last_exchanged").value(), "/x/y");
  EXPECT_EQ(projects.GetLastPath(TVnLastPath::Exchanged), QStringLiteral("/x/y"));
}

TEST_F(VnConfigSections, GridColumnsDefaultToNativeAndTranslationOnly) {
  TVnConfigGrid &grid = FConfig.Grid();
  const bool expected[] = {false, true, true, false, false};
  for (int column = 0; column < 5; ++column)
    EXPECT_EQ(grid.GetColumnVisible(column), expected[column]) << column;
  EXPECT_EQ(grid.GetColumnWidth(3, 140), 140);
  grid.SetColumnVisible(3, true);
  grid.SetColumnWidth(3, 90);
  EXPECT_TRUE(grid.GetColumnVisible(3));
  EXPECT_EQ(grid.GetColumnWidth(3, 140), 90);
  EXPECT_FALSE(grid.GetFont().has_value());
  EXPECT_TRUE(grid.GetShowRemoved());
}

TEST_F(VnConfigSections, OptionalValuesAreNotCreatedByReading) {
  TVnConfigTranslations &translations = FConfig.Translations();
  EXPECT_FALSE(translations.GetOverrideProjectLangs());
  EXPECT_EQ(translations.GetImportersSourceLang(), QString());
  EXPECT_EQ(FConfig.BatchLangCopy().GetSourceLang(), QString());
  EXPECT_EQ(FConfig.BatchLangCopy().GetTargetLang(), QString());
  for (const char *name : {"override_project_langs", "importers_source_lang"})
    EXPECT_FALSE(translations.GetSectionNode().child(name)) << name;
  EXPECT_FALSE(FConfig.BatchLangCopy().GetSectionNode().first_child());

  translations.SetImportersSourceLang(QStringLiteral("en_US"));
  FConfig.BatchLangCopy().SetTargetLang(QStringLiteral("sr_RS.lat"));
  EXPECT_EQ(translations.GetImportersSourceLang(), QStringLiteral("en_US"));
  EXPECT_EQ(FConfig.BatchLangCopy().GetTargetLang(), QStringLiteral("sr_RS.lat"));

  VnXmlSetText(VnXmlEnsureChild(translations.GetSectionNode(), "override_project_langs"), u"yes");
  EXPECT_TRUE(translations.GetOverrideProjectLangs());
}

TEST_F(VnConfigSections, TranslationsAndDialogsDefaults) {
  TVnConfigTranslations &translations = FConfig.Translations();
  EXPECT_EQ(translations.GetOverwriteTranslations(), TVnOverwriteTranslations::OnlyEmpty);
  EXPECT_TRUE(translations.GetUseCountryNeutral());
  VnXmlSetText(translations.GetSectionNode().child("overwrite_translations"), u"9");
  EXPECT_EQ(translations.GetOverwriteTranslations(), TVnOverwriteTranslations::OnlyEmpty);
  translations.SetOverwriteTranslations(TVnOverwriteTranslations::Never);
  EXPECT_EQ(translations.GetOverwriteTranslations(), TVnOverwriteTranslations::Never);

  TVnConfigDialogs &dialogs = FConfig.Dialogs();
  EXPECT_TRUE(dialogs.GetPostBuild());
  EXPECT_TRUE(dialogs.GetShowStartup());
  EXPECT_FALSE(dialogs.GetStartupSingleClick());
  EXPECT_TRUE(dialogs.GetHideMenu());
  dialogs.SetShowStartup(false);
  dialogs.SetStartupSingleClick(true);
  pugi::xml_node startup = dialogs.GetSectionNode().child("startup");
  EXPECT_STREQ(startup.child_value(), "False");
  EXPECT_STREQ(startup.attribute("single_click").value(), "True");
  EXPECT_FALSE(dialogs.GetShowStartup());
  EXPECT_TRUE(dialogs.GetHideMenu());
}

TEST_F(VnConfigSections, DisabledEditorsAreFoundAtAnyDepth) {
  pugi::xml_node section = FConfig.VisEditors().GetSectionNode();
  VnXmlSetAttr(section.append_child("disableeditor"), "name", u"FormEditor");
  VnXmlSetAttr(section.append_child("group").append_child("disableeditor"), "name", u"DialogEditor");
  const struct {
    const char *file;
    bool enabled;
  } cases[] = {{"FormEditor.so", false}, {"formeditor", false}, {"DialogEditor.so", false},
               {"MenuEditor.so", true},  {"FormEditorX.so", true}};
  for (const auto &c : cases)
    EXPECT_EQ(FConfig.VisEditors().IsEditorEnabled(QString::fromLatin1(c.file)), c.enabled) << c.file;
}

} // namespace
