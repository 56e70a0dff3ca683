#pragma once

#include "core/VnCustomLanguages.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QPushButton;
class QTreeWidget;

/// Lists the custom languages of a store for adding, editing and removing.
/// OK writes the lines back to the store, in list order, and saves it;
/// Cancel leaves the store as it was.
class TVnCustomLanguagesForm : public QDialog {
  Q_OBJECT
public:
  /// Edits one entry; `taken` are the codes of the other lines. No value when
  /// the user cancels.
  using TEditEntry = std::function<std::optional<TVnCustomLanguage>(
      const TVnCustomLanguage &entry, const QStringList &taken, QWidget *parent)>;

  /// A dialog on `store` (not owned), by default the process-wide one.
  explicit TVnCustomLanguagesForm(TVnCustomLanguages &store, QWidget *parent = nullptr);
  explicit TVnCustomLanguagesForm(QWidget *parent = nullptr);

  /// The lines as they stand, in list order.
  QList<TVnCustomLanguage> Lines() const;
  QTreeWidget *List() const { return FList; }
  QPushButton *AddButton() const { return FAdd; }
  QPushButton *EditButton() const { return FEdit; }
  QPushButton *RemoveButton() const { return FRemove; }

  /// Replaces the "Edit custom language" dialog that Add and Edit show.
  void SetEditEntry(TEditEntry edit) { FEditEntry = std::move(edit); }

  /// Asks for a new entry and appends it as the selected line.
  void AddLine();
  /// Edits the current line in place.
  void EditLine();
  /// Removes the selected lines without asking.
  void RemoveLines();

  /// Writes the lines to the store and saves it; a save failure is reported and
  /// the dialog stays open with the store as it was.
  void accept() override;

  /// Shows the "Edit custom language" dialog modally.
  static std::optional<TVnCustomLanguage> ShowEditEntry(const TVnCustomLanguage &entry, const QStringList &taken,
                                                        QWidget *parent);

private:
  void Reload();
  void UpdateButtons();
  QStringList CodesExceptRow(int row) const;
  void AppendLine(const TVnCustomLanguage &entry);

  TVnCustomLanguages &FStore; // not owned
  TEditEntry FEditEntry;
  QTreeWidget *FList;
  QPushButton *FAdd;
  QPushButton *FEdit;
  QPushButton *FRemove;
  QDialogButtonBox *FButtons;
};
