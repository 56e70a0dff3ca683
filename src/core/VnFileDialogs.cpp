#include "core/VnFileDialogs.h"

#include <utility>

namespace {

/// Nobody to ask: every dialog is cancelled.
class TCancellingFileDialogs : public TVnFileDialogs {
public:
  TVnFileDialogResult Open(const TVnFileDialogRequest &) override { return {}; }
  TVnFileDialogResult Save(const TVnFileDialogRequest &) override { return {}; }
};

TCancellingFileDialogs gCancelling;
TVnFileDialogs *gDialogs = &gCancelling;

} // namespace

TVnFileDialogs *VnSetFileDialogs(TVnFileDialogs *dialogs) {
  return std::exchange(gDialogs, dialogs ? dialogs : &gCancelling);
}

TVnFileDialogs &VnFileDialogs() { return *gDialogs; }
