#pragma once

#include "core/VnMessages.h"

class QWidget;

/// Message boxes shown as modal Qt dialogs over the active window.
class TVnWidgetMessageBoxes : public TVnMessageBoxes {
public:
  TVnMsgButton Show(const TVnMessage &message) override;
};
