#include "ui/VnShell.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

bool OpenWithShell(const QString &fileName) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
  QGuiApplication::restoreOverrideCursor();
  return opened;
}
