#include "VnUiFixture.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnHelp.h"
#include "ui/VnMainForm.h"
#include "ui/VnOptionsForm.h"

#include "core/VnFolders.h"
#include "core/VnXmlWriter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Every check box of the dialog: its name, whether it is shown, and its check
// state for a store in which each of these settings is at its default.
const struct {
  const char *Name;
  bool Shown;
  bool Default;
} kChecks[] = {
    {"create_backups", true, true},
    {"project_logging", true, true},
    {"disabled_after_error", false, true},
    {"allow_clear_rowstatus", false, false},
    {"startup", true, true},
    {"single_click", true, false},
    {"hide_menu", true, true},
    {"tips", true, true},
    {"download_tips", true, true},
    {"post_build", true, true},
    {"descriptions_prompting", true, true},
    {"scanner_dialog_close_self", true, false},
    {"batch_dialog_close_self", false, false},
    {"show_removed", true, true},
    {"unprintable_chars", true, false},
    {"simple_navigation", true, false},
    {"switch_lang_by_columns", false, true},
    {"use_country_neutral", true, true},
    {"switch_imp_lang_mode", false, true}, // stored 0: the dialog is shown
    {"save_statuses_fuzzy", false, false},
    {"save_statuses_auto", false, false},
    {"save_statuses_translated", false, false},
    {"save_statuses_qaed", false, true},
    {"save_statuses_ready", false, true},
    {"check_onopen", true, true},
};

class VnOptionsFormTest : public VnUiTest {
protected:
  TVnConfiguration &Config() {
    if (!FConfig) {
      FConfig = std::make_unique<TVnConfiguration>(ConfigFile());
      FConfig->LoadConfiguration();
    }
    return *FConfig;
  }
  /// The store as the next start of the program reads it.
  std::unique_ptr<TVnConfiguration> Reloaded() {
    auto config = std::make_unique<TVnConfiguration>(ConfigFile());
    config->LoadConfiguration();
    return config;
  }
  template <typename T> static T *Control(const TVnOptionsForm &form, const char *name) {
    T *control = form.findChild<T *>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  static QDialogButtonBox *Buttons(const TVnOptionsForm &form) { return form.findChild<QDialogButtonBox *>(); }
};

TEST_F(VnOptionsFormTest, TheTreeChoosesThePageAndNamesItInTheTitle) {
  TVnOptionsForm form(Config());
  QTreeWidget *tree = form.PageTree();
  ASSERT_EQ(tree->topLevelItemCount(), 1) << "Tree, Validations and Visual editors are removed";
  QTreeWidgetItem *environment = tree->topLevelItem(0);
  EXPECT_EQ(environment->text(0), QStringLiteral("Environment"));
  QStringList pages;
  for (int i = 0; i < environment->childCount(); ++i)
    pages << environment->child(i)->text(0);
  EXPECT_EQ(pages, QStringList({"Settings", "Dialogs", "Grid", "Translations", "Translation Memory",
                                "Integrity Check"}));
  EXPECT_EQ(form.Title(), QStringLiteral("Environment - Settings"));
  EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("title"))->text(), QStringLiteral("Environment - Settings"));

  form.show();
  ASSERT_TRUE(form.SelectPage(QStringLiteral("Translation Memory")));
  EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("title"))->text(),
            QStringLiteral("Environment - Translation Memory"));
  EXPECT_TRUE(Control<QLabel>(form, "restart_note")->isVisible());
  EXPECT_EQ(Control<QLabel>(form, "restart_note")->text(),
            QStringLiteral("This setting takes effect after restart of Vantria."));
  EXPECT_FALSE(Control<QCheckBox>(form, "create_backups")->isVisible()) << "on another page";
  ASSERT_TRUE(form.SelectPage(QStringLiteral("Grid")));
  EXPECT_TRUE(Control<QCheckBox>(form, "show_removed")->isVisible());
  EXPECT_EQ(form.Title(), QStringLiteral("Environment - Grid"));
  EXPECT_FALSE(form.SelectPage(QStringLiteral("Validations")));
}

TEST_F(VnOptionsFormTest, ControlsShowTheStoredSettingsAndHiddenOnesStayHidden) {
  TVnOptionsForm defaults(Config());
  for (const auto &check : kChecks) {
    QCheckBox *box = Control<QCheckBox>(defaults, check.Name);
    EXPECT_EQ(box->isChecked(), check.Default) << check.Name;
    EXPECT_EQ(box->isHidden(), !check.Shown) << check.Name;
  }
  EXPECT_EQ(Control<QSpinBox>(defaults, "max_report_files")->maximum(), 1000);
  EXPECT_EQ(Control<QComboBox>(defaults, "overwrite_translations")->currentIndex(), 1);
  QListWidget *checks = Control<QListWidget>(defaults, "integrity_checks");
  ASSERT_EQ(checks->count(), 3);
  EXPECT_EQ(checks->item(1)->text(), QStringLiteral("Convert old Serbian language code (\"hr\") to new (\"sr\")"));
  const Qt::CheckState expected[] = {Qt::Checked, Qt::Unchecked, Qt::Checked};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(checks->item(i)->checkState(), expected[i]) << i;

  Config().Dialogs().SetInt(TVnConfigIntKey::SwitchImpLangMode, 1);
  Config().Environment().SetInt(TVnConfigIntKey::MaxReportFiles, 12);
  Config().Translations().SetOverwriteTranslations(TVnOverwriteTranslations::Never);
  Config().TM().SetSaveStatus(TVnSaveStatus::Fuzzy, true);
  TVnFont font;
  font.Name = QStringLiteral("DejaVu Serif");
  font.Size = 11;
  Config().Grid().SetFont(font);
  TVnOptionsForm stored(Config());
  EXPECT_FALSE(Control<QCheckBox>(stored, "switch_imp_lang_mode")->isChecked()) << "stored inverted";
  EXPECT_TRUE(Control<QCheckBox>(stored, "save_statuses_fuzzy")->isChecked());
  EXPECT_EQ(Control<QSpinBox>(stored, "max_report_files")->value(), 12);
  EXPECT_EQ(Control<QComboBox>(stored, "overwrite_translations")->currentIndex(), 2);
  EXPECT_EQ(Control<QLineEdit>(stored, "grid_font")->text(), QStringLiteral("DejaVu Serif, 11"));
}

