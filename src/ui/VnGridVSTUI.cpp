#include "ui/VnGridVSTUI.h"

#include "ui/VnGridModel.h"
#include "ui/VnGridRules.h"
#include "ui/VnGridVST.h"
#include "ui/VnProtectedText.h"

#include "config/VnConfiguration.h"
#include "core/VnError.h"
#include "core/VnMessages.h"
#include "project/VnV7Project.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <memory>

namespace {

bool IsMultiSelectSlot(int slot) { return slot == rfMaxLength || slot == rfReadOnly || slot == rfTransStatus; }

} // namespace

TVnGridVSTUI::TVnGridVSTUI(TVnGridVST &grid, QObject *parent) : QObject(parent), FGrid(grid) {
  TVnV7Project &project = FGrid.Model().Project();
  FExpander.FindRow = [&project](const QString &context) { return project.FindRow(context, false); };
  FExpander.RowValue = [&project](int row, int kind) { return project.GetRowValue(row, kind); };
  FGrid.SetUI(this);
  // Selecting more rows without moving the focus changes which editors may be used.
  connect(FGrid.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { FillEditors(); });
  connect(&FGrid, &TVnGridVST::RowSelected, this, [this] {
    FillEditors();
    // With simple navigation a row chosen in the grid or from the editor
    // goes straight to its translation, selected for typing over.
    QWidget *editor = TranslationEditor();
    const bool chosenHere = FGrid.hasFocus() || (editor && editor->hasFocus());
    if (editor && editor->isEnabled() && chosenHere && FGrid.Config().Grid().GetBool(TVnConfigBoolKey::SimpleNavigation)) {
      editor->setFocus();
      if (auto *rich = qobject_cast<QTextEdit *>(editor))
        rich->selectAll();
      else if (auto *plain = qobject_cast<QPlainTextEdit *>(editor))
        plain->selectAll();
      else if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->selectAll();
    }
  });
  // Edits made in the grid itself show in the editors and the progress.
  connect(&FGrid.Model(), &TVnGridModel::CellWritten, this, [this](int row, int column) {
    if (FWriting)
      return;
    if (row == FGrid.FocusedRow())
      FillEditors();
    if (column == rfTranslation || column == rfReadOnly || column == rfTransStatus)
      emit ProgressChanged();
  });
}

QWidget *TVnGridVSTUI::GetByIndex(int slot) const {
  return slot >= 0 && slot < kSlots ? FSlots[std::size_t(slot)] : nullptr;
}

void TVnGridVSTUI::SetByIndex(int slot, QWidget *control) {
  Q_ASSERT_X(slot >= 0 && slot < kSlots, "TVnGridVSTUI", "slot out of range");
  FSlots[std::size_t(slot)] = control;
  if (!control)
    return;
  control->setProperty("tag", slot);
  if (auto *rich = qobject_cast<QTextEdit *>(control); rich && (slot == rfNative || slot == rfTranslation))
    rich->viewport()->installEventFilter(this); // clicks on expanded links
  if (slot == rfTranslation) {
    control->installEventFilter(this); // keys that move between rows or would change read-only fragments
    if (auto *rich = qobject_cast<QTextEdit *>(control))
      VnTypeUnprotected(*rich);
  }
  if (slot == rfNative)
    return; // the native text is read-only here
  if (auto *edit = qobject_cast<QLineEdit *>(control))
    connect(edit, &QLineEdit::textChanged, this, [this, slot] { WriteBack(slot); });
  else if (auto *combo = qobject_cast<QComboBox *>(control))
    connect(combo, &QComboBox::currentTextChanged, this, [this, slot] { WriteBack(slot); });
  else if (auto *text = qobject_cast<QTextEdit *>(control))
    connect(text, &QTextEdit::textChanged, this, [this, slot] { WriteBack(slot); });
  else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    connect(plain, &QPlainTextEdit::textChanged, this, [this, slot] { WriteBack(slot); });
}

void TVnGridVSTUI::SetShowTextPlaceholders(bool on) {
  FShowPlaceholders = on;
  FillEditors();
}

QString TVnGridVSTUI::ControlText(QWidget *control) const {
  if (auto *edit = qobject_cast<QLineEdit *>(control))
    return edit->text();
  if (auto *combo = qobject_cast<QComboBox *>(control))
    return combo->currentText();
  // The raw text keeps no-break spaces that plain text would turn into spaces.
  if (auto *text = qobject_cast<QTextEdit *>(control))
    return VnTextFromEditor(text->document()->toRawText(), FCrlf);
  if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    return VnTextFromEditor(plain->document()->toRawText(), FCrlf);
  return {};
}

void TVnGridVSTUI::SetControlText(QWidget *control, int slot, const QString &text) {
  if (auto *combo = qobject_cast<QComboBox *>(control)) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    return;
  }
  if (ControlText(control) == text)
    return;
  if (auto *edit = qobject_cast<QLineEdit *>(control))
    edit->setText(text);
  else if (auto *rich = qobject_cast<QTextEdit *>(control))
    rich->setPlainText(VnTextForEditor(text));
  else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    plain->setPlainText(VnTextForEditor(text));
  Q_UNUSED(slot);
}

