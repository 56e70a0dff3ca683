#include "ui/VnMainForm.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnDataModule.h"
#include "ui/VnGridModel.h"
#include "ui/VnGridVST.h"
#include "ui/VnGridVSTUI.h"
#include "ui/VnHelp.h"
#include "ui/VnLanguagesForm.h"
#include "ui/VnOptionsForm.h"
#include "ui/VnStartupForm.h"
#include "ui/VnTargetsModel.h"
#include "ui/VnTargetsVST.h"
#include "ui/VnWidgetFonts.h"
#include "ui/VnWindowGeometry.h"

#include "config/VnConfiguration.h"
#include "core/VnLanguages.h"
#include "core/VnVersion.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

QLabel *MessagePage(const QString &text) {
  auto *label = new QLabel(text);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setMargin(24);
  return label;
}

} // namespace

TMainForm::TMainForm(TVnDataModule &data, QStringList arguments, QWidget *parent)
    : QMainWindow(parent), FData(data), FArguments(std::move(arguments)),
      FGridModel(new TVnGridModel(data.Project(), this)), FTreeModel(new TVnTargetsModel(data.Project(), this)) {
  setObjectName(QStringLiteral("MainForm"));
  FData.Commands().CreateMenus(menuBar());
  // This program's layout has no Advanced menu.
  FData.Commands().Menu(TVnMenu::Advanced)->menuAction()->setVisible(false);
  CreateLayout();
  CreateToolBars();
  CreateStatusBar();
  ConnectCommands();
  ConnectGridCommands();
  ReadViewOptions();
  FLog->setVisible(FData.Config().Environment().GetBool(TVnConfigBoolKey::LogWindow));
  FData.Commands().Action(QStringLiteral("aViewLog"))->setChecked(FLog->isVisible());
  // A first start fills most of a small screen and stays moderate on a large one.
  const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1366, 768);
  resize(std::min(1600, available.width() * 95 / 100), std::min(1000, available.height() * 95 / 100));
  // The tree gets room for target names beside their figures; the grid the rest.
  const int treeWidth = std::clamp(width() * 22 / 100, 260, 420);
  FMainSplitter->setSizes({treeWidth, width() - treeWidth});
  RebuildReopenMenu();
  FTreeModel->RefreshView();
  FGridModel->RefreshView();
  RefreshContent();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateLayout() {
  FTree = new TVnTargetsVST(*FTreeModel, FData.Config());
  FGrid = new TVnGridVST(*FGridModel, FData.Config());
  FTree->SetGridVST(FGrid);

  FPages = new QStackedWidget;
  FPages->insertWidget(pgRows, FGrid);
  FPages->insertWidget(pgNoTargets, MessagePage(QStringLiteral("This project has no targets yet.")));
  FPages->insertWidget(pgDisabledTarget,
                       MessagePage(QStringLiteral("This target is disabled. Enable it to see and translate its strings.")));
  FPages->insertWidget(pgEmptyTarget, MessagePage(QStringLiteral("This target has no strings. Scan it to extract them.")));

  // The grid above the editors of its focused row; the tree beside both.
  FGridSplitter = new QSplitter(Qt::Vertical);
  FGridSplitter->addWidget(FPages);
  FGridSplitter->addWidget(CreateEditors());
  FGridSplitter->setStretchFactor(0, 1);
  FGridSplitter->setChildrenCollapsible(false);
  FGridSplitter->setSizes({430, 150});

  FMainSplitter = new QSplitter(Qt::Horizontal);
  FMainSplitter->addWidget(FTree);
  FMainSplitter->addWidget(FGridSplitter);
  FMainSplitter->setStretchFactor(1, 1);
  FMainSplitter->setSizes({260, 840});

  FLog = new QTextBrowser;
  FLog->setObjectName(QStringLiteral("Log"));
  FLogSplitter = new QSplitter(Qt::Vertical);
  FLogSplitter->addWidget(FMainSplitter);
  FLogSplitter->addWidget(FLog);
  FLogSplitter->setStretchFactor(0, 1);
  FLogSplitter->setSizes({620, 70});
  setCentralWidget(FLogSplitter);
  CreateHeaderMenu();
}

