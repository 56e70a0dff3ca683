#pragma once

// Protected ranges of a rich text editor: read-only fragments that the
// translator sees but must not change, because writing the translation back
// turns each whole fragment into the marker it came from.

class QKeyEvent;
class QTextCursor;
class QTextEdit;

/// Marks the cursor's selection as protected (the mark travels with the text).
void VnProtectText(QTextCursor &selection);
/// Text typed next to a protected fragment would take over its format and so
/// become protected itself: new text in `editor` always starts plain.
void VnTypeUnprotected(QTextEdit &editor);
/// True when the key would change a protected character of `editor`: typing
/// or pasting strictly inside a fragment, deleting or cutting any part of one.
bool VnKeyChangesProtectedText(const QTextEdit &editor, const QKeyEvent &key);
/// True when cutting, deleting or pasting at the editor's selection would
/// change a protected character; the context menu offers those commands only
/// when it would not.
bool VnSelectionTouchesProtectedText(const QTextEdit &editor);
/// True when text inserted at `position` of `editor` (a drop, a middle-click
/// paste) would land strictly inside a protected fragment.
bool VnInsertChangesProtectedText(const QTextEdit &editor, int position);
/// True when the editor's selection holds a protected character, so moving it
/// away by dragging would cut a fragment.
bool VnSelectionHoldsProtectedText(const QTextEdit &editor);
/// True when `editor` shows any protected character.
bool VnHasProtectedText(const QTextEdit &editor);
