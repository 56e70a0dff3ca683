#include "ui/VnCommandCatalogue.h"

#include "core/VnError.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

using M = TVnMenu;
constexpr unsigned H = cfHidden, C = cfCheckable, S = cfSeparator, SUB = cfSubmenu, IN = cfInSubmenu;

const std::vector<TVnCommandSpec> kCommands{
    // File
    {"aFileNew", "&New...", "Ctrl+N", "Create a new localization project", M::File, 0},
    {"aFileNewDB", "New &DB...", "", "Create a new database localization project", M::File, H},
    {"aFileNewTemplate", "New From &Template...", "", "Create a new localization project using a localization template", M::File, H},
    {"aFileOpen", "&Open...", "Ctrl+O", "Open an existing localization project", M::File, 0},
    {"mReopen", "&Reopen", "", "", M::File, SUB},
    {"-", "", "", "", M::File, S},
    {"aFileSave", "&Save", "Ctrl+S", "Save the current project", M::File, 0},
    {"aFileSaveAs", "Save &As...", "F12", "Save the current project with a new name", M::File, 0},
    {"aFileClose", "&Close", "Ctrl+F4", "", M::File, 0},
    {"-", "", "", "", M::File, S},
    {"aFileImport", "Import...", "", "Launch Import wizard", M::File, 0},
    {"aFileExport", "Export...", "", "Launch Export wizard", M::File, 0},
    {"aFileExchange", "Exchange...", "", "Launch Exchange wizard", M::File, 0},
    {"-", "", "", "", M::File, S},
    {"aFileExit", "E&xit", "", "", M::File, 0},
    // Edit
    {"aEditUndo", "Undo", "Ctrl+Z", "", M::Edit, 0},
    {"aEditRedo", "Redo", "Shift+Ctrl+Z", "", M::Edit, 0},
    {"-", "", "", "", M::Edit, S},
    {"aEditCut", "Cut", "Ctrl+X", "", M::Edit, 0},
    {"aEditCopy", "Copy", "Ctrl+C", "", M::Edit, 0},
    {"aEditPaste", "Paste", "Ctrl+V", "", M::Edit, 0},
    {"aEditPasteNative", "Paste Native", "Ctrl+Alt+V", "", M::Edit, 0, "Paste Native Text"},
    {"aEditClear", "Clear", "Del", "", M::Edit, 0},
    {"-", "", "", "", M::Edit, S},
    {"aEditSearch", "&Find...", "Ctrl+F", "", M::Edit, 0},
    {"aEditFindNext", "Find Next", "F3", "", M::Edit, 0},
    {"aEditReplace", "&Replace...", "Ctrl+H", "", M::Edit, 0},
    {"-", "", "", "", M::Edit, S},
    {"aEditNextUntranslated", "Go to the Next Untranslated Row", "Ctrl+G", "", M::Edit, 0},
    // Commands of the grid's pop-up menu and keys of the window
    {"aEditCopyLink", "Copy Link To Row", "", "", M::None, 0},
    {"aEditCopyRows", "Copy Selected Rows", "", "", M::None, 0},
    {"aEditPasteExcel", "Paste From Excel", "", "", M::None, 0},
    {"aEditPasteSelected", "Paste to Selected Rows", "", "", M::None, 0},
    {"aToggleRowStatus", "Toggle Row Status", "Ctrl+R", "", M::None, 0},
    {"aGridPageDown", "", "Alt+PgDown", "", M::None, 0},
    {"aGridPageUp", "", "Alt+PgUp", "", M::None, 0},
    {"aCtrlTab", "", "Ctrl+Tab", "", M::None, 0},
    {"aNavigateBack", "Back", "Alt+Left", "Go back to the previously focused row", M::None, 0},
    {"aNavigateForward", "Forward", "Alt+Right", "Go forward to the next focused row", M::None, 0},
    // View
    {"aViewStandard", "Standard Toolbar", "", "", M::View, C},
    {"aViewDummy", "Beginner's Toolbar", "", "", M::View, C},
    {"aViewFiltering", "Filtering Toolbar", "", "", M::View, C},
    {"aViewNavigation", "Navigation Toolbar", "", "", M::View, C},
    {"aViewTargets", "Targets Toolbar", "", "", M::View, C | H},
    {"aViewClear", "Clear Toolbar", "", "", M::View, C | H},
    {"-", "", "", "", M::View, S},
    {"aViewFilterContext", "Filter by Context", "", "", M::View, C | H},
    {"aViewFilterNative", "Filter by Native Text", "", "", M::View, C},
    {"aViewFilterTranslation", "Filter by Translation", "", "", M::View, C},
    {"aViewFilter", "Configure &Filter...", "", "", M::View, 0},
    {"-", "", "", "", M::View, S},
    {"aViewContextColumn", "Context Column", "", "", M::View, C},
    {"aViewTranslationsWindow", "Translation &Window", "", "", M::View, C | H},
    {"aViewLog", "Log Window", "", "", M::View, C},
    {"aViewTextPlaceholders", "Vantria Text &Placeholders", "", "", M::View, C},
    {"-", "", "", "", M::View, S},
    {"aViewSaveDesktop", "Save Desktop...", "", "", M::View, 0},
    {"aViewLoadDesktop", "Load Desktop...", "", "", M::View, 0},
    // Project
    {"aProjectScan", "Scan", "F7", "", M::Project, 0},
    {"aProjectBuild", "Build", "F8", "", M::Project, 0},
    {"aProjectScanAll", "Scan All", "Ctrl+F7", "", M::Project, H},
    {"aProjectBuildAll", "Build All", "Ctrl+F8", "", M::Project, H},
    {"aProjectBuildAllActLang", "Build all targets for: \"%s\"", "", "", M::Project, H},
    {"-", "", "", "", M::Project, S},
    {"aProjectRunNative", "Run Native", "Ctrl+F9", "", M::Project, 0},
    {"aProjectRunTranslated", "Run Translated", "F9", "", M::Project, 0},
    {"aProjectTargetFolder", "Open the Target &Folder", "", "", M::Project, 0},
    {"aProjectCopyTarget", "Copy the Localized &File to Clipboard", "", "", M::Project, 0},
    {"-", "", "", "", M::Project, S},
    {"aProjectQualityValidation", "Validation Report", "", "", M::Project, H},
    {"aProjectValidate", "Validate", "F6", "", M::Project, H},
    {"aProjectValidateCorrect", "Validate/Correct", "Ctrl+F6", "", M::Project, H},
    {"aProjectCheck", "&Integrity Check", "", "", M::Project, 0},
    {"-", "", "", "", M::Project, S},
    {"aProjectTargetAdd", "&Add Target...", "", "", M::Project, H},
    {"aProjectTargetRemove", "&Remove Target", "", "", M::Project, H},
    {"aProjectTargetEdit", "&Edit Target...", "", "", M::Project, 0},
    {"aProjectEnabled", "Disable/Enable Target", "", "", M::Project, H},
    {"aProjectVisible", "Hide Target", "", "", M::Project, H},
    {"aProjectShowTargets", "Make All Targets &Visible", "", "", M::Project, H},
    {"-", "", "", "", M::Project, S},
    {"aProjectLang", "Select Languages...", "Ctrl+L", "", M::Project, 0},
    {"mActiveLanguage", "Active &Language", "", "", M::Project, SUB},
    {"mClear", "&Clear", "", "", M::Project, SUB | H},
    {"aProjectClearNew", "Clear Row Status \"New\"", "", "", M::Project, IN},
    {"aProjectClearChanged", "Clear Row Status \"Changed\"", "", "", M::Project, IN},
    {"aProjectClearRemoved", "Remove Rows With Status \"Removed\"", "", "", M::Project, IN},
    {"aProjectClearAll", "Remove Rows with Status \"Removed\" and Clear All Row Statuses", "", "", M::Project, IN},
    {"-", "", "", "", M::Project, S},
    {"aProjectPseudoLang", "Pseudo Language\u2026", "", "", M::Project, H},
    {"aBatchTranslation", "Batch Translation Wizard...", "", "", M::Project, 0},
    {"aProjectLiteTranslate", "Translate", "Ctrl+T", "", M::Project, 0},
    {"aProjectInfo", "&Project Info...", "", "", M::Project, 0},
    {"aProjectSaveToTM", "&Save Translations to Memory", "Shift+Ctrl+T", "", M::Project, 0},
    {"-", "", "", "", M::Project, S},
    {"aProjectExclude", "E&xcluded Strings...", "", "", M::Project, 0},
    {"aProjectExcludeSave", "Save...", "", "", M::Project, 0},
    {"aProjectExcludeLoad", "Load...", "", "", M::Project, 0},
    {"aBatchCopy", "Batch Copy...", "F11", "", M::Project, H},
    // Advanced (the whole menu is hidden in this program's layout)
    {"aAdvancedClearChanged", "Remove All Translations From Rows With 'C' Status", "", "", M::Advanced, 0},
    {"aAdvancedClearEqual", "Remove All Translations Where Native Equals Translation", "", "", M::Advanced, 0},
    {"aAdvancedClearEmpty", "Remove Empty Translations", "", "", M::Advanced, 0},
    {"aAdvancedPopulate", "Populate All Untranslated Rows With Native Text", "", "", M::Advanced, 0},
    {"mEmptyStatus", "Set the Translation Status of Empty Translations", "", "", M::Advanced, SUB},
    {"aAdvancedEmptyFuzzy", "Fuzzy", "", "", M::Advanced, IN},
    {"aAdvancedEmptyAuto", "Auto", "", "", M::Advanced, IN},
    {"aAdvancedEmptyTranslated", "Translated", "", "", M::Advanced, IN},
    {"aAdvancedEmptyQAed", "QAed", "", "", M::Advanced, IN},
    {"aAdvancedEmptyReady", "Ready", "", "", M::Advanced, IN},
    // Tools
    {"aToolsTM", "Translation Memories...", "", "", M::Tools, 0},
    {"aToolsSwitchTM", "Enable Translation Memory", "", "", M::Tools, 0},
    {"aToolsOptions", "Options...", "", "", M::Tools, 0},
    {"aToolsImporters", "Assisted Translation Expert Options...", "", "", M::Tools, H},
    {"aToolsValidations", "Validation Options...", "", "", M::Tools, 0},
    {"aToolsSpellCheck", "Use MS Office Spelling Checker", "", "", M::Tools, C, "Use OpenOffice Spelling Checker"},
    // Help
    {"aHelpContents", "&Contents", "F1", "", M::Help, 0},
    {"aHelpIndex", "Help &Index", "", "", M::Help, 0},
    {"-", "", "", "", M::Help, S},
    {"aHelpTip", "&Tip of the Day...", "", "", M::Help, 0},
    {"aHelpTutorial", "T&utorial", "", "", M::Help, 0},
    {"-", "", "", "", M::Help, S},
    {"aHelpAbout", "&About...", "", "", M::Help, 0},
};