QWidget *TMainForm::CreateEditors() {
  auto *panel = new QWidget;
  panel->setObjectName(QStringLiteral("Editors"));
  FNativeLabel = new QLabel(QStringLiteral("Native Text"));
  FTranslationLabel = new QLabel(QStringLiteral("Translation"));
  FNativeEdit = new QTextEdit;
  FNativeEdit->setObjectName(QStringLiteral("NativeEdit"));
  FNativeEdit->setAcceptRichText(false);
  FTranslationEdit = new QTextEdit;
  FTranslationEdit->setObjectName(QStringLiteral("TranslationEdit"));
  FTranslationEdit->setAcceptRichText(false);
  FTranslationEdit->setTabChangesFocus(true);
  FRowCommentEdit = new QLineEdit;
  FRowCommentEdit->setObjectName(QStringLiteral("RowCommentEdit"));
  FTransCommentEdit = new QLineEdit;
  FTransCommentEdit->setObjectName(QStringLiteral("TransCommentEdit"));
  FMaxWidthEdit = new QLineEdit;
  FMaxWidthEdit->setObjectName(QStringLiteral("MaxWidthEdit"));
  FMaxWidthEdit->setMaximumWidth(70);
  FStatusCombo = new QComboBox;
  FStatusCombo->setObjectName(QStringLiteral("StatusCombo"));
  for (const char *name : kVnTransStatusNames)
    FStatusCombo->addItem(QLatin1String(name));
  const int lineHeight = FTranslationEdit->fontMetrics().lineSpacing();
  for (QTextEdit *edit : {FNativeEdit, FTranslationEdit}) {
    edit->setMinimumHeight(lineHeight * 2 + 12);
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  }

  auto *layout = new QGridLayout(panel);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setVerticalSpacing(2);
  layout->addWidget(FNativeLabel, 0, 0);
  layout->addWidget(FTranslationLabel, 0, 1);
  layout->addWidget(FNativeEdit, 1, 0);
  layout->addWidget(FTranslationEdit, 1, 1);
  layout->setRowStretch(1, 1);
  auto *fields = new QHBoxLayout;
  const std::pair<const char *, QWidget *> labelled[] = {{"Row Comment:", FRowCommentEdit},
                                                         {"Translation Comment:", FTransCommentEdit},
                                                         {"Max Width:", FMaxWidthEdit},
                                                         {"Status:", FStatusCombo}};
  for (const auto &[caption, field] : labelled) {
    auto *label = new QLabel(QLatin1String(caption));
    label->setBuddy(field);
    fields->addWidget(label);
    fields->addWidget(field, field == FRowCommentEdit || field == FTransCommentEdit ? 1 : 0);
  }
  layout->addLayout(fields, 2, 0, 1, 2);

  FGridUI = new TVnGridVSTUI(*FGrid, this);
  FGridUI->SetByIndex(rfNative, FNativeEdit);
  FGridUI->SetByIndex(rfTranslation, FTranslationEdit);
  FGridUI->SetByIndex(rfRowComment, FRowCommentEdit);
  FGridUI->SetByIndex(rfTransComment, FTransCommentEdit);
  FGridUI->SetByIndex(rfMaxLength, FMaxWidthEdit);
  FGridUI->SetByIndex(rfTransStatus, FStatusCombo);
  connect(FGridUI, &TVnGridVSTUI::ProgressChanged, FTreeModel, &TVnTargetsModel::RefreshCurrentProgress);
  return panel;
}

