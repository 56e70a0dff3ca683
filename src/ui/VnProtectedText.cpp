#include "ui/VnProtectedText.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace {

constexpr int kProtectedProperty = QTextFormat::UserProperty + 1;

bool CharIsProtected(QTextDocument *document, int position) {
  if (position < 0 || position >= document->characterCount() - 1)
    return false;
  QTextCursor cursor(document);
  cursor.setPosition(position + 1); // charFormat() describes the character before the cursor
  return cursor.charFormat().boolProperty(kProtectedProperty);
}

bool AnyProtected(QTextDocument *document, int from, int to) {
  for (int position = from; position < to; ++position)
    if (CharIsProtected(document, position))
      return true;
  return false;
}

bool ChangesText(const QKeyEvent &key) {
  if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Undo) ||
      key.matches(QKeySequence::Redo))
    return true;
  switch (key.key()) {
  case Qt::Key_Backspace:
  case Qt::Key_Delete:
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return true;
  default:
    return !key.text().isEmpty() && key.text().at(0).isPrint() &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  }
}

} // namespace

void VnProtectText(QTextCursor &selection) {
  QTextCharFormat format;
  format.setProperty(kProtectedProperty, true);
  selection.mergeCharFormat(format);
}

void VnTypeUnprotected(QTextEdit &editor) {
  QObject::connect(&editor, &QTextEdit::currentCharFormatChanged, &editor, [&editor](const QTextCharFormat &format) {
    // With a selection the format would be applied to the selected text itself.
    if (format.boolProperty(kProtectedProperty) && !editor.textCursor().hasSelection())
      editor.setCurrentCharFormat(QTextCharFormat());
  });
}

bool VnSelectionTouchesProtectedText(const QTextEdit &editor) {
  QTextDocument *document = editor.document();
  const QTextCursor cursor = editor.textCursor();
  const int at = cursor.selectionStart();
  // Replacing a selection deletes it: no part of it may be protected; inserting
  // at a fragment's edge is fine, inside it is not.
  return AnyProtected(document, at, cursor.selectionEnd()) ||
         (CharIsProtected(document, at - 1) && CharIsProtected(document, at));
}

bool VnKeyChangesProtectedText(const QTextEdit &editor, const QKeyEvent &key) {
  if (editor.isReadOnly() || !ChangesText(key))
    return false;
  QTextDocument *document = editor.document();
  const QTextCursor cursor = editor.textCursor();
  const int at = cursor.selectionStart();
  if (cursor.hasSelection())
    return VnSelectionTouchesProtectedText(editor);
  if (key.key() == Qt::Key_Backspace)
    return CharIsProtected(document, at - 1);
  if (key.key() == Qt::Key_Delete)
    return CharIsProtected(document, at);
  if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
    return VnHasProtectedText(editor);
  return VnSelectionTouchesProtectedText(editor);
}

bool VnInsertChangesProtectedText(const QTextEdit &editor, int position) {
  return CharIsProtected(editor.document(), position - 1) && CharIsProtected(editor.document(), position);
}

bool VnSelectionHoldsProtectedText(const QTextEdit &editor) {
  const QTextCursor cursor = editor.textCursor();
  return AnyProtected(editor.document(), cursor.selectionStart(), cursor.selectionEnd());
}

bool VnHasProtectedText(const QTextEdit &editor) {
  return AnyProtected(editor.document(), 0, editor.document()->characterCount() - 1);
}
