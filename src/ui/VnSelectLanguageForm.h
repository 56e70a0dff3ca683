#pragma once

#include <QDialog>

class QDialogButtonBox;
class QTreeWidget;
class QTreeWidgetItem;

/// Picks a Windows language: a tree of primary languages with their
/// sub-languages (countries). A language with a single sub-language shows no
/// children; choosing it gives the code of the language without country.
class TVnSelectLanguageForm : public QDialog {
  Q_OBJECT
public:
  explicit TVnSelectLanguageForm(QWidget *parent = nullptr);

  /// The code of the selected node: CodeOfLcid(primary | sub << 10) for a
  /// sub-language, CodeOfLcid(primary) for a primary language; empty when
  /// nothing is selected.
  QString SelectedCode() const;
  /// Selects the node that carries that code; false when there is none.
  bool SelectCode(const QString &code);
  QTreeWidget *Tree() const { return FTree; }

private:
  void Fill();
  void UpdateButtons();
  static QString CodeOfItem(const QTreeWidgetItem *item);

  QTreeWidget *FTree;
  QDialogButtonBox *FButtons;
};
