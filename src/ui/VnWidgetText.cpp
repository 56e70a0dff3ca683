#include "ui/VnWidgetText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

QString WindowText(const QWidget *widget) {
  if (!widget)
    return {};
  if (auto *edit = qobject_cast<const QLineEdit *>(widget))
    return edit->text();
  if (auto *edit = qobject_cast<const QTextEdit *>(widget))
    return edit->toPlainText();
  if (auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
    return edit->toPlainText();
  if (auto *label = qobject_cast<const QLabel *>(widget))
    return label->text();
  if (auto *button = qobject_cast<const QAbstractButton *>(widget))
    return button->text();
  if (auto *combo = qobject_cast<const QComboBox *>(widget))
    return combo->currentText();
  return widget->windowTitle();
}