void TVnGridVSTUI::FormatFragments(QWidget *control, const QString &text,
                                   const QList<TVnExpandedFragment> &fragments) {
  auto *rich = qobject_cast<QTextEdit *>(control);
  const int slot = control->property("tag").toInt();
  if (slot == rfNative || slot == rfTranslation)
    FLinks[std::size_t(slot)].clear();
  if (!rich || fragments.isEmpty())
    return;
  for (const TVnExpandedFragment &fragment : fragments) {
    // Positions count the stored text; the editor holds "\n" for "\r\n".
    const int start = int(VnTextForEditor(text.left(fragment.Start)).size());
    const int end = int(VnTextForEditor(text.left(fragment.Start + fragment.Length)).size());
    QTextCursor cursor(rich->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (fragment.Link) {
      if (slot == rfNative || slot == rfTranslation)
        FLinks[std::size_t(slot)].append({start, end, fragment.Context});
      format.setForeground(QColor(0, 0, 238));
      format.setFontUnderline(true);
    } else {
      format.setForeground(QColor(128, 0, 0));
    }
    cursor.mergeCharFormat(format);
    if (!fragment.Link)
      VnProtectText(cursor);
  }
}

void TVnGridVSTUI::EnableControl(QWidget *control, int slot, bool enabled) {
  if (slot == rfNative) {
    if (auto *rich = qobject_cast<QTextEdit *>(control))
      rich->setReadOnly(true);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
      plain->setReadOnly(true);
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
      edit->setReadOnly(true);
    control->setBackgroundRole(QPalette::Button);
    return;
  }
  control->setEnabled(enabled);
  control->setBackgroundRole(enabled ? QPalette::Base : QPalette::Button);
}

void TVnGridVSTUI::FillEditors(int skipSlot) {
  const int row = FGrid.FocusedRow();
  TVnV7Project &project = FGrid.Model().Project();
  const int selected = int(FGrid.SelectedRows().size());
  const bool readOnly = row >= 0 && FGrid.Model().IsReadOnly(row);
  FFilling = true;
  FCrlf = row >= 0 && (project.GetRowValue(row, rfNative).contains(QLatin1String("\r\n")) ||
                       project.GetRowValue(row, rfTranslation).contains(QLatin1String("\r\n")));
  for (int slot = 0; slot < kSlots; ++slot) {
    QWidget *control = FSlots[std::size_t(slot)];
    if (!control || slot == skipSlot)
      continue;
    if (row < 0) {
      SetControlText(control, slot, QString());
      EnableControl(control, slot, false);
      continue;
    }
    QString text = project.GetRowValue(row, slot);
    QList<TVnExpandedFragment> fragments;
    if ((slot == rfNative || slot == rfTranslation) && FShowPlaceholders)
      text = FExpander.Expand(text, slot, &fragments);
    SetControlText(control, slot, text);
    FormatFragments(control, text, fragments);
    EnableControl(control, slot, (IsMultiSelectSlot(slot) || selected <= 1) && !readOnly);
  }
  FFilling = false;
}

void TVnGridVSTUI::WriteBack(int slot) {
  if (FFilling)
    return;
  QWidget *control = FSlots[std::size_t(slot)];
  const int focused = FGrid.FocusedRow();
  if (!control || focused < 0)
    return;
  TVnGridModel &model = FGrid.Model();
  TVnV7Project &project = model.Project();
  const QList<int> rows = IsMultiSelectSlot(slot) && FGrid.SelectedRows().size() > 1 ? FGrid.SelectedRows()
                                                                                      : QList<int>{focused};
  bool written = false;
  bool progress = false;
  FWriting = true;
  try {
    if (rows.size() > 1) {
      // Maximum width, read-only mark or status for every selected row at once.
      model.WriteCells(rows, slot, ControlText(control));
      written = true;
      progress = slot == rfReadOnly || slot == rfTransStatus;
    }
    for (int row : rows.size() > 1 ? QList<int>{} : rows) {
      QString text = ControlText(control);
      if (slot == rfTranslation && FShowPlaceholders)
        text = TVnMarkerExpander::Restore(text, project.GetRowValue(row, rfNative));
      const bool wasEmpty = project.GetRowValue(row, rfTranslation).isEmpty();
      if (!model.WriteCell(row, slot, text))
        continue;
      written = true;
      progress = progress || slot == rfReadOnly || slot == rfTransStatus ||
                 (slot == rfTranslation && wasEmpty != text.isEmpty());
    }
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Error);
  }
  FWriting = false;
  // A write can change other fields (a translation sets its status).
  if (written)
    FillEditors(slot);
  if (progress)
    emit ProgressChanged();
}

bool TVnGridVSTUI::FollowLink(int slot, int position) {
  if (slot != rfNative && slot != rfTranslation)
    return false;
  for (const TShownLink &link : FLinks[std::size_t(slot)]) {
    if (position < link.Start || position >= link.End)
      continue;
    TVnGridModel &model = FGrid.Model();
    const int row = model.Project().FindRow(link.Context, false);
    if (row < 0)
      return false;
    // A row outside the shown group is brought into view with the whole target.
    if (model.PositionOfRow(row) < 0)
      model.SetContextPrefix(QString());
    FGrid.FocusRow(model.PositionOfRow(row));
    return true;
  }
  return false;
}

