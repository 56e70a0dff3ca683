#include "ui/VnDataModule.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnWebAddresses.h"

#include "config/VnConfiguration.h"
#include "core/VnError.h"
#include "core/VnFileDialogs.h"
#include "core/VnFolders.h"
#include "core/VnMessages.h"
#include "plugins/VnConfiguredPlugins.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include <initializer_list>

namespace {

const char *const kOpenFilter =
    "Vantria 7 projects (*.v7p)|*.v7p|Vantria 7 exchange projects (*.v7x)|*.v7x|"
    "Vantria 5 & 6 projects (*.vpr)|*.vpr|All Vantria files (*.v7p;*.v7x;*.vpr)|*.v7p;*.v7x;*.vpr|"
    "Tmx-files (*.tmx)|*.tmx";
const char *const kSaveFilter = "Vantria 7 projects (*.v7p)|*.v7p|Tmx-files (*.tmx)|*.tmx";
constexpr int kTmxSaveFilter = 2;

/// Shows the hourglass while a long step runs.
class TBusyCursor {
public:
  TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

bool HasExtension(const QString &path, const char *extension) {
  return path.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

QString WithoutExtension(const QString &path) {
  const QFileInfo info(path);
  return info.suffix().isEmpty() ? path : info.path() + QLatin1Char('/') + info.completeBaseName();
}

QString WithExtension(const QString &path, const QString &extension) {
  return WithoutExtension(path) + QLatin1Char('.') + extension;
}

} // namespace

TVnDataModule::TVnDataModule(TVnConfiguration &config, QObject *parent)
    : QObject(parent), FConfig(config), FProject(&FProgress), FCommands(new TVnCommandList(this)) {
  FTimer.setInterval(1);
  FConfig.LoadConfiguration();
  for (TVnPluginManager *manager : std::initializer_list<TVnPluginManager *>{
           &FScannerManager, &FImporterManager, &FExporterManager, &FTMManager, &FEditorManager})
    manager->SetFolder(QString());
  VnLoadImporters(FConfig.Importers(), FImporterManager);
  VnLoadMemories(FConfig.TM(), FTMManager);
  FRecent = FConfig.Projects().GetRecentProjects();
  VnEnsureDemoProjects();
  FCommands->Action(QStringLiteral("aBatchTranslation"))->setText(QStringLiteral("Batch Translate"));
  WireProject();
  WireCommands();
  UpdateCommands();
}

TVnDataModule::~TVnDataModule() {
  FConfig.Projects().SetRecentProjects(FRecent);
  VnSaveImporters(FConfig.Importers(), FImporterManager);
  VnSaveMemories(FConfig.TM(), FTMManager);
  try {
    FConfig.SaveConfiguration();
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Error);
  }
}

void TVnDataModule::WireProject() {
  FProject.OnUpdate = [this](TVnCustomProject &) {
    UpdateCommands();
    emit ProjectUpdated();
  };
  FProject.OnChanged = [this](TVnCustomProject &) {
    UpdateCommands();
    emit Refresh();
  };
  FProgress.OnProgress = [this](TVnProgress &) { emit ProgressChanged(); };
  FProject.OnLanguageChanged = [this](TVnCustomProject &) { emit LanguageChanged(); };
  FProject.OnAfterOpen = [this](TVnCustomProject &) { emit ProjectOpened(); };
  FProject.OnChangedClose = [this](TVnCustomProject &) { return AskSaveChanges(); };
}

void TVnDataModule::WireCommands() {
  // Commands whose work does not exist yet stay disabled.
  for (QAction *action : FCommands->Actions())
    action->setEnabled(false);
  auto on = [this](const char *name, auto handler) {
    connect(FCommands->Action(QLatin1String(name)), &QAction::triggered, this, handler);
  };
  on("aFileOpen", [this] { FileOpen(); });
  on("aFileSave", [this] { FileSave(); });
  on("aFileSaveAs", [this] { FileSaveAs(); });
  on("aFileClose", [this] { FileClose(); });
}

void TVnDataModule::UpdateCommands() {
  const bool open = FProject.Opened();
  FCommands->Action(QStringLiteral("aFileOpen"))->setEnabled(true);
  FCommands->Action(QStringLiteral("aFileExit"))->setEnabled(true);
  FCommands->Action(QStringLiteral("aFileSave"))->setEnabled(open && FProject.Modified());
  FCommands->Action(QStringLiteral("aFileSaveAs"))->setEnabled(open);
  FCommands->Action(QStringLiteral("aFileClose"))->setEnabled(open);
  FCommands->Action(QStringLiteral("aProjectLang"))->setEnabled(open);
}

void TVnDataModule::AddRecentFile(const QString &path) {
  FRecent.removeAll(path);
  FRecent.prepend(path);
  emit RecentFilesChanged();
}

void TVnDataModule::RemoveRecentFile(const QString &path) {
  if (FRecent.removeAll(path) > 0)
    emit RecentFilesChanged();
}

void TVnDataModule::SetRecentFiles(const QStringList &paths) {
  FRecent = paths;
  emit RecentFilesChanged();
}

TVnCloseAnswer TVnDataModule::AskSaveChanges() {
  const QString name = QFileInfo(FProject.FileName()).fileName();
  const TVnMsgButton answer = VnMessageDlg(QStringLiteral("Save changes to project %1?").arg(name),
                                           TVnMsgType::Confirmation,
                                           TVnMsgButton::Yes | TVnMsgButton::No | TVnMsgButton::Cancel);
  if (answer == TVnMsgButton::No)
    return TVnCloseAnswer::Close;
  if (answer != TVnMsgButton::Yes)
    return TVnCloseAnswer::Cancel;
  // A save that fails or whose dialog is cancelled must not lose the changes.
  const bool saved = FProject.FileName().isEmpty() ? FileSaveAs() : FileSave();
  return saved ? TVnCloseAnswer::Close : TVnCloseAnswer::Cancel;
}

void TVnDataModule::ReportOpenFailure(const QString &path, const QString &reason) {
  VnMessageDlg(QStringLiteral("The project file %1 cannot be opened.\n\n%2").arg(path, reason), TVnMsgType::Error,
               TVnMsgButton::OK | TVnMsgButton::Help, hcCannotOpenProject);
}

void TVnDataModule::ShowUnavailable(const QString &what) {
  VnMessageDlg(QStringLiteral("%1 is not available in this version.").arg(what), TVnMsgType::Information);
}

bool TVnDataModule::OpenProject(const QString &path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  try {
    TBusyCursor busy;
    if (!FProject.Open(absolute))
      return false;
  } catch (const EVnError &e) {
    ReportOpenFailure(absolute, e.Message());
    return false;
  }
  AddRecentFile(FProject.FileName());
  return true;
}

void TVnDataModule::FileOpen() {
  if (!FileClose())
    return;
  TVnFileDialogRequest request;
  request.Title = QStringLiteral("Open project file");
  request.Filter = QLatin1String(kOpenFilter);
  request.DefaultExt = QStringLiteral("v7p");
  const TVnFileDialogResult chosen = VnFileDialogs().Open(request);
  if (!chosen.Accepted())
    return;
  const QString path = chosen.Files.first();
  if (HasExtension(path, ".vpr")) {
    const TVnMsgButton answer = VnMessageDlg(
        QStringLiteral("This project is created with an old version of Vantria. It can't be opened directly. "
                       "Click \"Yes\" to open upgrade instructions, or \"No\" to close this dialog."),
        TVnMsgType::Information, TVnMsgButton::Yes | TVnMsgButton::No, hcOldProjectVersion);
    if (answer == TVnMsgButton::Yes)
      QDesktopServices::openUrl(QUrl(QLatin1String(kVnUpgradeInstructionsAddress)));
    return;
  }
  if (HasExtension(path, ".tmx")) {
    if (!ConvertTmxToProject)
      return ShowUnavailable(QStringLiteral("Opening TMX files"));
    TBusyCursor busy;
    const QString converted = ConvertTmxToProject(path);
    if (!converted.isEmpty())
      OpenProject(converted);
    return;
  }
  OpenProject(path);
}

void TVnDataModule::FileReopen(const QString &path) {
  if (!FileClose())
    return;
  const QFileInfo info(path);
  if (!info.exists() || !info.isReadable()) {
    RemoveRecentFile(path);
    VnMessageDlg(QStringLiteral("Project file %1 no more exists").arg(path), TVnMsgType::Error, TVnMsgButton::OK,
                 hcProjectMissing);
    return;
  }
  OpenProject(path);
}

bool TVnDataModule::FileSave() {
  const QString fileName = FProject.FileName();
  if (fileName.isEmpty() || HasExtension(fileName, ".tmx"))
    return FileSaveAs();
  {
    TBusyCursor busy;
    FProject.Save();
  }
  emit Refresh();
  return !FProject.Modified();
}

bool TVnDataModule::FileSaveAs() {
  TVnFileDialogRequest request;
  request.Title = QStringLiteral("Save project as");
  request.Filter = QLatin1String(kSaveFilter);
  request.DefaultExt = QStringLiteral("v7p");
  request.ConfirmOverwrite = true;
  request.MustExist = false;
  request.FileName = FProject.FileName().isEmpty() ? QString() : WithoutExtension(FProject.FileName());
  if (request.FileName.isEmpty()) {
    const QString target = FProject.IsEmpty() ? QString()
                                              : FProject.GetTargetFileName(std::max(0, FProject.Targets().ItemIndex()));
    request.FileName = target.isEmpty() ? QStringLiteral("Untitled.v7p") : WithExtension(target, QStringLiteral("v7p"));
  }
  const TVnFileDialogResult chosen = VnFileDialogs().Save(request);
  bool saved = false;
  if (chosen.Accepted()) {
    const bool tmx = chosen.FilterIndex == kTmxSaveFilter;
    const QString path = WithExtension(QFileInfo(chosen.Files.first()).absoluteFilePath(),
                                       tmx ? QStringLiteral("tmx") : QStringLiteral("v7p"));
    if (tmx) {
      if (SaveAsTmx)
        SaveAsTmx(path);
      else
        ShowUnavailable(QStringLiteral("Saving as TMX"));
    } else {
      TBusyCursor busy;
      FProject.SaveAs(path);
      saved = !FProject.Modified();
      if (saved)
        AddRecentFile(path);
    }
  }
  UpdateCommands();
  emit Refresh();
  return saved;
}

bool TVnDataModule::FileClose() {
  FLastCloseSucceeded = FProject.CloseQuery();
  UpdateCommands();
  emit Refresh();
  return FLastCloseSucceeded;
}

#include "moc_VnDataModule.cpp"
