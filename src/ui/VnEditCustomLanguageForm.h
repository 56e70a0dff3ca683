#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QLineEdit;
class QToolButton;

/// Edits one custom language: its code and the name shown for it. OK checks
/// the form of the code and refuses a code that is taken, either by another
/// custom language or by a language the program knows itself.
class TVnEditCustomLanguageForm : public QDialog {
  Q_OBJECT
public:
  /// Picks a base language; no value when the user cancels.
  using TSelectLanguage = std::function<std::optional<QString>(QWidget *parent)>;

  /// `takenCodes` are the codes of the other custom languages in the list being
  /// edited.
  explicit TVnEditCustomLanguageForm(QStringList takenCodes = {}, QWidget *parent = nullptr);

  /// Fills the fields with an existing entry; its own code stays allowed on OK.
  void SetEntry(const QString &code, const QString &name);
  QString Code() const;
  QString Name() const;

  /// Replaces the "Select language" dialog that "..." shows.
  void SetSelectLanguage(TSelectLanguage select) { FSelectLanguage = std::move(select); }
  /// What "..." does: asks for a base language and takes it over.
  void SelectBaseLanguage();

  QLineEdit *CodeEdit() const { return FCode; }
  QLineEdit *NameEdit() const { return FName; }
  QToolButton *SelectButton() const { return FSelect; }

  /// Checks the fields and closes the dialog when they are sound; otherwise
  /// tells the user why and keeps it open.
  void accept() override;

  /// Shows the "Select language" dialog modally.
  static std::optional<QString> ShowSelectLanguage(QWidget *parent);

private:
  void UpdateButtons();

  QStringList FTakenCodes;
  QString FOwnCode;
  TSelectLanguage FSelectLanguage;
  QLineEdit *FCode;
  QLineEdit *FName;
  QToolButton *FSelect;
  QDialogButtonBox *FButtons;
};