const char *const kMenuCaptions[] = {"&File", "&Edit", "&View", "&Project", "&Advanced", "&Tools", "&Help"};

} // namespace

const std::vector<TVnCommandSpec> &VnCommandTable() { return kCommands; }

TVnCommandList::TVnCommandList(QObject *parent) : QObject(parent) {
  for (const TVnCommandSpec &spec : kCommands) {
    if (spec.Flags & (cfSeparator | cfSubmenu))
      continue;
    auto *action = new QAction(QString::fromUtf8(spec.Caption), this);
    action->setObjectName(QLatin1String(spec.Name));
    if (*spec.Shortcut)
      action->setShortcut(QKeySequence(QLatin1String(spec.Shortcut)));
    action->setStatusTip(QString::fromUtf8(spec.Hint));
    action->setToolTip(*spec.Hint ? QString::fromUtf8(spec.Hint) : action->text().remove(QLatin1Char('&')));
    action->setCheckable(spec.Flags & cfCheckable);
    action->setVisible(!(spec.Flags & cfHidden));
    FActions.insert(action->objectName(), action);
  }
}

QAction *TVnCommandList::Action(const QString &name) const {
  QAction *action = FActions.value(name);
  VnAssert(action != nullptr, "TVnCommandList.Action: no such command");
  return action;
}

