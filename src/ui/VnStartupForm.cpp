#include "ui/VnStartupForm.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnDataModule.h"
#include "ui/VnShell.h"
#include "ui/VnStartupEntries.h"
#include "ui/VnWebAddresses.h"

#include "config/VnConfiguration.h"
#include "core/VnFolders.h"
#include "core/VnMessages.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

TVnStartupForm::TVnStartupForm(TVnDataModule &data, QWidget *parent)
    : QDialog(parent), FData(data), FTabs(new QTabBar), FList(new QTreeWidget),
      FDontShow(new QCheckBox(QStringLiteral("Don't show this startup dialog again"))) {
  setObjectName(QStringLiteral("StartupForm"));
  setWindowTitle(QStringLiteral("Welcome to vantriadesk"));
  setModal(false);
  resize(520, 380);

  FTabs->addTab(QStringLiteral("Recent Projects"));
  FTabs->addTab(QStringLiteral("Demo Projects"));
  FList->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Description"), QStringLiteral("Size")});
  FList->setRootIsDecorated(false);
  FList->setColumnWidth(0, 280);
  FList->setColumnWidth(1, 100);
  FList->setColumnWidth(2, 70);
  FList->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  FList->setContextMenuPolicy(Qt::CustomContextMenu);

  auto *newProject = new QPushButton(QStringLiteral("New Project..."));
  auto *openProject = new QPushButton(QStringLiteral("Open Project..."));
  auto *tutorials = new QPushButton(QStringLiteral("View Animated Tutorials"));
  newProject->setEnabled(FData.Commands().Action(QStringLiteral("aFileNew"))->isEnabled());
  FDontShow->setChecked(!FData.Config().Dialogs().GetShowStartup());

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(newProject);
  buttons->addWidget(openProject);
  buttons->addStretch();
  buttons->addWidget(tutorials);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(FTabs);
  layout->addWidget(FList, 1);
  layout->addWidget(FDontShow);

  connect(newProject, &QPushButton::clicked, FData.Commands().Action(QStringLiteral("aFileNew")), &QAction::trigger);
  connect(openProject, &QPushButton::clicked, &FData, &TVnDataModule::FileOpen);
  connect(tutorials, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QLatin1String(kVnAnimatedTutorialsAddress))); });
  connect(FDontShow, &QCheckBox::toggled, this, [this](bool dontShow) { FData.Config().Dialogs().SetShowStartup(!dontShow); });
  // A first start has no recent projects: the demos are the way in.
  if (FData.RecentFiles().isEmpty())
    FTabs->setCurrentIndex(tabDemo);
  connect(FTabs, &QTabBar::currentChanged, this, &TVnStartupForm::Reload);
  connect(FList, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem *item) { OpenEntry(FList->indexOfTopLevelItem(item)); });
  connect(FList, &QWidget::customContextMenuRequested, this, &TVnStartupForm::ShowContextMenu);
  connect(&FData, &TVnDataModule::RecentFilesChanged, this, [this] {
    if (FTabs->currentIndex() == tabRecent)
      Reload();
  });
  Reload();
}

void TVnStartupForm::SetTab(TTab tab) {
  FTabs->setCurrentIndex(tab);
  Reload();
}

void TVnStartupForm::Reload() {
  const bool recent = FTabs->currentIndex() == tabRecent;
  const QList<TVnStartupEntry> entries =
      recent ? VnRecentProjectEntries(FData.RecentFiles()) : VnDemoProjectEntries(DemoProjectsFolder());
  FList->clear();
  for (const TVnStartupEntry &entry : entries) {
    auto *item = new QTreeWidgetItem(FList, {recent ? entry.Path : QFileInfo(entry.Path).fileName(),
                                             entry.Description, entry.Size});
    item->setData(0, Qt::UserRole, entry.Path);
    item->setToolTip(0, entry.Path);
    item->setToolTip(1, entry.Description);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  if (FList->topLevelItemCount() > 0)
    FList->setCurrentItem(FList->topLevelItem(0));
}

QString TVnStartupForm::EntryPath(int row) const {
  QTreeWidgetItem *item = FList->topLevelItem(row);
  return item ? item->data(0, Qt::UserRole).toString() : QString();
}

bool TVnStartupForm::OpenPath(const QString &path) {
  if (QFileInfo(path).isFile())
    return FData.OpenProject(path); // reports why it could not
  VnMessageDlg(QStringLiteral("Project file %1 no more exists").arg(path), TVnMsgType::Error, TVnMsgButton::OK,
               hcProjectMissing);
  return false;
}

bool TVnStartupForm::OpenEntry(int row) {
  QString path = EntryPath(row);
  if (path.isEmpty() || !FData.FileClose())
    return false;
  // A bare name refers to the demo projects folder.
  if (QFileInfo(path).isRelative())
    path = QDir(DemoProjectsFolder()).filePath(path);
  if (OpenPath(path))
    return true;
  FData.RemoveRecentFile(path);
  if (FTabs->currentIndex() == tabDemo)
    delete FList->topLevelItem(row);
  const QString backup = VnProjectBackupName(path);
  if (!QFileInfo(backup).isFile())
    return false;
  const TVnMsgButton answer = VnMessageDlg(
      QStringLiteral("Project file is corrupted. Project backup found in %1. Open project from the backup file?").arg(backup),
      TVnMsgType::Error, TVnMsgButton::Yes | TVnMsgButton::No);
  return answer == TVnMsgButton::Yes && OpenPath(backup);
}

void TVnStartupForm::RemoveEntry(int row) {
  FData.RemoveRecentFile(EntryPath(row));
  delete FList->topLevelItem(row);
}

void TVnStartupForm::RemoveDeletedEntries() {
  for (const TVnStartupEntry &entry : VnRecentProjectEntries(FData.RecentFiles()))
    if (!entry.Exists)
      FData.RemoveRecentFile(entry.Path);
  Reload();
}

void TVnStartupForm::RemoveAllEntries() {
  FData.SetRecentFiles({});
  Reload();
}

void TVnStartupForm::ShowContextMenu(const QPoint &position) {
  const int row = FList->indexOfTopLevelItem(FList->itemAt(position));
  QMenu menu(this);
  QAction *open = menu.addAction(QStringLiteral("Open"), this, [this, row] { OpenEntry(row); });
  QAction *folder = menu.addAction(QStringLiteral("Open Folder"), this,
                                   [this, row] { OpenWithShell(QFileInfo(EntryPath(row)).absolutePath()); });
  menu.addSeparator();
  QAction *remove = menu.addAction(QStringLiteral("Remove from List"), this, [this, row] { RemoveEntry(row); });
  menu.addAction(QStringLiteral("Remove Deleted Projects from List"), this, &TVnStartupForm::RemoveDeletedEntries);
  menu.addAction(QStringLiteral("Remove All Projects from List"), this, &TVnStartupForm::RemoveAllEntries);
  for (QAction *action : {open, folder, remove})
    action->setEnabled(row >= 0);
  menu.exec(FList->viewport()->mapToGlobal(position));
}

#include "moc_VnStartupForm.cpp"
