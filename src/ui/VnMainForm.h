#pragma once

#include <QMainWindow>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QSplitter;
class QStackedWidget;
class QTextBrowser;
class QTextEdit;
class QToolBar;
class TVnDataModule;
class TVnGridModel;
class TVnGridVST;
class TVnGridVSTUI;
class TVnStartupForm;
class TVnTargetsModel;
class TVnTargetsVST;

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

  /// Applies view options changed in the configuration (whitespace symbols,
  /// relative target paths, the progress column); for the Options dialog.
  void ReadViewOptions();

  TVnGridVST *Grid() const { return FGrid; }
  TVnGridVSTUI *GridUI() const { return FGridUI; }
  TVnTargetsVST *Tree() const { return FTree; }

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void CreateLayout();
  QWidget *CreateEditors();
  void CreateHeaderMenu();
  void ConnectGridCommands();
  void UpdateGridCommands();
  void FillHistoryMenu(QMenu &menu, bool back);
  void CreateToolBars();
  void CreateStatusBar();
  void ConnectCommands();
  void RebuildReopenMenu();
  void RebuildLanguageMenu();
  void ChoosePage();
  void OpenFromCommandLine();
  void ShowStartupForm();
  void ShowAbout();

  TVnDataModule &FData; // not owned
  QStringList FArguments;
  bool FShownOnce = false;
  TVnGridModel *FGridModel;       // child
  TVnTargetsModel *FTreeModel;    // child
  TVnGridVST *FGrid = nullptr;    // child widget
  TVnGridVSTUI *FGridUI = nullptr; // child
  TVnTargetsVST *FTree = nullptr; // child widget
  QMenu *FHeaderMenu = nullptr;
  QSplitter *FMainSplitter = nullptr;
  QSplitter *FGridSplitter = nullptr;
  QSplitter *FLogSplitter = nullptr;
  QStackedWidget *FPages = nullptr;
  QLabel *FNativeLabel = nullptr;
  QLabel *FTranslationLabel = nullptr;
  QTextEdit *FNativeEdit = nullptr;
  QTextEdit *FTranslationEdit = nullptr;
  QLineEdit *FRowCommentEdit = nullptr;
  QLineEdit *FTransCommentEdit = nullptr;
  QLineEdit *FMaxWidthEdit = nullptr;
  QComboBox *FStatusCombo = nullptr;
  QTextBrowser *FLog = nullptr;
  QToolBar *FStandardBar = nullptr;
  QToolBar *FBeginnerBar = nullptr;
  QToolBar *FNavigationBar = nullptr;
  QLabel *FHintPanel = nullptr;
  QLabel *FModifiedPanel = nullptr;
  QLabel *FProgressPanel = nullptr;
  QProgressBar *FProgressBar = nullptr;
  TVnStartupForm *FStartup = nullptr; // child window
};