void TVnCommandList::CreateMenus(QMenuBar *bar) {
  for (int m = 0; m < int(std::size(kMenuCaptions)); ++m)
    FMenus.insert(m, bar->addMenu(QString::fromUtf8(kMenuCaptions[m])));
  QMenu *submenu = nullptr;
  for (const TVnCommandSpec &spec : kCommands) {
    if (spec.Menu == TVnMenu::None)
      continue;
    QMenu *menu = (spec.Flags & cfInSubmenu) ? submenu : FMenus.value(int(spec.Menu));
    if (spec.Flags & cfSeparator) {
      menu->addSeparator();
    } else if (spec.Flags & cfSubmenu) {
      submenu = menu->addMenu(QString::fromUtf8(spec.Caption));
      submenu->setObjectName(QLatin1String(spec.Name));
      submenu->menuAction()->setVisible(!(spec.Flags & cfHidden));
      FSubmenus.insert(submenu->objectName(), submenu);
    } else if (spec.MenuCaption) {
      // The menu shows its own caption but runs the command; the shortcut is
      // only shown, so that the key has one owner.
      QAction *command = Action(QLatin1String(spec.Name));
      QString caption = QString::fromUtf8(spec.MenuCaption);
      if (!command->shortcut().isEmpty())
        caption += QLatin1Char('\t') + command->shortcut().toString(QKeySequence::NativeText);
      QAction *item = menu->addAction(caption);
      item->setCheckable(command->isCheckable());
      connect(item, &QAction::triggered, command, &QAction::trigger);
      connect(command, &QAction::changed, item, [item, command] {
        item->setEnabled(command->isEnabled());
        item->setVisible(command->isVisible());
        item->setChecked(command->isChecked());
      });
    } else {
      menu->addAction(Action(QLatin1String(spec.Name)));
    }
  }
}

#include "moc_VnCommandCatalogue.cpp"
