#include "ui/VnOptionsForm.h"

#include "ui/VnHelp.h"
#include "ui/VnWidgetFonts.h"

#include "config/VnConfiguration.h"
#include "core/VnError.h"
#include "core/VnMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Nested pages of the Environment page, in the order of the tree.
enum TPage { pgSettings, pgDialogs, pgGrid, pgTranslations, pgMemory, pgIntegrity };
const char *const kPageCaptions[] = {"Settings", "Dialogs", "Grid", "Translations", "Translation Memory",
                                     "Integrity Check"};
constexpr int kOuterRole = Qt::UserRole;
constexpr int kInnerRole = Qt::UserRole + 1;
constexpr int kKeyRole = Qt::UserRole;

using K = TVnConfigBoolKey;

template <K Key> bool GetKey(TVnConfiguration &config) {
  return config.Section(VnKeyInfo(Key).Section).GetBool(Key);
}
template <K Key> void SetKey(TVnConfiguration &config, bool value) {
  config.Section(VnKeyInfo(Key).Section).SetBool(Key, value);
}
template <int Status> bool GetSaveStatus(TVnConfiguration &config) { return config.TM().GetSaveStatus(Status); }
template <int Status> void SetSaveStatus(TVnConfiguration &config, bool value) {
  config.TM().SetSaveStatus(Status, value);
}

// One check box of the dialog: its page and group box, the name of the
// setting, its caption, whether it is hidden, and how it reads and writes the
// store.
struct TCheckRow {
  TPage Page;
  const char *Group;
  const char *Name;
  const char *Caption;
  bool Hidden;
  bool (*Get)(TVnConfiguration &);
  void (*Set)(TVnConfiguration &, bool);
};

#define VN_KEY(key) GetKey<K::key>, SetKey<K::key>

const TCheckRow kChecks[] = {
    {pgSettings, "", "create_backups", "Create backup files", false, VN_KEY(CreateBackups)},
    {pgSettings, "", "project_logging", "Add log entries in project", false, VN_KEY(ProjectLogging)},
    {pgSettings, "", "disabled_after_error", "Disable target after an error during scan/build", true,
     VN_KEY(DisabledAfterError)},
    {pgSettings, "", "allow_clear_rowstatus", "Allow scanners to clear row statuses", true,
     VN_KEY(AllowClearRowStatus)},
    {pgDialogs, "Startup dialog", "startup", "Show dialog", false,
     [](TVnConfiguration &c) { return c.Dialogs().GetShowStartup(); },
     [](TVnConfiguration &c, bool v) { c.Dialogs().SetShowStartup(v); }},
    {pgDialogs, "Startup dialog", "single_click", "Open project with a single click", false,
     [](TVnConfiguration &c) { return c.Dialogs().GetStartupSingleClick(); },
     [](TVnConfiguration &c, bool v) { c.Dialogs().SetStartupSingleClick(v); }},
    {pgDialogs, "Startup dialog", "hide_menu", "Hide the toolbar when the project is not open", false,
     [](TVnConfiguration &c) { return c.Dialogs().GetHideMenu(); },
     [](TVnConfiguration &c, bool v) { c.Dialogs().SetHideMenu(v); }},
    {pgDialogs, "Tip of the day", "tips", "Show dialog on startup", false, VN_KEY(Tips)},
    {pgDialogs, "Tip of the day", "download_tips", "Download latest tips from Vantria Web site", false,
     VN_KEY(DownloadTips)},
    {pgDialogs, "", "post_build", "Show the actions dialog after building localized files", false,
     [](TVnConfiguration &c) { return c.Dialogs().GetPostBuild(); },
     [](TVnConfiguration &c, bool v) { c.Dialogs().SetPostBuild(v); }},
    {pgDialogs, "", "descriptions_prompting", "Prompt for description on save", false, VN_KEY(DescriptionsPrompting)},
    {pgDialogs, "", "scanner_dialog_close_self", "Close Scan/Build dialog after complete operation", false,
     VN_KEY(ScannerDialogCloseSelf)},
    {pgDialogs, "", "batch_dialog_close_self", "Close Batch Translate dialog after complete operation", true,
     VN_KEY(BatchDialogCloseSelf)},
    {pgGrid, "", "show_removed", "Show unused (removed) rows", false,
     [](TVnConfiguration &c) { return c.Grid().GetShowRemoved(); },
     [](TVnConfiguration &c, bool v) { c.Grid().SetShowRemoved(v); }},
    {pgGrid, "", "unprintable_chars", "Show whitespace characters", false, VN_KEY(UnprintableChars)},
    {pgGrid, "", "simple_navigation", "Use simple navigation", false, VN_KEY(SimpleNavigation)},
    {pgGrid, "", "switch_lang_by_columns", "Switch the active language by selecting a translation column", true,
     VN_KEY(SwitchLangByColumns)},
    {pgMemory, "", "use_country_neutral", "Ignore country code when saving to and retrieving from TM", false,
     [](TVnConfiguration &c) { return c.Translations().GetUseCountryNeutral(); },
     [](TVnConfiguration &c, bool v) { c.Translations().SetUseCountryNeutral(v); }},
    // Stored inverted: 0 means the dialog is shown.
    {pgMemory, "", "switch_imp_lang_mode", "Show \"Switch Translation Memory\" dialog when switching language", true,
     [](TVnConfiguration &c) { return c.Dialogs().GetInt(TVnConfigIntKey::SwitchImpLangMode) == 0; },
     [](TVnConfiguration &c, bool v) { c.Dialogs().SetInt(TVnConfigIntKey::SwitchImpLangMode, v ? 0 : 1); }},
    {pgMemory, "Save rows to the translation memory with the status", "save_statuses_fuzzy", "Fuzzy", true,
     GetSaveStatus<0>, SetSaveStatus<0>},
    {pgMemory, "Save rows to the translation memory with the status", "save_statuses_auto", "Auto", true,
     GetSaveStatus<1>, SetSaveStatus<1>},
    {pgMemory, "Save rows to the translation memory with the status", "save_statuses_translated", "Translated", true,
     GetSaveStatus<2>, SetSaveStatus<2>},
    {pgMemory, "Save rows to the translation memory with the status", "save_statuses_qaed", "QAed", true,
     GetSaveStatus<3>, SetSaveStatus<3>},
    {pgMemory, "Save rows to the translation memory with the status", "save_statuses_ready", "Ready", true,
     GetSaveStatus<4>, SetSaveStatus<4>},
    {pgIntegrity, "", "check_onopen", "Run integrity check on opening a project", false, VN_KEY(CheckOnOpen)},
};

