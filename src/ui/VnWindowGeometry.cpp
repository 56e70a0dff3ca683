#include "ui/VnWindowGeometry.h"

#include <QWidget>

TVnWindowGeometry VnWindowGeometryOf(const QWidget &window) {
  const QRect r = window.isMaximized() || window.isMinimized() ? window.normalGeometry()
                                                                 : window.geometry();
  TVnWindowState state = TVnWindowState::Normal;
  if (window.isMaximized())
    state = TVnWindowState::Maximized;
  else if (window.isMinimized())
    state = TVnWindowState::Minimized;
  return {r.x(), r.y(), r.width(), r.height(), state};
}

void VnApplyWindowGeometry(QWidget &window, const TVnWindowGeometry &geometry) {
  if (geometry.Width > 0 && geometry.Height > 0)
    window.setGeometry(geometry.Left, geometry.Top, geometry.Width, geometry.Height);
  switch (geometry.State) {
  case TVnWindowState::Maximized:
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    break;
  case TVnWindowState::Minimized: // a program that starts minimized seems not to start at all
  case TVnWindowState::Normal:
    window.setWindowState(window.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    break;
  }
}
