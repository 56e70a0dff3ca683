#include "ui/VnEditCustomLanguageForm.h"

#include "ui/VnSelectLanguageForm.h"

#include "core/VnCustomLanguages.h"
#include "core/VnLanguages.h"
#include "core/VnMessages.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TVnEditCustomLanguageForm::TVnEditCustomLanguageForm(QStringList takenCodes, QWidget *parent)
    : QDialog(parent), FTakenCodes(std::move(takenCodes)), FSelectLanguage(&ShowSelectLanguage),
      FCode(new QLineEdit), FName(new QLineEdit), FSelect(new QToolButton),
      FButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName(QStringLiteral("EditCustomLanguageForm"));
  setWindowTitle(QStringLiteral("Edit custom language"));
  setMinimumWidth(360);

  FCode->setObjectName(QStringLiteral("Code"));
  FName->setObjectName(QStringLiteral("Name"));
  FSelect->setText(QStringLiteral("..."));
  FSelect->setToolTip(QStringLiteral("Select base language"));

  auto *codeLabel = new QLabel(QStringLiteral("&ISO Language Code:"));
  codeLabel->setBuddy(FCode);
  auto *nameLabel = new QLabel(QStringLiteral("&Visible Name:"));
  nameLabel->setBuddy(FName);

  auto *fields = new QGridLayout;
  fields->addWidget(codeLabel, 0, 0);
  fields->addWidget(FCode, 0, 1);
  fields->addWidget(FSelect, 0, 2);
  fields->addWidget(nameLabel, 1, 0);
  fields->addWidget(FName, 1, 1, 1, 2);
  fields->setColumnStretch(1, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch();
  layout->addWidget(FButtons);

  connect(FButtons, &QDialogButtonBox::accepted, this, &TVnEditCustomLanguageForm::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FSelect, &QToolButton::clicked, this, &TVnEditCustomLanguageForm::SelectBaseLanguage);
  connect(FCode, &QLineEdit::textChanged, this, &TVnEditCustomLanguageForm::UpdateButtons);
  connect(FName, &QLineEdit::textChanged, this, &TVnEditCustomLanguageForm::UpdateButtons);
  UpdateButtons();
}

void TVnEditCustomLanguageForm::SetEntry(const QString &code, const QString &name) {
  FOwnCode = code;
  FCode->setText(code);
  FName->setText(name);
}

QString TVnEditCustomLanguageForm::Code() const { return FCode->text(); }

QString TVnEditCustomLanguageForm::Name() const { return FName->text(); }

void TVnEditCustomLanguageForm::UpdateButtons() {
  FButtons->button(QDialogButtonBox::Ok)->setEnabled(!FCode->text().isEmpty() && !FName->text().isEmpty());
}

std::optional<QString> TVnEditCustomLanguageForm::ShowSelectLanguage(QWidget *parent) {
  TVnSelectLanguageForm form(parent);
  if (form.exec() != QDialog::Accepted || form.SelectedCode().isEmpty())
    return std::nullopt;
  return form.SelectedCode();
}

void TVnEditCustomLanguageForm::SelectBaseLanguage() {
  if (!FSelectLanguage)
    return;
  const std::optional<QString> code = FSelectLanguage(this);
  if (!code || code->isEmpty())
    return;
  FCode->setText(*code);
  if (FName->text().isEmpty())
    FName->setText(DisplayNameOfCode(*code));
}

void TVnEditCustomLanguageForm::accept() {
  // OK is disabled while a field is empty; this guards calls made another way.
  if (FCode->text().isEmpty() || FName->text().isEmpty())
    return;
  const QString code = Code();
  QString refusal;
  if (!TVnCustomLanguages::IsValidCode(code)) {
    refusal = QStringLiteral("Invalid ISO language code!\r\nRight format is xx_XX.xx where first two symbols are "
                             "required ((e.g.: \"en_US\" or \"en\")).");
  } else if (code != FOwnCode && FTakenCodes.contains(code)) {
    refusal = QStringLiteral("The custom language code \"%1\" is already in use. Choose another code.").arg(code);
  } else if (code != FOwnCode && TVnCustomLanguages::IsBuiltInCode(code)) {
    refusal = QStringLiteral("\"%1\" is already the code of %2. Choose another code for the custom language.")
                  .arg(code, DisplayNameOfCode(code));
  }
  if (!refusal.isEmpty()) {
    VnMessageDlg(refusal, TVnMsgType::Error);
    FCode->setFocus();
    FCode->selectAll();
    return;
  }
  QDialog::accept();
}

#include "moc_VnEditCustomLanguageForm.cpp"
