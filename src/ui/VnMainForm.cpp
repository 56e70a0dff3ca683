#include "ui/VnMainForm.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnDataModule.h"
#include "ui/VnHelp.h"
#include "ui/VnLanguagesForm.h"
#include "ui/VnOptionsForm.h"
#include "ui/VnRowsPreviewModel.h"
#include "ui/VnStartupForm.h"
#include "ui/VnWindowGeometry.h"

#include "config/VnConfiguration.h"
#include "core/VnLanguages.h"
#include "core/VnVersion.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>

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
      FRowsModel(new TVnRowsPreviewModel(data.Project(), this)) {
  setObjectName(QStringLiteral("MainForm"));
  FData.Commands().CreateMenus(menuBar());
  // This program's layout has no Advanced menu.
  FData.Commands().Menu(TVnMenu::Advanced)->menuAction()->setVisible(false);
  CreateLayout();
  CreateToolBars();
  CreateStatusBar();
  ConnectCommands();
  FLog->setVisible(FData.Config().Environment().GetBool(TVnConfigBoolKey::LogWindow));
  FData.Commands().Action(QStringLiteral("aViewLog"))->setChecked(FLog->isVisible());
  resize(1100, 720);
  RebuildReopenMenu();
  RefreshContent();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateLayout() {
  FTargets = new QListWidget;
  FTargets->setObjectName(QStringLiteral("Targets"));
  FRows = new QTableView;
  FRows->setObjectName(QStringLiteral("Rows"));
  FRows->setModel(FRowsModel);
  FRows->setSelectionBehavior(QAbstractItemView::SelectRows);
  FRows->setWordWrap(false);
  FRows->verticalHeader()->setDefaultSectionSize(FRows->fontMetrics().height() + 6);
  FRows->verticalHeader()->hide();
  FRows->horizontalHeader()->setStretchLastSection(true);
  FRows->horizontalHeader()->resizeSection(0, 170);
  FRows->horizontalHeader()->resizeSection(1, 260);
  FRows->horizontalHeader()->resizeSection(2, 260);

  FPages = new QStackedWidget;
  FPages->insertWidget(pgRows, FRows);
  FPages->insertWidget(pgNoTargets, MessagePage(QStringLiteral("This project has no targets yet.")));
  FPages->insertWidget(pgDisabledTarget,
                       MessagePage(QStringLiteral("This target is disabled. Enable it to see and translate its strings.")));
  FPages->insertWidget(pgEmptyTarget, MessagePage(QStringLiteral("This target has no strings. Scan it to extract them.")));

  FMainSplitter = new QSplitter(Qt::Horizontal);
  FMainSplitter->addWidget(FTargets);
  FMainSplitter->addWidget(FPages);
  FMainSplitter->setStretchFactor(1, 1);
  FMainSplitter->setSizes({220, 880});

  FLog = new QTextBrowser;
  FLog->setObjectName(QStringLiteral("Log"));
  FLogSplitter = new QSplitter(Qt::Vertical);
  FLogSplitter->addWidget(FMainSplitter);
  FLogSplitter->addWidget(FLog);
  FLogSplitter->setStretchFactor(0, 1);
  FLogSplitter->setSizes({560, 120});
  setCentralWidget(FLogSplitter);

  connect(FTargets, &QListWidget::currentRowChanged, this, [this](int row) {
    auto &targets = FData.Project().Targets();
    // Row 0 of the list stands for all targets.
    if (row >= 0 && row - 1 != targets.ItemIndex())
      targets.SetItemIndex(row - 1);
  });
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
  for (QToolBar *bar : {FStandardBar, FBeginnerBar})
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);

  const std::pair<const char *, QToolBar *> toggles[] = {{"aViewStandard", FStandardBar}, {"aViewDummy", FBeginnerBar}};
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
    form.exec();
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

void TMainForm::RebuildTargetList() {
  TVnV7Project &project = FData.Project();
  const QSignalBlocker blocker(FTargets);
  FTargets->clear();
  if (project.IsEmpty())
    return;
  FTargets->addItem(QStringLiteral("All targets"));
  for (int i = 0; i < project.Targets().Count(); ++i) {
    const TVnTargetInfo info = project.GetTargetInfo(i);
    auto *item = new QListWidgetItem(QFileInfo(info.FileName).fileName(), FTargets);
    item->setToolTip(project.GetTargetFileName(i));
    if (!info.Enabled)
      item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  FTargets->setCurrentRow(project.Targets().ItemIndex() + 1);
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
  FRowsModel->Reload();
  RebuildTargetList();
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
  if (FStartup)
    FStartup->setVisible(!project.Opened());
  ChoosePage();
  FData.Commands().Action(QStringLiteral("aProjectBuildAllActLang"))
      ->setText(QStringLiteral("Build all targets for: \"%1\"").arg(DisplayNameOfCode(project.GetActiveLanguage())));
  if (!project.Opened())
    FLog->clear();
  RefreshStatusBar();
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
  if (FStartup)
    FStartup->close();
  event->accept();
}

#include "moc_VnMainForm.cpp"
