#pragma once

#include <QDialog>

class QCheckBox;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class TVnDataModule;

/// The start-up dialog: recent and demo projects to open, and the way to a new
/// project. Modeless; shown while no project is open.
class TVnStartupForm : public QDialog {
  Q_OBJECT
public:
  enum TTab { tabRecent, tabDemo };

  TVnStartupForm(TVnDataModule &data, QWidget *parent = nullptr);

  /// Fills the list for the current tab.
  void Reload();
  void SetTab(TTab tab);
  QTreeWidget *List() const { return FList; }
  /// Opens the list entry at `row`, offering the backup when the file is
  /// damaged. True when a project is open afterwards.
  bool OpenEntry(int row);
  /// Removes entries from the list and from the Reopen list.
  void RemoveEntry(int row);
  void RemoveDeletedEntries();
  void RemoveAllEntries();

private:
  QString EntryPath(int row) const;
  bool OpenPath(const QString &path);
  void ShowContextMenu(const QPoint &position);

  TVnDataModule &FData; // not owned
  QTabBar *FTabs;
  QTreeWidget *FList;
  QCheckBox *FDontShow;
};