void TMainForm::CreateHeaderMenu() {
  FHeaderMenu = new QMenu(this);
  FGrid->SetHeaderMenu(FHeaderMenu);
  // Built when shown: the language columns follow the project's languages.
  connect(FHeaderMenu, &QMenu::aboutToShow, this, [this] {
    FHeaderMenu->clear();
    for (int column = 0; column < FGridModel->columnCount(); ++column) {
      QAction *item = FHeaderMenu->addAction(FGridModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
      item->setCheckable(true);
      item->setChecked(FGrid->ColumnShown(column));
      connect(item, &QAction::toggled, this, [this, column](bool on) {
        FGrid->SetColumnShown(column, on);
        if (column == rfName)
          FData.Commands().Action(QStringLiteral("aViewContextColumn"))->setChecked(on);
      });
    }
  });
}

void TMainForm::ConnectGridCommands() {
  TVnCommandList &commands = FData.Commands();
  QAction *context = commands.Action(QStringLiteral("aViewContextColumn"));
  context->setChecked(FGrid->ColumnShown(rfName));
  connect(context, &QAction::toggled, this, [this](bool on) { FGrid->SetColumnShown(rfName, on); });
  QAction *placeholders = commands.Action(QStringLiteral("aViewTextPlaceholders"));
  placeholders->setChecked(FGridUI->ShowTextPlaceholders());
  connect(placeholders, &QAction::toggled, FGridUI, &TVnGridVSTUI::SetShowTextPlaceholders);
  connect(commands.Action(QStringLiteral("aToggleRowStatus")), &QAction::triggered, this,
          [this] { FGrid->ToggleStatuses(true, false); });
  connect(commands.Action(QStringLiteral("aNavigateBack")), &QAction::triggered, this, [this] {
    FGrid->Navigate(-1);
    UpdateGridCommands();
  });
  connect(commands.Action(QStringLiteral("aNavigateForward")), &QAction::triggered, this, [this] {
    FGrid->Navigate(1);
    UpdateGridCommands();
  });
  // The navigation keys work from anywhere in the window.
  for (const char *name : {"aToggleRowStatus", "aNavigateBack", "aNavigateForward"})
    addAction(commands.Action(QLatin1String(name)));
  FGrid->OnLanguageRequest = [this] { FData.Commands().Action(QStringLiteral("aProjectLang"))->trigger(); };
  connect(FGrid, &TVnGridVST::RowSelected, this, &TMainForm::UpdateGridCommands);
}

void TMainForm::CreateToolBars() {
  TVnCommandList &commands = FData.Commands();
  FStandardBar = addToolBar(QStringLiteral("Standard Toolbar"));
  FStandardBar->setObjectName(QStringLiteral("StandardToolbar"));
  for (const char *name : {"aFileNew", "aFileOpen", "aFileSave", "aFileClose"})
    FStandardBar->addAction(commands.Action(QLatin1String(name)));
  FBeginnerBar = addToolBar(QStringLiteral("Beginner's Toolbar"));
  FBeginnerBar->setObjectName(QStringLiteral("BeginnerToolbar"));
  for (const char *name : {"aProjectScan", "aProjectBuild", "aProjectLiteTranslate", "aProjectLang"})
    FBeginnerBar->addAction(commands.Action(QLatin1String(name)));
  FNavigationBar = addToolBar(QStringLiteral("Navigation Toolbar"));
  FNavigationBar->setObjectName(QStringLiteral("NavigationToolbar"));
  for (const char *name : {"aNavigateBack", "aNavigateForward"})
    FNavigationBar->addAction(commands.Action(QLatin1String(name)));
  // Each button lists its side of the row history in a drop-down menu.
  for (const bool back : {true, false}) {
    auto *button = qobject_cast<QToolButton *>(
        FNavigationBar->widgetForAction(commands.Action(QLatin1String(back ? "aNavigateBack" : "aNavigateForward"))));
    if (!button)
      continue;
    auto *menu = new QMenu(button);
    connect(menu, &QMenu::aboutToShow, this, [this, menu, back] { FillHistoryMenu(*menu, back); });
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
  }
  for (QToolBar *bar : {FStandardBar, FBeginnerBar, FNavigationBar})
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);

  const std::pair<const char *, QToolBar *> toggles[] = {
      {"aViewStandard", FStandardBar}, {"aViewDummy", FBeginnerBar}, {"aViewNavigation", FNavigationBar}};
  for (const auto &[name, bar] : toggles) {
    QAction *action = commands.Action(QLatin1String(name));
    action->setEnabled(true);
    action->setChecked(true);
    connect(action, &QAction::toggled, bar, &QToolBar::setVisible);
  }
}

void TMainForm::CreateStatusBar() {
  FHintPanel = new QLabel;
  FModifiedPanel = new QLabel;
  FModifiedPanel->setMinimumWidth(80);
  FProgressPanel = new QLabel;
  FProgressPanel->setMinimumWidth(160);
  FProgressBar = new QProgressBar;
  FProgressBar->setMaximumWidth(160);
  FProgressBar->setRange(0, 100);
  FProgressBar->setTextVisible(false);
  statusBar()->addWidget(FHintPanel, 1);
  statusBar()->addPermanentWidget(FModifiedPanel);
  statusBar()->addPermanentWidget(FProgressPanel);
  statusBar()->addPermanentWidget(FProgressBar);
}

