#pragma once

#include "core/VnFileDialogs.h"

/// File dialogs shown as Qt dialogs over the active window.
class TVnWidgetFileDialogs : public TVnFileDialogs {
public:
  TVnFileDialogResult Open(const TVnFileDialogRequest &request) override;
  TVnFileDialogResult Save(const TVnFileDialogRequest &request) override;
};

/// Qt's filter list ("Projects (*.v7p);;...") for a "description|patterns|..." filter.
QStringList VnQtNameFilters(const QString &filter);
