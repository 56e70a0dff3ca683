// vantriadesk: the desktop program.

#include "com/VnComLoader.h"
#include "config/VnConfiguration.h"
#include "core/VnCustomLanguages.h"
#include "core/VnError.h"
#include "core/VnLanguages.h"
#include "core/VnFileDialogs.h"
#include "core/VnMessages.h"
#include "core/VnVersion.h"
#include "ui/VnCommandCatalogue.h"
#include "ui/VnDataModule.h"
#include "ui/VnMainForm.h"
#include "ui/VnOptionsForm.h"
#include "ui/VnWidgetFileDialogs.h"
#include "ui/VnWidgetMessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

namespace {

// For scripts/screenshot: $VANTRIA_START_COMMAND names a command run once the
// window shows; $VANTRIA_START_PAGE a page of the Options dialog to show.
void RunStartCommand(TVnDataModule &data) {
  const QString command = qEnvironmentVariable("VANTRIA_START_COMMAND");
  if (command.isEmpty())
    return;
  QTimer::singleShot(0, &data, [&data, command] {
    const QString page = qEnvironmentVariable("VANTRIA_START_PAGE");
    if (!page.isEmpty())
      QTimer::singleShot(0, &data, [page] {
        if (auto *form = qobject_cast<TVnOptionsForm *>(QApplication::activeModalWidget()))
          form->SelectPage(page);
      });
    if (QAction *action = data.Commands().Actions().value(command); action && action->isEnabled())
      action->trigger();
  });
}

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vantria"));
  QApplication::setApplicationDisplayName(VnProgramName());
  QApplication::setApplicationVersion(VnProgramVersion());

  TVnWidgetMessageBoxes messageBoxes;
  TVnWidgetFileDialogs fileDialogs;
  VnSetMessageBoxes(&messageBoxes);
  VnSetFileDialogs(&fileDialogs);

  VnInstallLanguageTable();
  VnInstallPluginVersionReader(); // plug-ins tell their own versions
  try {
    LoadCustomLanguages();
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Warning); // the built-in languages still serve
  }

  int result = 0;
  {
    // The data module outlives the main window and saves the settings when it goes.
    TVnDataModule data(VnConfig());
    TMainForm window(data, QApplication::arguments().mid(1));
    window.show();
    RunStartCommand(data);
    result = app.exec();
  }
  VnSetFileDialogs(nullptr);
  VnSetMessageBoxes(nullptr);
  return result;
}