#undef VN_KEY

// The integrity checks, shown as a list of check items.
const struct {
  K Key;
  const char *Caption;
} kIntegrityChecks[] = {
    {K::CheckQuots, "Verify that every row has valid xml-quotes"},
    {K::CheckSerbian, "Convert old Serbian language code (\"hr\") to new (\"sr\")"},
    {K::CheckScannerLangs, "Verify that scanner languages the same as project languages"},
};

const char *const kOverwriteChoices[] = {"Always", "Overwrite only empty translations", "Never"};

QString Text(const char *text) { return QString::fromUtf8(text); }

} // namespace

// A font box: the font the store holds (none: the view's built-in font,
// shown but not written unless the user picks one) and the box showing it.
struct TVnOptionsForm::TFontControl {
  std::optional<TVnFont> Font;
  TVnFont Shown;
  QLineEdit *Edit = nullptr;
};

struct TVnOptionsForm::TPrivate {
  QList<std::pair<int, QCheckBox *>> Checks; // index into kChecks, box
  QSpinBox *MaxReports = nullptr;
  QComboBox *Overwrite = nullptr;
  QListWidget *Integrity = nullptr;
  TFontControl GridFont, TranslationFont;
};

TVnOptionsForm::TVnOptionsForm(TVnConfiguration &config, QWidget *parent)
    : QDialog(parent), FConfig(config), FP(std::make_unique<TPrivate>()), FTree(new QTreeWidget),
      FTitle(new QLabel), FPages(new QStackedWidget) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Options"));
  FTree->setHeaderHidden(true);
  FTree->setRootIsDecorated(false);
  FTree->setMaximumWidth(180);
  QFont titleFont = FTitle->font();
  titleFont.setBold(true);
  FTitle->setFont(titleFont);
  FTitle->setObjectName(QStringLiteral("title"));

  // One outer page remains of the page control: Environment, with its nested
  // pages. The tree lists both levels.
  auto *environment = new QStackedWidget;
  QWidget *(TVnOptionsForm::*makers[])() = {&TVnOptionsForm::MakeSettingsPage,     &TVnOptionsForm::MakeDialogsPage,
                                            &TVnOptionsForm::MakeGridPage,         &TVnOptionsForm::MakeTranslationsPage,
                                            &TVnOptionsForm::MakeMemoryPage,       &TVnOptionsForm::MakeIntegrityPage};
  auto *outer = new QTreeWidgetItem(FTree, {QStringLiteral("Environment")});
  outer->setData(0, kOuterRole, FPages->addWidget(environment));
  outer->setData(0, kInnerRole, -1);
  for (int page = 0; page < int(std::size(makers)); ++page) {
    environment->addWidget((this->*makers[page])());
    auto *item = new QTreeWidgetItem(outer, {Text(kPageCaptions[page])});
    item->setData(0, kOuterRole, 0);
    item->setData(0, kInnerRole, page);
  }
  FTree->expandAll();

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
  auto *right = new QVBoxLayout;
  right->addWidget(FTitle);
  right->addWidget(FPages, 1);
  auto *main = new QHBoxLayout;
  main->addWidget(FTree);
  main->addLayout(right, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(main, 1);
  layout->addWidget(buttons);

  ChooseFont = [this](const TVnFont &current) -> std::optional<TVnFont> {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, VnToQFont(current), this);
    return ok ? std::optional<TVnFont>(VnFromQFont(chosen, current.Color)) : std::nullopt;
  };
  ShowHelp = [this] { VnShowHelp(hcOptionsDialog, this); };
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelp(); });
  connect(FTree, &QTreeWidget::currentItemChanged, this, &TVnOptionsForm::PageSelected);

  FTree->setCurrentItem(outer->child(0));
  // The form is laid out for page tabs the tree replaces: 30 pixels less.
  resize(600, 440);
  resize(width(), height() - 30);
}