void TMainForm::ConnectCommands() {
  TVnCommandList &commands = FData.Commands();
  connect(commands.Action(QStringLiteral("aFileExit")), &QAction::triggered, this, &QWidget::close);
  const std::pair<const char *, std::function<void()>> help[] = {
      {"aHelpContents", [this] { VnShowHelp(0, this); }},
      {"aHelpIndex", [this] { VnShowHelp(0, this); }},
      {"aHelpAbout", [this] { ShowAbout(); }},
  };
  for (const auto &[name, handler] : help) {
    QAction *action = commands.Action(QLatin1String(name));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, handler);
  }
  connect(commands.Action(QStringLiteral("aProjectLang")), &QAction::triggered, this, [this] {
    TVnLanguagesForm form(FData.Project(), this);
    form.exec();
  });
  QAction *options = commands.Action(QStringLiteral("aToolsOptions"));
  options->setEnabled(true);
  connect(options, &QAction::triggered, this, [this] {
    TVnOptionsForm form(FData.Config(), this);
    if (form.exec() == QDialog::Accepted)
      ReadViewOptions();
  });
  QAction *viewLog = commands.Action(QStringLiteral("aViewLog"));
  viewLog->setEnabled(true);
  connect(viewLog, &QAction::toggled, this, [this](bool on) {
    FLog->setVisible(on);
    FData.Config().Environment().SetBool(TVnConfigBoolKey::LogWindow, on);
  });
  connect(&FData, &TVnDataModule::ProjectUpdated, this, &TMainForm::RefreshContent);
  connect(&FData, &TVnDataModule::Refresh, this, &TMainForm::RefreshWindow);
  connect(&FData, &TVnDataModule::ProgressChanged, this, &TMainForm::RefreshStatusBar);
  connect(&FData, &TVnDataModule::RecentFilesChanged, this, &TMainForm::RebuildReopenMenu);
  connect(&FData, &TVnDataModule::LanguageChanged, this, [this] {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RefreshContent();
    QApplication::restoreOverrideCursor();
  });
  connect(&FData, &TVnDataModule::ProjectOpened, this, &TMainForm::RefreshContent);
}

void TMainForm::RebuildReopenMenu() {
  QMenu *reopen = FData.Commands().Submenu(QStringLiteral("mReopen"));
  reopen->clear();
  for (const QString &path : FData.RecentFiles()) {
    QAction *item = reopen->addAction(path);
    connect(item, &QAction::triggered, this, [this, path] { FData.FileReopen(path); });
  }
  reopen->setEnabled(!FData.RecentFiles().isEmpty());
}

void TMainForm::RebuildLanguageMenu() {
  QMenu *menu = FData.Commands().Submenu(QStringLiteral("mActiveLanguage"));
  menu->clear();
  auto &languages = FData.Project().Languages();
  auto *group = new QActionGroup(menu);
  for (int i = 0; i < languages.Count(); ++i) {
    QAction *item = menu->addAction(DisplayNameOfCode(FData.Project().GetLanguage(i)));
    item->setCheckable(true);
    item->setChecked(i == languages.ItemIndex());
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, i] { FData.Project().Languages().SetItemIndex(i); });
  }
  menu->setEnabled(!menu->isEmpty());
}

void TMainForm::ChoosePage() {
  TVnV7Project &project = FData.Project();
  TPage page = pgRows;
  if (project.Opened() && project.RowCount() == 0) {
    if (project.IsEmpty())
      page = pgNoTargets;
    else if (!project.GetCurrentTargetInfo().Enabled)
      page = pgDisabledTarget;
    else
      page = pgEmptyTarget;
  }
  FPages->setCurrentIndex(page);
}

TMainForm::TPage TMainForm::CurrentPage() const { return TPage(FPages->currentIndex()); }

void TMainForm::RefreshContent() {
  RebuildLanguageMenu();
  RefreshWindow();
}

void TMainForm::RefreshWindow() {
  TVnV7Project &project = FData.Project();
  const QString fileName = QFileInfo(project.FileName()).fileName();
  setWindowTitle(fileName.isEmpty() ? VnProgramName() : fileName + QStringLiteral(" - ") + VnProgramName());
  FLogSplitter->setVisible(project.Opened());
  // The tool bars wait for a project when the user asked for a quiet start.
  const bool toolBars = project.Opened() || !FData.Config().Dialogs().GetHideMenu();
  FStandardBar->setVisible(toolBars && FData.Commands().Action(QStringLiteral("aViewStandard"))->isChecked());
  FBeginnerBar->setVisible(toolBars && FData.Commands().Action(QStringLiteral("aViewDummy"))->isChecked());
  FNavigationBar->setVisible(project.Opened() && FData.Commands().Action(QStringLiteral("aViewNavigation"))->isChecked());
  if (FStartup)
    FStartup->setVisible(!project.Opened());
  ChoosePage();
  FData.Commands().Action(QStringLiteral("aProjectBuildAllActLang"))
      ->setText(QStringLiteral("Build all targets for: \"%1\"").arg(DisplayNameOfCode(project.GetActiveLanguage())));
  if (!project.Opened())
    FLog->clear();
  const QString language = project.GetActiveLanguage();
  FTranslationLabel->setText(language.isEmpty() ? QStringLiteral("Translation")
                                                : QStringLiteral("Translation (%1)").arg(DisplayNameOfCode(language)));
  UpdateGridCommands();
  RefreshStatusBar();
}

