#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TVnV7Project;

/// "Project Languages": the project's native language and the ordered list of
/// languages it is translated into. OK applies the choice to the project.
class TVnLanguagesForm : public QDialog {
  Q_OBJECT
public:
  TVnLanguagesForm(TVnV7Project &project, QWidget *parent = nullptr);

  /// Opens the custom languages dialog; true when it was closed with OK.
  /// Replaceable so that tests need no second dialog.
  std::function<bool()> EditCustomLanguages;

  QTreeWidget *Tree() const { return FTree; }
  QListWidget *Targets() const { return FTargets; }
  QComboBox *NativeBox() const { return FNative; }
  QPushButton *OkButton() const { return FOk; }
  QPushButton *AddButton() const { return FAdd; }
  QPushButton *RemoveButton() const { return FRemove; }

  /// Adds the selected tree node's language to the end of the list, unless listed.
  void AddSelected();
  /// Asks, then removes the selected language from the list.
  void RemoveSelected();
  void MoveSelected(int step);
  /// The codes of the list, in order.
  QStringList TargetCodes() const;
  /// Rebuilds the tree of available languages, with the filter's text.
  void BuildTree();

  /// What a drop does: a tree node dropped on the list is added, a list item
  /// dropped on the tree is removed (with the question). Moves within the
  /// list are the list's own.
  void DroppedOnTargets(const QObject *source);
  void DroppedOnTree(const QObject *source);

  void accept() override;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void FillNativeBox();
  void AddTreeNode(QTreeWidgetItem *parent, const QString &text, const QString &code);
  QString NodeText(QTreeWidgetItem *item) const;
  bool Listed(const QString &text) const;
  void UpdateButtons();

  TVnV7Project &FProject; // not owned
  QComboBox *FNative;
  QLineEdit *FFilter;
  QTreeWidget *FTree;
  QListWidget *FTargets;
  QPushButton *FAdd, *FRemove, *FUp, *FDown, *FCustom, *FOk;
};