bool TVnGridVSTUI::NavigationKey(QKeyEvent *key) {
  const bool ctrl = key->modifiers() == Qt::ControlModifier;
  const bool plain = key->modifiers() == Qt::NoModifier;
  const bool simple = FGrid.Config().Grid().GetBool(TVnConfigBoolKey::SimpleNavigation);
  switch (key->key()) {
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
    if (!ctrl)
      return false;
    FGrid.MoveFocus(key->key() == Qt::Key_PageUp ? -20 : 20);
    return true;
  case Qt::Key_Home:
  case Qt::Key_End:
    if (!ctrl)
      return false;
    FGrid.FocusRow(key->key() == Qt::Key_Home ? 0 : FGrid.Model().rowCount() - 1);
    return true;
  case Qt::Key_Up:
  case Qt::Key_Down:
    if (!ctrl && !(plain && simple))
      return false;
    FGrid.MoveFocus(key->key() == Qt::Key_Up ? -1 : 1);
    return true;
  default:
    return false;
  }
}

bool TVnGridVSTUI::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress && watched == TranslationEditor()) {
    auto *key = static_cast<QKeyEvent *>(event);
    if (NavigationKey(key))
      return true;
    // A changed read-only fragment could no longer be written back as its marker.
    if (auto *rich = qobject_cast<QTextEdit *>(TranslationEditor()); rich && VnKeyChangesProtectedText(*rich, *key))
      return true;
  }
  if (event->type() == QEvent::ContextMenu && watched == TranslationEditor()) {
    if (auto *rich = qobject_cast<QTextEdit *>(TranslationEditor())) {
      ShowTranslationMenu(*rich, static_cast<QContextMenuEvent *>(event)->globalPos());
      return true;
    }
  }
  if (event->type() != QEvent::MouseButtonRelease)
    return QObject::eventFilter(watched, event);
  auto *mouse = static_cast<QMouseEvent *>(event);
  for (int slot : {int(rfNative), int(rfTranslation)}) {
    auto *rich = qobject_cast<QTextEdit *>(FSlots[std::size_t(slot)]);
    // In the translation editor a click places the caret; Ctrl+click follows.
    const bool follow = slot == rfNative || (mouse->modifiers() & Qt::ControlModifier);
    if (rich && watched == rich->viewport() && mouse->button() == Qt::LeftButton && follow &&
        !rich->textCursor().hasSelection())
      FollowLink(slot, rich->cursorForPosition(mouse->position().toPoint()).position());
  }
  return QObject::eventFilter(watched, event);
}

void TVnGridVSTUI::ShowTranslationMenu(QTextEdit &editor, const QPoint &at) {
  std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
  if (VnSelectionTouchesProtectedText(editor))
    for (QAction *action : menu->actions())
      if (action->objectName() == QLatin1String("edit-cut") || action->objectName() == QLatin1String("edit-paste") ||
          action->objectName() == QLatin1String("edit-delete"))
        action->setEnabled(false);
  menu->exec(at);
}

QWidget *TVnGridVSTUI::FocusTranslationAtEnd() {
  QWidget *control = TranslationEditor();
  if (!control || !control->isEnabled() || !control->isVisible())
    return nullptr;
  control->setFocus();
  if (auto *rich = qobject_cast<QTextEdit *>(control))
    rich->moveCursor(QTextCursor::End);
  else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    plain->moveCursor(QTextCursor::End);
  else if (auto *edit = qobject_cast<QLineEdit *>(control))
    edit->end(false);
  return control;
}

bool TVnGridVSTUI::ForwardKeyToTranslation(const QKeyEvent &key) {
  QWidget *control = FocusTranslationAtEnd();
  if (!control)
    return false;
  QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), ushort(key.count()));
  QCoreApplication::sendEvent(control, &copy);
  return true;
}

bool TVnGridVSTUI::TypeIntoTranslation(const QString &text) {
  QWidget *control = FocusTranslationAtEnd();
  if (!control)
    return false;
  if (auto *rich = qobject_cast<QTextEdit *>(control))
    rich->insertPlainText(text);
  else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    plain->insertPlainText(text);
  else if (auto *edit = qobject_cast<QLineEdit *>(control))
    edit->insert(text);
  else
    return false;
  return true;
}

void TVnGridVSTUI::RestoreMissingPlaceholders() {
  const int row = FGrid.FocusedRow();
  QWidget *control = TranslationEditor();
  if (row < 0 || !control)
    return;
  const QString appended = FExpander.MissingLinkedTexts(FGrid.Model().Project().GetRowValue(row, rfNative));
  if (appended.isEmpty())
    return;
  if (auto *rich = qobject_cast<QTextEdit *>(control)) {
    rich->moveCursor(QTextCursor::End);
    rich->insertPlainText(appended);
  } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
    plain->moveCursor(QTextCursor::End);
    plain->insertPlainText(appended);
  }
}

#include "moc_VnGridVSTUI.cpp"