void TMainForm::ReadViewOptions() {
  FGrid->ReadOptions();
  FTree->ReadOptions();
  // Both editors show texts of the project's languages: the translation font serves both.
  const std::optional<TVnFont> font = FData.Config().Translations().GetFont();
  VnApplyFont(*FNativeEdit, font);
  VnApplyFont(*FTranslationEdit, font);
}

void TMainForm::FillHistoryMenu(QMenu &menu, bool back) {
  menu.clear();
  TVnNavigationHistory &history = FGrid->History();
  const QList<TVnTreeNavigationItem> items = back ? history.BackList() : history.ForwardList();
  for (int i = 0; i < items.size(); ++i) {
    // Back lists the oldest first; forward the newest first.
    const int entry = back ? i : history.Count() - 1 - i;
    const TVnTreeNavigationItem &item = items[i];
    QString caption = QStringLiteral("Row %1").arg(item.RowPosition + 1);
    if (!item.Node.Path.isEmpty())
      caption += QStringLiteral(" in %1").arg(item.Node.Path);
    QAction *action = menu.addAction(caption);
    connect(action, &QAction::triggered, this, [this, entry] {
      FGrid->Navigate(entry - FGrid->History().Position());
      UpdateGridCommands();
    });
  }
}

void TMainForm::UpdateGridCommands() {
  TVnCommandList &commands = FData.Commands();
  const bool open = FData.Project().Opened() && !FData.Project().IsEmpty();
  commands.Action(QStringLiteral("aViewContextColumn"))->setEnabled(true);
  commands.Action(QStringLiteral("aViewTextPlaceholders"))->setEnabled(true);
  commands.Action(QStringLiteral("aToggleRowStatus"))->setEnabled(open && FGrid->FocusedRow() >= 0);
  commands.Action(QStringLiteral("aNavigateBack"))->setEnabled(open && FGrid->History().Position() > 0);
  commands.Action(QStringLiteral("aNavigateForward"))
      ->setEnabled(open && FGrid->History().Position() + 1 < FGrid->History().Count());
}

void TMainForm::RefreshStatusBar() {
  TVnV7Project &project = FData.Project();
  const bool hasTargets = !project.IsEmpty();
  FModifiedPanel->setText(project.Modified() ? QStringLiteral("Modified") : QString());
  FProgressPanel->setText(FData.Progress().Text());
  FProgressBar->setValue(FData.Progress().Percent());
  // Without targets the status bar is one empty panel.
  for (QWidget *panel : std::initializer_list<QWidget *>{FModifiedPanel, FProgressPanel, FProgressBar})
    panel->setVisible(hasTargets);
}

void TMainForm::ShowAbout() {
  QMessageBox::about(this, QStringLiteral("About %1").arg(VnProgramName()),
                     QStringLiteral("<h3>%1</h3><p>Version %2</p><p>A desktop tool for localising software.</p>")
                         .arg(VnProgramName(), VnProgramVersion()));
}

void TMainForm::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (FShownOnce)
    return;
  FShownOnce = true;
  VnApplyWindowGeometry(*this, FData.Config().Environment().RestoreMainWindow(VnWindowGeometryOf(*this)));
  if (!FArguments.isEmpty())
    OpenFromCommandLine();
  else if (FData.Config().Dialogs().GetShowStartup())
    ShowStartupForm();
}

void TMainForm::OpenFromCommandLine() {
  const QString path = FArguments.first();
  // A first parameter that names no file is ignored: no project, no start-up dialog.
  if (QFileInfo(path).isFile())
    FData.OpenProject(path);
}

void TMainForm::ShowStartupForm() {
  if (!FStartup)
    FStartup = new TVnStartupForm(FData, this);
  FStartup->Reload();
  FStartup->show();
  FStartup->raise();
  FStartup->activateWindow();
}

void TMainForm::closeEvent(QCloseEvent *event) {
  FData.FileClose();
  if (!FData.LastCloseSucceeded()) {
    event->ignore();
    return;
  }
  FData.Config().Environment().SaveMainWindow(VnWindowGeometryOf(*this));
  FGrid->SaveColumns();
  if (FStartup)
    FStartup->close();
  event->accept();
}

#include "moc_VnMainForm.cpp"
