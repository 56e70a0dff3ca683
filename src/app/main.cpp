// vantriadesk: the desktop program.

#include "config/VnConfiguration.h"
#include "core/VnError.h"
#include "core/VnMessages.h"
#include "core/VnVersion.h"
#include "ui/VnWidgetMessageBoxes.h"
#include "ui/VnWindowGeometry.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace {

// Saving at exit must never end the program with an exception: the user is told
// what went wrong and the program ends normally.
void SaveConfigurationAtExit(TVnConfiguration &config) {
  try {
    config.SaveConfiguration();
  } catch (const EVnError &e) {
    VnMessageDlg(e.Message(), TVnMsgType::Error);
  }
}

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vantria"));
  QApplication::setApplicationDisplayName(VnProgramName());
  QApplication::setApplicationVersion(VnProgramVersion());

  TVnWidgetMessageBoxes messageBoxes;
  VnSetMessageBoxes(&messageBoxes);

  TVnConfiguration &config = VnConfig();
  config.LoadConfiguration();

  QMainWindow window;
  window.setWindowTitle(VnProgramName());
  auto *placeholder = new QLabel(QStringLiteral("No project is open."), &window);
  placeholder->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(placeholder);
  window.resize(1024, 700);
  VnApplyWindowGeometry(window, config.Environment().RestoreMainWindow(VnWindowGeometryOf(window)));
  window.show();

  const int result = app.exec();

  config.Environment().SaveMainWindow(VnWindowGeometryOf(window));
  SaveConfigurationAtExit(config);
  VnSetMessageBoxes(nullptr);
  return result;
}
