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
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTimer>

#include <memory>

namespace {

bool IsMultiSelectSlot(int slot) { return slot == rfMaxLength || slot == rfReadOnly || slot == rfTransStatus; }

/// True when some text of `document` carries a format of its own (a fragment's).
bool HasCharFormats(const QTextDocument &document) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
      if (!it.fragment().charFormat().properties().isEmpty())
        return true;
  return false;
}

} // namespace

TVnGridVSTUI::TVnGridVSTUI(TVnGridVST &grid, QObject *parent) : QObject(parent), FGrid(grid) {
  FBreakStyle.fill(QStringLiteral("\n"));
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
  const int slot = control->property("tag").toInt();
  if (slot < 0 || slot >= kSlots)
    return {};
  const QStringList &breaks = FBreaks[std::size_t(slot)];
  const QString &style = FBreakStyle[std::size_t(slot)];
  // The raw text keeps no-break spaces that plain text would turn into spaces.
  if (auto *text = qobject_cast<QTextEdit *>(control))
    return VnTextFromEditor(text->document()->toRawText(), breaks, style);
  if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
    return VnTextFromEditor(plain->document()->toRawText(), breaks, style);
  return {};
}

void TVnGridVSTUI::SetControlText(QWidget *control, int slot, const QString &text) {
  if (auto *combo = qobject_cast<QComboBox *>(control)) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    return;
  }
  auto *rich = qobject_cast<QTextEdit *>(control);
  if (ControlText(control) == text) {
    // The fragments are formatted anew: the old ones may sit elsewhere now.
    if (rich && HasCharFormats(*rich->document())) {
      QTextDocument *document = rich->document();
      const bool undo = document->isUndoRedoEnabled();
      document->setUndoRedoEnabled(false);
      QTextCursor all(document);
      all.select(QTextCursor::Document);
      all.setCharFormat(QTextCharFormat());
      document->setUndoRedoEnabled(undo);
    }
    return;
  }
  if (auto *edit = qobject_cast<QLineEdit *>(control)) {
    edit->setText(text);
  } else if (rich) {
    // A new text takes the caret's format, which may be a fragment's of the
    // previous row: start from a plain caret.
    rich->setTextCursor(QTextCursor(rich->document()));
    rich->setCurrentCharFormat(QTextCharFormat());
    rich->setPlainText(VnTextForEditor(text));
  }
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
  // Formatting is no edit: undoing it would strip a fragment's protection.
  QTextDocument *document = rich->document();
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
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
  document->setUndoRedoEnabled(undo);
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
  const QStringList nativeBreaks = row >= 0 ? VnLineBreaks(project.GetRowValue(row, rfNative)) : QStringList();
  for (int slot = 0; slot < kSlots; ++slot) {
    QWidget *control = FSlots[std::size_t(slot)];
    if (!control || slot == skipSlot)
      continue;
    if (slot == rfTranslation)
      FShownMarkers.clear();
    if (row < 0) {
      FBreaks[std::size_t(slot)].clear();
      FBreakStyle[std::size_t(slot)] = QStringLiteral("\n");
      SetControlText(control, slot, QString());
      EnableControl(control, slot, false);
      continue;
    }
    const QString stored = project.GetRowValue(row, slot);
    QString text = stored;
    QList<TVnExpandedFragment> fragments;
    if ((slot == rfNative || slot == rfTranslation) && FShowPlaceholders)
      text = FExpander.Expand(text, slot, &fragments);
    if (slot == rfTranslation)
      for (const TVnExpandedFragment &fragment : fragments)
        FShownMarkers.append({fragment.Marker, text.mid(fragment.Start, fragment.Length)});
    // Breaks go back as they were; new lines follow the text's own kind of
    // break, or the native text's while it has none.
    FBreaks[std::size_t(slot)] = VnLineBreaks(text);
    const QStringList ownBreaks = VnLineBreaks(stored);
    const QStringList &styleFrom = ownBreaks.isEmpty() ? nativeBreaks : ownBreaks;
    const QString style = styleFrom.isEmpty() ? QString() : styleFrom.first();
    FBreakStyle[std::size_t(slot)] =
        style == QLatin1String("\r\n") || style == QLatin1String("\r") ? style : QStringLiteral("\n");
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
  bool refill = false;
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
      FBreaks[std::size_t(slot)] = VnLineBreaks(text); // the editor's lines from now on
      if (slot == rfTranslation && FShowPlaceholders) {
        bool readOnlyKept = true;
        text = TVnMarkerExpander::Restore(text, FShownMarkers,
                                          FExpander.ShownMarkers(project.GetRowValue(row, rfNative), rfNative),
                                          &readOnlyKept);
        // Some way round the guards changed a read-only fragment: its marker
        // would be lost, so the stored text stays and the editor shows it again.
        if (!readOnlyKept) {
          refill = true;
          continue;
        }
      }
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
  // Not now: the editor may still be in the middle of the change (a drop).
  if (refill)
    QTimer::singleShot(0, this, [this] { FillEditors(); });
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
  // A right-click, the mouse and drops reach the viewport, the menu key the editor itself.
  if (auto *rich = qobject_cast<QTextEdit *>(TranslationEditor());
      rich && (watched == rich->viewport() || (watched == rich && event->type() == QEvent::ContextMenu)) &&
      GuardProtectedText(*rich, event))
    return true;
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

bool TVnGridVSTUI::GuardProtectedText(QTextEdit &editor, QEvent *event) {
  switch (event->type()) {
  case QEvent::ContextMenu:
    ShowTranslationMenu(editor, static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
  case QEvent::DragEnter:
  case QEvent::DragMove:
  case QEvent::Drop: {
    auto *drop = static_cast<QDropEvent *>(event);
    const bool fromHere = drop->source() == &editor || drop->source() == editor.viewport();
    // Moving a selection that holds read-only text would cut it out of its place.
    bool refused = fromHere && VnSelectionHoldsProtectedText(editor) && drop->dropAction() == Qt::MoveAction;
    if (event->type() != QEvent::DragEnter)
      refused = refused ||
                VnInsertChangesProtectedText(editor, editor.cursorForPosition(drop->position().toPoint()).position());
    if (refused)
      drop->ignore();
    return refused;
  }
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseMove: {
    auto *mouse = static_cast<QMouseEvent *>(event);
    const auto clicked = [&] { return editor.cursorForPosition(mouse->position().toPoint()).position(); };
    // A middle click pastes the selection where it was clicked.
    if (mouse->button() == Qt::MiddleButton)
      return VnInsertChangesProtectedText(editor, clicked());
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
      // Pressed on a selection, the mouse starts dragging it away, which may
      // move it: no drag for a selection that holds read-only text.
      const QTextCursor cursor = editor.textCursor();
      const int at = clicked();
      FHoldDrag = cursor.hasSelection() && at >= cursor.selectionStart() && at <= cursor.selectionEnd() &&
                  VnSelectionHoldsProtectedText(editor);
    } else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
      FHoldDrag = false;
    }
    return event->type() == QEvent::MouseMove && FHoldDrag && (mouse->buttons() & Qt::LeftButton);
  }
  default:
    return false;
  }
}

void TVnGridVSTUI::ShowTranslationMenu(QTextEdit &editor, const QPoint &at) {
  std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
  const bool touches = VnSelectionTouchesProtectedText(editor);
  // As from the keyboard, undo and redo wait while read-only text is shown.
  const bool anyProtected = VnHasProtectedText(editor);
  for (QAction *action : menu->actions()) {
    const QString name = action->objectName();
    const bool changesFragment = name == QLatin1String("edit-cut") || name == QLatin1String("edit-paste") ||
                                 name == QLatin1String("edit-delete");
    const bool undoes = name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo");
    if ((touches && changesFragment) || (anyProtected && undoes))
      action->setEnabled(false);
  }
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