TEST_F(VnOptionsFormTest, OkStoresEveryControlAndSavesTheFile) {
  TVnOptionsForm form(Config());
  for (const auto &check : kChecks)
    Control<QCheckBox>(form, check.Name)->setChecked(!check.Default);
  Control<QSpinBox>(form, "max_report_files")->setValue(7);
  Control<QComboBox>(form, "overwrite_translations")->setCurrentIndex(0);
  QListWidget *checks = Control<QListWidget>(form, "integrity_checks");
  for (int i = 0; i < checks->count(); ++i)
    checks->item(i)->setCheckState(checks->item(i)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  TVnFont chosen;
  chosen.Name = QStringLiteral("Mono Test");
  chosen.Size = 9;
  chosen.Bold = true;
  form.ChooseFont = [&](const TVnFont &) { return std::optional<TVnFont>(chosen); };
  Control<QPushButton>(form, "translation_font_change")->click();
  EXPECT_EQ(Control<QLineEdit>(form, "translation_font")->text(), QStringLiteral("Mono Test, 9"));
  Buttons(form)->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);

  auto saved = Reloaded(); // OK saved the file
  TVnOptionsForm reread(*saved);
  for (const auto &check : kChecks)
    EXPECT_EQ(Control<QCheckBox>(reread, check.Name)->isChecked(), !check.Default) << check.Name;
  EXPECT_EQ(saved->Dialogs().GetInt(TVnConfigIntKey::SwitchImpLangMode), 1) << "unchecked is stored as 1";
  EXPECT_FALSE(saved->TM().GetSaveStatus(TVnSaveStatus::Ready));
  EXPECT_EQ(saved->Environment().GetInt(TVnConfigIntKey::MaxReportFiles), 7);
  EXPECT_EQ(saved->Translations().GetOverwriteTranslations(), TVnOverwriteTranslations::Always);
  EXPECT_FALSE(saved->ProjectCheck().GetBool(TVnConfigBoolKey::CheckQuots));
  EXPECT_TRUE(saved->ProjectCheck().GetBool(TVnConfigBoolKey::CheckSerbian));
  EXPECT_FALSE(saved->ProjectCheck().GetBool(TVnConfigBoolKey::CheckScannerLangs));
  EXPECT_EQ(saved->Translations().GetFont(), chosen);
  EXPECT_FALSE(saved->Grid().GetFont().has_value()) << "a font never chosen is not written";
}

TEST_F(VnOptionsFormTest, CancelAndAClosedFontDialogChangeNothing) {
  TVnFont font;
  font.Name = QStringLiteral("DejaVu Sans");
  font.Size = 13;
  font.Color = 0x0000FF;
  Config().Grid().SetFont(font);
  {
    // Reading a setting creates its element; the dialog reads them all.
    TVnOptionsForm reader(Config());
  }
  const QByteArray before = VnXmlSerialize(Config().Document());
  {
    TVnOptionsForm form(Config());
    TVnFont offered;
    form.ChooseFont = [&](const TVnFont &current) {
      offered = current;
      return std::optional<TVnFont>();
    };
    Control<QPushButton>(form, "grid_font_change")->click();
    EXPECT_EQ(offered, font) << "the dialog starts from the stored font";
    EXPECT_EQ(Control<QLineEdit>(form, "grid_font")->text(), QStringLiteral("DejaVu Sans, 13"));
    for (const auto &check : kChecks)
      Control<QCheckBox>(form, check.Name)->setChecked(!check.Default);
    Control<QSpinBox>(form, "max_report_files")->setValue(99);
    Buttons(form)->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
  }
  EXPECT_EQ(VnXmlSerialize(Config().Document()), before);
  EXPECT_FALSE(QFileInfo::exists(ConfigFile()));
}

TEST_F(VnOptionsFormTest, HelpShowsTheOptionsTopic) {
  TVnOptionsForm form(Config());
  int shown = 0;
  form.ShowHelp = [&] { ++shown; };
  Buttons(form)->button(QDialogButtonBox::Help)->click();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(VnHelpPageOf(hcOptionsDialog), QStringLiteral("options.html"));
  EXPECT_TRUE(QFileInfo::exists(SharedApplicationFolder() + QStringLiteral("help/options.html")));
}

TEST_F(VnOptionsFormTest, TheToolsCommandOpensTheDialog) {
  TVnDataModule &data = Start();
  TMainForm window(data, {Path(QStringLiteral("nowhere.v7p"))});
  QAction *options = data.Commands().Action(QStringLiteral("aToolsOptions"));
  EXPECT_TRUE(options->isEnabled());
  QString seen;
  QTimer::singleShot(0, [&] {
    if (auto *form = qobject_cast<TVnOptionsForm *>(QApplication::activeModalWidget())) {
      seen = form->Title();
      form->reject();
    }
  });
  options->trigger();
  EXPECT_EQ(seen, QStringLiteral("Environment - Settings"));
}

} // namespace
