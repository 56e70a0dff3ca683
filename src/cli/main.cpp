// vantria: the command-line tool.

#include "cli/VnCliMain.h"

#include "config/VnConfiguration.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vantria"));
  // The user's settings decide the checks and backups; the tool never writes them.
  TVnConfiguration &config = VnConfig();
  config.LoadConfigurationReadOnly();
  QTextStream out(stdout), err(stderr);
  const int code = VnCliMain(QCoreApplication::arguments().mid(1), out, err, config);
  out.flush();
  err.flush();
  return code;
}