TVnOptionsForm::~TVnOptionsForm() = default;

void TVnOptionsForm::AddChecks(int page, QBoxLayout *layout) {
  QMap<QString, QGroupBox *> groups;
  for (int i = 0; i < int(std::size(kChecks)); ++i) {
    const TCheckRow &row = kChecks[i];
    if (row.Page != page)
      continue;
    auto *box = new QCheckBox(Text(row.Caption));
    box->setObjectName(QLatin1String(row.Name));
    box->setChecked(row.Get(FConfig));
    FP->Checks.append({i, box});
    if (!*row.Group) {
      layout->addWidget(box);
      box->setVisible(!row.Hidden);
      continue;
    }
    QGroupBox *group = groups.value(Text(row.Group));
    if (!group) {
      group = new QGroupBox(Text(row.Group));
      group->setLayout(new QVBoxLayout);
      group->setVisible(false);
      groups.insert(Text(row.Group), group);
      layout->addWidget(group);
    }
    group->layout()->addWidget(box);
    box->setVisible(!row.Hidden);
    if (!row.Hidden)
      group->setVisible(true); // a group of hidden boxes only is hidden itself
  }
}

QWidget *TVnOptionsForm::MakeSettingsPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  AddChecks(pgSettings, layout);
  FP->MaxReports = new QSpinBox;
  FP->MaxReports->setObjectName(QStringLiteral("max_report_files"));
  FP->MaxReports->setRange(0, 1000);
  FP->MaxReports->setValue(FConfig.Environment().GetInt(TVnConfigIntKey::MaxReportFiles));
  auto *label = new QLabel(QStringLiteral("Number of reports to keep in reports folder (0=keep all):"));
  label->setBuddy(FP->MaxReports);
  auto *row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(FP->MaxReports);
  row->addStretch();
  layout->addLayout(row);
  layout->addStretch();
  return page;
}

QWidget *TVnOptionsForm::MakeDialogsPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  AddChecks(pgDialogs, layout);
  layout->addStretch();
  return page;
}

QWidget *TVnOptionsForm::MakeFontRow(TFontControl &font, const char *name) {
  font.Edit = new QLineEdit;
  font.Edit->setObjectName(QLatin1String(name));
  font.Edit->setReadOnly(true);
  // A view without a configured font shows the program's own font.
  const QFontInfo builtIn(QApplication::font());
  font.Shown = font.Font.value_or(TVnFont{builtIn.family(), 0, builtIn.pointSize()});
  font.Edit->setText(VnFontCaption(font.Shown));
  auto *change = new QPushButton(QStringLiteral("Change..."));
  change->setObjectName(QLatin1String(name) + QStringLiteral("_change"));
  connect(change, &QPushButton::clicked, this, [this, &font] { ChangeFont(font); });
  auto *label = new QLabel(QStringLiteral("Font:"));
  label->setBuddy(font.Edit);
  auto *row = new QWidget;
  auto *layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(font.Edit, 1);
  layout->addWidget(change);
  return row;
}

void TVnOptionsForm::ChangeFont(TFontControl &font) {
  const std::optional<TVnFont> chosen = ChooseFont(font.Shown);
  if (!chosen)
    return;
  font.Font = font.Shown = *chosen;
  font.Edit->setText(VnFontCaption(*chosen));
}

