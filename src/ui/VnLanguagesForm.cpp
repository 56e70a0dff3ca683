#include "ui/VnLanguagesForm.h"

#include "ui/VnCustomLanguagesForm.h"

#include "core/VnCustomLanguages.h"
#include "core/VnLanguages.h"
#include "core/VnMessages.h"
#include "core/VnSystemLanguages.h"
#include "project/VnProjectLanguages.h"
#include "project/VnV7Project.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCodeRole = Qt::UserRole;

QString FullCodeOf(const TVnSystemLanguage &language, const TVnSystemLocale &locale) {
  return FormatLanguageCode(language.Code, locale.Country, language.Variant, language.Script);
}

// The languages whose names the program knows, as the system lists them.
TVnSystemLanguages KnownLanguages() {
  TVnSystemLanguages languages;
  int added = 0, updated = 0;
  languages.LoadFromSystem(added, updated, false);
  return languages;
}

bool Named(const TVnSystemLanguage &language) {
  return !DisplayNameOfCode(language.FullCode().left(2)).isEmpty();
}

} // namespace

TVnLanguagesForm::TVnLanguagesForm(TVnV7Project &project, QWidget *parent)
    : QDialog(parent), FProject(project), FNative(new QComboBox), FFilter(new QLineEdit), FTree(new QTreeWidget),
      FTargets(new QListWidget), FAdd(new QPushButton(QStringLiteral("&>>"))),
      FRemove(new QPushButton(QStringLiteral("&<<"))), FUp(new QPushButton(QStringLiteral("&Up"))),
      FDown(new QPushButton(QStringLiteral("&Down"))), FCustom(new QPushButton(QStringLiteral("&Custom Languages..."))),
      FOk(nullptr) {
  setObjectName(QStringLiteral("LanguagesForm"));
  setWindowTitle(QStringLiteral("Project Languages"));
  resize(640, 460);
  FTree->setHeaderHidden(true);
  FTree->setExpandsOnDoubleClick(false);

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  FOk = buttons->button(QDialogButtonBox::Ok);
  auto *nativeLabel = new QLabel(QStringLiteral("Source/&Native language:"));
  nativeLabel->setBuddy(FNative);
  auto *filterLabel = new QLabel(QStringLiteral("&Filter:"));
  filterLabel->setBuddy(FFilter);
  auto *treeLabel = new QLabel(QStringLiteral("&Available languages:"));
  treeLabel->setBuddy(FTree);
  auto *targetLabel = new QLabel(QStringLiteral("&Target languages:"));
  targetLabel->setBuddy(FTargets);

  auto *middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(FAdd);
  middle->addWidget(FRemove);
  middle->addStretch();
  auto *order = new QHBoxLayout;
  order->addWidget(FUp);
  order->addWidget(FDown);
  order->addStretch();
  order->addWidget(FCustom);
  auto *grid = new QGridLayout;
  grid->addWidget(nativeLabel, 0, 0);
  grid->addWidget(FNative, 0, 1, 1, 3);
  grid->addWidget(filterLabel, 1, 0);
  grid->addWidget(FFilter, 1, 1);
  grid->addWidget(treeLabel, 2, 0, 1, 2);
  grid->addWidget(targetLabel, 2, 3);
  grid->addWidget(FTree, 3, 0, 1, 2);
  grid->addLayout(middle, 3, 2);
  grid->addWidget(FTargets, 3, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(order);
  layout->addWidget(buttons);

  EditCustomLanguages = [this] {
    TVnCustomLanguagesForm form(this);
    return form.exec() == QDialog::Accepted;
  };
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FAdd, &QPushButton::clicked, this, &TVnLanguagesForm::AddSelected);
  connect(FRemove, &QPushButton::clicked, this, &TVnLanguagesForm::RemoveSelected);
  connect(FUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
  connect(FDown, &QPushButton::clicked, this, [this] { MoveSelected(1); });
  connect(FCustom, &QPushButton::clicked, this, [this] {
    if (EditCustomLanguages())
      BuildTree();
  });
  connect(FFilter, &QLineEdit::textChanged, this, &TVnLanguagesForm::BuildTree);
  connect(FTree, &QTreeWidget::itemDoubleClicked, this, [this] { AddSelected(); });
  connect(FTree, &QTreeWidget::currentItemChanged, this, &TVnLanguagesForm::UpdateButtons);
  connect(FTree, &QTreeWidget::itemClicked, this, [](QTreeWidgetItem *item) { item->setExpanded(!item->isExpanded()); });
  connect(FTargets, &QListWidget::itemDoubleClicked, this, [this] { RemoveSelected(); });
  connect(FTargets, &QListWidget::currentRowChanged, this, &TVnLanguagesForm::UpdateButtons);
  connect(FNative, &QComboBox::currentIndexChanged, this, &TVnLanguagesForm::UpdateButtons);

  // Languages move by dragging as well as by the buttons.
  FTree->setDragEnabled(true);
  FTargets->setDragDropMode(QAbstractItemView::DragDrop);
  FTargets->setDefaultDropAction(Qt::MoveAction);
  for (QWidget *watched : {FTree->viewport(), FTargets->viewport(), static_cast<QWidget *>(FTargets)})
    watched->installEventFilter(this);
  FTree->setAcceptDrops(true);

  FillNativeBox();
  QString native = FProject.IsEmpty() ? QString() : FProject.GetTargetInfo(0).NativeLanguage;
  if (DisplayNameOfCode(native).isEmpty())
    native = QStringLiteral("en");
  FNative->setCurrentIndex(FNative->findData(native, kCodeRole));
  for (int l = 0; l < FProject.Languages().Count(); ++l) {
    const QString code = FProject.GetLanguage(l);
    auto *item = new QListWidgetItem(DisplayNameOfCode(code), FTargets);
    item->setData(kCodeRole, code);
  }
  FTargets->setCurrentRow(0);
  BuildTree();
}

void TVnLanguagesForm::FillNativeBox() {
  const TVnSystemLanguages languages = KnownLanguages();
  QSet<QString> added;
  auto add = [&](const QString &code) {
    const QString name = DisplayNameOfCode(code);
    if (name.isEmpty() || added.contains(name))
      return;
    added.insert(name);
    FNative->addItem(name, code);
  };
  for (qsizetype i = 0; i < languages.Count(); ++i) {
    const TVnSystemLanguage &language = languages[i];
    if (!Named(language))
      continue;
    add(language.FullCode());
    for (const TVnSystemLocale &locale : language.Locales)
      add(FullCodeOf(language, locale));
  }
}

void TVnLanguagesForm::AddTreeNode(QTreeWidgetItem *parent, const QString &text, const QString &code) {
  auto *item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(FTree, {text});
  item->setData(0, kCodeRole, code);
}

void TVnLanguagesForm::BuildTree() {
  FTree->clear();
  const QString filter = FFilter->text();
  const QList<TVnCustomLanguage> customs = VnCustomLanguages().Entries();
  QSet<QString> names;
  const TVnSystemLanguages languages = KnownLanguages();
  for (qsizetype i = 0; i < languages.Count(); ++i) {
    const TVnSystemLanguage &language = languages[i];
    if (!Named(language))
      continue;
    const QString name = DisplayNameOfCode(language.FullCode());
    if (names.contains(name) || (!filter.isEmpty() && !name.startsWith(filter, Qt::CaseInsensitive)))
      continue;
    names.insert(name);
    AddTreeNode(nullptr, name, language.FullCode());
    QTreeWidgetItem *node = FTree->topLevelItem(FTree->topLevelItemCount() - 1);
    if (language.Locales.size() > 1) {
      QSet<QString> children;
      for (const TVnSystemLocale &locale : language.Locales) {
        const QString code = FullCodeOf(language, locale);
        const QString child = DisplayNameOfCode(code);
        if (!children.contains(child)) {
          children.insert(child);
          AddTreeNode(node, child, code);
        }
      }
    }
    for (const TVnCustomLanguage &custom : customs)
      if (custom.Code.left(2) == language.FullCode())
        AddTreeNode(node, custom.Name, custom.Code);
  }
  for (const TVnCustomLanguage &custom : customs)
    if (filter.isEmpty() || custom.Name.startsWith(filter, Qt::CaseInsensitive))
      AddTreeNode(nullptr, custom.Name, custom.Code);
  if (FTree->topLevelItemCount() > 0)
    FTree->setCurrentItem(FTree->topLevelItem(0));
  UpdateButtons();
}

QString TVnLanguagesForm::NodeText(QTreeWidgetItem *item) const {
  if (!item)
    return {};
  return item->parent() ? QStringLiteral("%1 (%2)").arg(item->parent()->text(0), item->text(0)) : item->text(0);
}

bool TVnLanguagesForm::Listed(const QString &text) const {
  for (int i = 0; i < FTargets->count(); ++i)
    if (FTargets->item(i)->text() == text)
      return true;
  return false;
}

void TVnLanguagesForm::AddSelected() {
  QTreeWidgetItem *node = FTree->currentItem();
  if (!node)
    return;
  const QString code = node->data(0, kCodeRole).toString();
  const QString text = DisplayNameOfCode(code);
  if (text.isEmpty() || Listed(text))
    return; // a language is listed once
  auto *item = new QListWidgetItem(text, FTargets);
  item->setData(kCodeRole, code);
  FTargets->setCurrentItem(item);
  UpdateButtons();
}

void TVnLanguagesForm::RemoveSelected() {
  const int row = FTargets->currentRow();
  if (row < 0)
    return;
  const TVnMsgButton answer = VnMessageDlg(
      QStringLiteral("You are about to remove a language. All translations of the language will be deleted\r\n"
                     "Press \"Yes\" to remove language"),
      TVnMsgType::Confirmation, TVnMsgButton::Yes | TVnMsgButton::No);
  if (answer != TVnMsgButton::Yes)
    return;
  delete FTargets->takeItem(row);
  FTargets->setCurrentRow(std::min(row, FTargets->count() - 1));
  UpdateButtons();
}

void TVnLanguagesForm::MoveSelected(int step) {
  const int row = FTargets->currentRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= FTargets->count())
    return;
  FTargets->insertItem(to, FTargets->takeItem(row));
  FTargets->setCurrentRow(to);
  UpdateButtons();
}

