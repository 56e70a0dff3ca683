#pragma once

#include "config/VnConfigEnvironment.h"

class QWidget;

/// The window's normal bounds and state as the configuration stores them.
TVnWindowGeometry VnWindowGeometryOf(const QWidget &window);
/// Gives the window the stored normal bounds, then the stored state, so that
/// leaving a maximized state returns to the stored bounds.
void VnApplyWindowGeometry(QWidget &window, const TVnWindowGeometry &geometry);
