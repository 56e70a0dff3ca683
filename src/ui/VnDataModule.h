#pragma once

#include "core/VnProgress.h"
#include "plugins/VnImporterManager.h"
#include "plugins/VnScannerManager.h"
#include "project/VnV7Project.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class TVnCommandList;
class TVnConfiguration;

/// The program's main data module: it owns the project, the progress sink, the
/// timer and the command list, and carries out the project file commands. It
/// holds no window, so the commands run in tests without one.
class TVnDataModule : public QObject {
  Q_OBJECT
public:
  /// Loads `config` (not owned) and the recent-project list from it.
  explicit TVnDataModule(TVnConfiguration &config, QObject *parent = nullptr);
  /// Stores the recent-project list and saves the configuration; a failure is
  /// reported, never thrown.
  ~TVnDataModule() override;

  TVnV7Project &Project() { return FProject; }
  TVnProgress &Progress() { return FProgress; }
  QTimer &Timer() { return FTimer; }
  TVnCommandList &Commands() { return *FCommands; }
  TVnConfiguration &Config() { return FConfig; }

  // The plug-in managers, searching the plug-ins folder once at start-up.
  TVnScannerManager &ScannerManager() { return FScannerManager; }
  TVnImporterManager &ImporterManager() { return FImporterManager; }
  TVnExporterManager &ExporterManager() { return FExporterManager; }
  TVnTMManager &TMManager() { return FTMManager; }
  TVnEditorManager &EditorManager() { return FEditorManager; }

  /// The Reopen list, most recent first.
  const QStringList &RecentFiles() const { return FRecent; }
  /// Puts a path at the top of the Reopen list.
  void AddRecentFile(const QString &path);
  void RemoveRecentFile(const QString &path);
  void SetRecentFiles(const QStringList &paths);

  /// Set by Close; Open, Reopen and New go on only when it is set.
  bool LastCloseSucceeded() const { return FLastCloseSucceeded; }

  /// Opens a project file and puts it on top of the Reopen list; an error box
  /// reports a failure. True when the project is open.
  bool OpenProject(const QString &path);
  void FileOpen();
  void FileReopen(const QString &path);
  /// True when the project was written (or had nothing to write).
  bool FileSave();
  bool FileSaveAs();
  bool FileClose();

  /// Recomputes which commands are available.
  void UpdateCommands();

  /// Saving as TMX and opening a TMX file are carried out by the TMX
  /// conversion; until it is installed the user is told it is not available.
  std::function<void(const QString &path)> SaveAsTmx;
  std::function<QString(const QString &tmxPath)> ConvertTmxToProject;

signals:
  /// The project's content or its current target or language changed: views re-read it.
  void ProjectUpdated();
  /// The file state changed (name, modified): the caption and status bar refresh.
  void Refresh();
  /// The progress text or percentage changed.
  void ProgressChanged();
  void RecentFilesChanged();
  void LanguageChanged();
  void ProjectOpened();

private:
  void WireProject();
  void WireCommands();
  TVnCloseAnswer AskSaveChanges();
  void ReportOpenFailure(const QString &path, const QString &reason);
  void ShowUnavailable(const QString &what);

  TVnConfiguration &FConfig; // not owned
  TVnScannerManager FScannerManager;
  TVnImporterManager FImporterManager;
  TVnExporterManager FExporterManager;
  TVnTMManager FTMManager;
  TVnEditorManager FEditorManager;
  TVnProgress FProgress;
  TVnV7Project FProject;
  QTimer FTimer;
  TVnCommandList *FCommands; // owned as a child
  QStringList FRecent;
  bool FLastCloseSucceeded = true;
};

/// Help context numbers of the project file commands' messages.
enum TVnHelpContext {
  hcProjectMissing = 2001,
  hcOldProjectVersion = 2014,
  hcCannotOpenProject = 2023,
};
