// The one main of every test program. Tests never see the user's real files:
// home, configuration, class registry and documents all point into a temporary
// folder that lives as long as the program.

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void PointAt(const char *variable, const QString &path) { qputenv(variable, path.toUtf8()); }

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QTemporaryDir sandbox;
  if (!sandbox.isValid())
    return 2;
  const QString root = sandbox.path();
  QDir(root).mkpath(QStringLiteral("home/Documents"));
  PointAt("HOME", root + QStringLiteral("/home"));
  for (const char *xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
    qunsetenv(xdg);
  PointAt("VANTRIA_CONFIG", root + QStringLiteral("/config/vantriadesk.vno"));
  PointAt("VANTRIA_CLASS_REGISTRY", root + QStringLiteral("/config/classes.xml"));
  PointAt("VANTRIA_DOCUMENTS", root + QStringLiteral("/home/Documents/Vantria"));

  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