QStringList TVnLanguagesForm::TargetCodes() const {
  QStringList codes;
  for (int i = 0; i < FTargets->count(); ++i)
    codes.append(FTargets->item(i)->data(kCodeRole).toString());
  return codes;
}

void TVnLanguagesForm::UpdateButtons() {
  const int row = FTargets->currentRow();
  FOk->setEnabled(FTargets->count() > 0 && FNative->currentIndex() >= 0);
  FRemove->setEnabled(FTargets->count() > 0);
  FUp->setEnabled(row > 0);
  FDown->setEnabled(row >= 0 && row + 1 < FTargets->count());
  FAdd->setEnabled(FTree->currentItem() && !Listed(NodeText(FTree->currentItem())));
}

void TVnLanguagesForm::DroppedOnTargets(const QObject *source) {
  if (source == FTree)
    AddSelected();
}

void TVnLanguagesForm::DroppedOnTree(const QObject *source) {
  if (source == FTargets)
    RemoveSelected();
}

bool TVnLanguagesForm::eventFilter(QObject *watched, QEvent *event) {
  if (watched == FTargets && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RemoveSelected();
      return true;
    }
    return false;
  }
  const bool onTargets = watched == FTargets->viewport();
  switch (event->type()) {
  case QEvent::DragEnter:
  case QEvent::DragMove: {
    auto *drag = static_cast<QDropEvent *>(event);
    if (drag->source() == (onTargets ? static_cast<QObject *>(FTree) : FTargets)) {
      drag->acceptProposedAction();
      return true;
    }
    return onTargets ? false : true; // the tree takes nothing else
  }
  case QEvent::Drop: {
    auto *drop = static_cast<QDropEvent *>(event);
    if (drop->source() == FTargets && onTargets)
      return false; // a move within the list
    onTargets ? DroppedOnTargets(drop->source()) : DroppedOnTree(drop->source());
    drop->setDropAction(Qt::IgnoreAction); // the views must not move items themselves
    drop->accept();
    return true;
  }
  default:
    return false;
  }
}

void TVnLanguagesForm::accept() {
  if (!FOk->isEnabled())
    return; // without a native language and a target language only Cancel closes
  ApplyProjectLanguages(FProject, FNative->currentData(kCodeRole).toString(), TargetCodes());
  QDialog::accept();
}

#include "moc_VnLanguagesForm.cpp"
