#pragma once

#include <QMainWindow>
#include <QStringList>

class QLabel;
class QListWidget;
class QProgressBar;
class QSplitter;
class QStackedWidget;
class QTableView;
class QTextBrowser;
class QToolBar;
class TVnDataModule;
class TVnRowsPreviewModel;
class TVnStartupForm;

/// The main window: menus and tool bars from the command catalogue, the target
/// list, the rows, the log pane and the status bar. It shows what the data
/// module's project holds and hands every command to the data module.
class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  /// Pages of the main area: the rows, or why there are none.
  enum TPage { pgRows, pgNoTargets, pgDisabledTarget, pgEmptyTarget };

  /// `arguments` are the program's command-line parameters (without the program).
  TMainForm(TVnDataModule &data, QStringList arguments = {}, QWidget *parent = nullptr);
  ~TMainForm() override;

  TPage CurrentPage() const;
  /// The start-up dialog; null until it was first shown.
  TVnStartupForm *StartupForm() const { return FStartup; }
  /// Applies the project's file state to the caption, status bar and panes.
  void RefreshWindow();
  /// Re-reads the project's targets, languages and rows, then RefreshWindow.
  void RefreshContent();
  void RefreshStatusBar();

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void CreateLayout();
  void CreateToolBars();
  void CreateStatusBar();
  void ConnectCommands();
  void RebuildReopenMenu();
  void RebuildLanguageMenu();
  void RebuildTargetList();
  void ChoosePage();
  void OpenFromCommandLine();
  void ShowStartupForm();
  void ShowAbout();

  TVnDataModule &FData; // not owned
  QStringList FArguments;
  bool FShownOnce = false;
  TVnRowsPreviewModel *FRowsModel;
  QSplitter *FMainSplitter = nullptr;
  QSplitter *FLogSplitter = nullptr;
  QListWidget *FTargets = nullptr;
  QStackedWidget *FPages = nullptr;
  QTableView *FRows = nullptr;
  QTextBrowser *FLog = nullptr;
  QToolBar *FStandardBar = nullptr;
  QToolBar *FBeginnerBar = nullptr;
  QLabel *FHintPanel = nullptr;
  QLabel *FModifiedPanel = nullptr;
  QLabel *FProgressPanel = nullptr;
  QProgressBar *FProgressBar = nullptr;
  TVnStartupForm *FStartup = nullptr; // child window
};
