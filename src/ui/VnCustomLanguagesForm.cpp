#include "ui/VnCustomLanguagesForm.h"

#include "ui/VnEditCustomLanguageForm.h"

#include "core/VnError.h"
#include "core/VnMessages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum { colName, colCode };

} // namespace

TVnCustomLanguagesForm::TVnCustomLanguagesForm(QWidget *parent)
    : TVnCustomLanguagesForm(VnCustomLanguages(), parent) {}

TVnCustomLanguagesForm::TVnCustomLanguagesForm(TVnCustomLanguages &store, QWidget *parent)
    : QDialog(parent), FStore(store), FEditEntry(&ShowEditEntry), FList(new QTreeWidget),
      FAdd(new QPushButton(QStringLiteral("&Add"))), FEdit(new QPushButton(QStringLiteral("&Edit"))),
      FRemove(new QPushButton(QStringLiteral("&Remove"))),
      FButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName(QStringLiteral("CustomLanguagesForm"));
  setWindowTitle(QStringLiteral("Custom languages"));
  resize(440, 320);

  FList->setObjectName(QStringLiteral("Languages"));
  FList->setHeaderLabels({QStringLiteral("Visible Name"), QStringLiteral("ISO Code")});
  FList->setRootIsDecorated(false);
  FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The name takes the room the code leaves; no sideways scrolling for two columns.
  FList->header()->setStretchLastSection(false);
  FList->header()->setSectionResizeMode(colName, QHeaderView::Stretch);
  FList->header()->setSectionResizeMode(colCode, QHeaderView::Interactive);
  FList->header()->resizeSection(colCode, 110);
  // Action buttons are pressed on purpose, never by Enter.
  for (QPushButton *button : {FAdd, FEdit, FRemove})
    button->setAutoDefault(false);

  auto *side = new QVBoxLayout;
  side->addWidget(FAdd);
  side->addWidget(FEdit);
  side->addWidget(FRemove);
  side->addStretch();
  auto *body = new QHBoxLayout;
  body->addWidget(FList, 1);
  body->addLayout(side);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(FButtons);

  connect(FButtons, &QDialogButtonBox::accepted, this, &TVnCustomLanguagesForm::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FAdd, &QPushButton::clicked, this, &TVnCustomLanguagesForm::AddLine);
  connect(FEdit, &QPushButton::clicked, this, &TVnCustomLanguagesForm::EditLine);
  connect(FRemove, &QPushButton::clicked, this, &TVnCustomLanguagesForm::RemoveLines);
  connect(FList, &QTreeWidget::itemSelectionChanged, this, &TVnCustomLanguagesForm::UpdateButtons);
  connect(FList, &QTreeWidget::itemDoubleClicked, this, &TVnCustomLanguagesForm::EditLine);
  Reload();
}

void TVnCustomLanguagesForm::Reload() {
  FList->clear();
  for (const TVnCustomLanguage &entry : FStore.Entries())
    AppendLine(entry);
  if (FList->topLevelItemCount() > 0)
    FList->setCurrentItem(FList->topLevelItem(0));
  UpdateButtons();
}

void TVnCustomLanguagesForm::AppendLine(const TVnCustomLanguage &entry) {
  new QTreeWidgetItem(FList, {entry.Name, entry.Code});
}

QList<TVnCustomLanguage> TVnCustomLanguagesForm::Lines() const {
  QList<TVnCustomLanguage> lines;
  for (int row = 0; row < FList->topLevelItemCount(); ++row) {
    const QTreeWidgetItem *item = FList->topLevelItem(row);
    lines.append({item->text(colCode), item->text(colName)});
  }
  return lines;
}

QStringList TVnCustomLanguagesForm::CodesExceptRow(int row) const {
  QStringList codes;
  for (int i = 0; i < FList->topLevelItemCount(); ++i)
    if (i != row)
      codes.append(FList->topLevelItem(i)->text(colCode));
  return codes;
}

void TVnCustomLanguagesForm::UpdateButtons() {
  const bool selected = !FList->selectedItems().isEmpty();
  FEdit->setEnabled(selected);
  FRemove->setEnabled(selected);
}

std::optional<TVnCustomLanguage> TVnCustomLanguagesForm::ShowEditEntry(const TVnCustomLanguage &entry,
                                                                       const QStringList &taken, QWidget *parent) {
  TVnEditCustomLanguageForm form(taken, parent);
  if (!entry.Code.isEmpty() || !entry.Name.isEmpty())
    form.SetEntry(entry.Code, entry.Name);
  if (form.exec() != QDialog::Accepted)
    return std::nullopt;
  return TVnCustomLanguage{form.Code(), form.Name()};
}

void TVnCustomLanguagesForm::AddLine() {
  const std::optional<TVnCustomLanguage> entry = FEditEntry({}, CodesExceptRow(-1), this);
  if (!entry)
    return;
  AppendLine(*entry);
  FList->setCurrentItem(FList->topLevelItem(FList->topLevelItemCount() - 1));
}

void TVnCustomLanguagesForm::EditLine() {
  QTreeWidgetItem *item = FList->currentItem();
  if (!item || !item->isSelected())
    return;
  const int row = FList->indexOfTopLevelItem(item);
  const std::optional<TVnCustomLanguage> entry =
      FEditEntry({item->text(colCode), item->text(colName)}, CodesExceptRow(row), this);
  if (!entry)
    return;
  item->setText(colName, entry->Name);
  item->setText(colCode, entry->Code);
}

void TVnCustomLanguagesForm::RemoveLines() {
  const QList<QTreeWidgetItem *> selected = FList->selectedItems();
  for (QTreeWidgetItem *item : selected)
    delete item;
  UpdateButtons();
}

void TVnCustomLanguagesForm::accept() {
  const QList<TVnCustomLanguage> before = FStore.Entries();
  FStore.SetEntries(Lines());
  try {
    FStore.Save();
  } catch (const EVnError &error) {
    FStore.SetEntries(before);
    VnMessageDlg(QStringLiteral("The custom languages could not be saved to %1.\r\n%2")
                     .arg(FStore.FileName(), error.Message()),
                 TVnMsgType::Error);
    return;
  }
  QDialog::accept();
}

#include "moc_VnCustomLanguagesForm.cpp"
