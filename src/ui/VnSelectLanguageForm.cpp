#include "ui/VnSelectLanguageForm.h"

#include "core/VnLanguages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIdRole = Qt::UserRole;

} // namespace

TVnSelectLanguageForm::TVnSelectLanguageForm(QWidget *parent)
    : QDialog(parent), FTree(new QTreeWidget),
      FButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName(QStringLiteral("SelectLanguageForm"));
  setWindowTitle(QStringLiteral("Select language"));
  resize(340, 420);

  FTree->setObjectName(QStringLiteral("Languages"));
  FTree->setHeaderHidden(true);
  FTree->setColumnCount(1);
  FTree->setSelectionMode(QAbstractItemView::SingleSelection);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(FTree, 1);
  layout->addWidget(FButtons);

  connect(FButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FTree, &QTreeWidget::itemSelectionChanged, this, &TVnSelectLanguageForm::UpdateButtons);
  connect(FTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
    // A double click on a node is the same as choosing it and pressing OK.
    if (item && item->isSelected())
      accept();
  });
  Fill();
  UpdateButtons();
}

void TVnSelectLanguageForm::Fill() {
  FTree->clear();
  QList<TVnNamedId> primaries;
  ListPrimaryLanguages(primaries);
  std::stable_sort(primaries.begin(), primaries.end(), [](const TVnNamedId &a, const TVnNamedId &b) {
    return QString::compare(a.Text, b.Text, Qt::CaseInsensitive) < 0;
  });
  QList<TVnNamedId> subs;
  for (const TVnNamedId &primary : primaries) {
    auto *node = new QTreeWidgetItem(FTree, {PrimaryLanguageName(primary.Id)});
    node->setData(0, kIdRole, primary.Id);
    ListSubLanguages(primary.Id, subs, false);
    // A single sub-language adds nothing to choose from: the primary node stands for it.
    if (subs.size() < 2)
      continue;
    for (const TVnNamedId &sub : subs) {
      auto *child = new QTreeWidgetItem(node, {sub.Text});
      child->setData(0, kIdRole, sub.Id);
    }
  }
}

QString TVnSelectLanguageForm::CodeOfItem(const QTreeWidgetItem *item) {
  if (!item)
    return {};
  const int id = item->data(0, kIdRole).toInt();
  if (const QTreeWidgetItem *parent = item->parent())
    return CodeOfLcid(parent->data(0, kIdRole).toInt() | (id << 10));
  return CodeOfLcid(id);
}

QString TVnSelectLanguageForm::SelectedCode() const {
  const QList<QTreeWidgetItem *> selected = FTree->selectedItems();
  return selected.isEmpty() ? QString() : CodeOfItem(selected.first());
}

bool TVnSelectLanguageForm::SelectCode(const QString &code) {
  if (code.isEmpty())
    return false;
  for (QTreeWidgetItemIterator it(FTree); *it; ++it) {
    if (CodeOfItem(*it) == code) {
      FTree->setCurrentItem(*it);
      FTree->scrollToItem(*it, QAbstractItemView::PositionAtCenter);
      return true;
    }
  }
  return false;
}

void TVnSelectLanguageForm::UpdateButtons() {
  FButtons->button(QDialogButtonBox::Ok)->setEnabled(!FTree->selectedItems().isEmpty());
}

#include "moc_VnSelectLanguageForm.cpp"
