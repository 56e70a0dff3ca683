// vantria: the command-line tool.

#include "cli/VnCliMain.h"

#include "com/VnComLoader.h"
#include "config/VnConfiguration.h"
#include "core/VnCustomLanguages.h"
#include "core/VnError.h"
#include "core/VnLanguages.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vantria"));
  // The user's settings decide the checks and backups; the tool never writes them.
  TVnConfiguration &config = VnConfig();
  config.LoadConfigurationReadOnly();
  QTextStream out(stdout), err(stderr);
  VnInstallLanguageTable();
  VnInstallPluginVersionReader(); // plug-ins tell their own versions
  try {
    LoadCustomLanguages();
  } catch (const EVnError &e) {
    err << "vantria: " << e.Message() << "\n"; // the built-in languages still serve
  }
  const int code = VnCliMain(QCoreApplication::arguments().mid(1), out, err, config);
  out.flush();
  err.flush();
  return code;
}