QWidget *TVnOptionsForm::MakeGridPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  FP->GridFont.Font = FConfig.Grid().GetFont();
  layout->addWidget(MakeFontRow(FP->GridFont, "grid_font"));
  AddChecks(pgGrid, layout);
  layout->addStretch();
  return page;
}

QWidget *TVnOptionsForm::MakeTranslationsPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  FP->TranslationFont.Font = FConfig.Translations().GetFont();
  layout->addWidget(MakeFontRow(FP->TranslationFont, "translation_font"));
  FP->Overwrite = new QComboBox;
  FP->Overwrite->setObjectName(QStringLiteral("overwrite_translations"));
  for (const char *choice : kOverwriteChoices)
    FP->Overwrite->addItem(Text(choice));
  FP->Overwrite->setCurrentIndex(int(FConfig.Translations().GetOverwriteTranslations()));
  auto *label = new QLabel(QStringLiteral("Allow scanners overwrite project translations:"));
  label->setBuddy(FP->Overwrite);
  layout->addWidget(label);
  layout->addWidget(FP->Overwrite);
  AddChecks(pgTranslations, layout);
  layout->addStretch();
  return page;
}

QWidget *TVnOptionsForm::MakeMemoryPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  AddChecks(pgMemory, layout);
  auto *note = new QLabel(QStringLiteral("This setting takes effect after restart of Vantria."));
  note->setObjectName(QStringLiteral("restart_note"));
  layout->addWidget(note);
  layout->addStretch();
  return page;
}

QWidget *TVnOptionsForm::MakeIntegrityPage() {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  FP->Integrity = new QListWidget;
  FP->Integrity->setObjectName(QStringLiteral("integrity_checks"));
  for (const auto &check : kIntegrityChecks) {
    auto *item = new QListWidgetItem(Text(check.Caption), FP->Integrity);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(FConfig.ProjectCheck().GetBool(check.Key) ? Qt::Checked : Qt::Unchecked);
    item->setData(kKeyRole, int(check.Key));
  }
  auto *label = new QLabel(QStringLiteral("Perform the following checks:"));
  label->setBuddy(FP->Integrity);
  layout->addWidget(label);
  layout->addWidget(FP->Integrity, 1);
  AddChecks(pgIntegrity, layout);
  return page;
}

void TVnOptionsForm::PageSelected(QTreeWidgetItem *item) {
  if (!item)
    return;
  FPages->setCurrentIndex(item->data(0, kOuterRole).toInt());
  if (const int inner = item->data(0, kInnerRole).toInt(); inner >= 0)
    static_cast<QStackedWidget *>(FPages->currentWidget())->setCurrentIndex(inner);
  FTitle->setText(Title());
}

QString TVnOptionsForm::Title() const {
  // The outer page's caption, then the active nested page's.
  QTreeWidgetItem *outer = FTree->topLevelItem(FPages->currentIndex());
  if (!outer)
    return {};
  QStringList captions{outer->text(0)};
  const int inner = static_cast<QStackedWidget *>(FPages->currentWidget())->currentIndex();
  if (inner >= 0 && inner < outer->childCount())
    captions << outer->child(inner)->text(0);
  return captions.join(QStringLiteral(" - "));
}

bool TVnOptionsForm::SelectPage(const QString &caption) {
  const auto found = FTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
  if (found.isEmpty())
    return false;
  FTree->setCurrentItem(found.first());
  return true;
}

void TVnOptionsForm::WriteSettings() {
  for (const auto &[index, box] : FP->Checks)
    kChecks[index].Set(FConfig, box->isChecked());
  FConfig.Environment().SetInt(TVnConfigIntKey::MaxReportFiles, FP->MaxReports->value());
  FConfig.Grid().SetFont(FP->GridFont.Font);
  FConfig.Translations().SetFont(FP->TranslationFont.Font);
  FConfig.Translations().SetOverwriteTranslations(TVnOverwriteTranslations(FP->Overwrite->currentIndex()));
  for (int i = 0; i < FP->Integrity->count(); ++i) {
    const QListWidgetItem *item = FP->Integrity->item(i);
    FConfig.ProjectCheck().SetBool(K(item->data(kKeyRole).toInt()), item->checkState() == Qt::Checked);
  }
}

void TVnOptionsForm::accept() {
  WriteSettings();
  try {
    FConfig.SaveConfiguration();
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Error);
  }
  QDialog::accept();
}

#include "moc_VnOptionsForm.cpp"
