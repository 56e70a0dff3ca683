#include "core/VnFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

QString WithSlash(QString path) {
  if (!path.endsWith(QLatin1Char('/')))
    path += QLatin1Char('/');
  return path;
}

/// $`variable` when set, else `installed` (relative to the program's folder)
/// when that exists, else the folder of a build tree.
QString ProgramFolder(const char *variable, const char *installed, const char *buildTree) {
  const QString env = qEnvironmentVariable(variable);
  if (!env.isEmpty())
    return WithSlash(env);
  if (QCoreApplication::instance()) {
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(installed);
    if (QDir(path).exists())
      return WithSlash(QDir::cleanPath(path));
  }
  return WithSlash(QString::fromUtf8(buildTree));
}

} // namespace

QString UserDocumentsFolder() {
  const QString env = qEnvironmentVariable("VANTRIA_DOCUMENTS");
  if (!env.isEmpty())
    return WithSlash(env);
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                   QStringLiteral("/Vantria"));
}

QString SharedApplicationFolder() {
  return ProgramFolder("VANTRIA_DATA", "../share/vantria", VN_SOURCE_DATA_DIR);
}

QString WritableSharedDataFolder() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString PluginsFolder() {
  return ProgramFolder("VANTRIA_PLUGINS", "../lib/vantria/plugins", VN_BUILD_PLUGINS_DIR);
}

QString DemoProjectsFolder() {
  return UserDocumentsFolder() + QStringLiteral("Demo/");
}

void VnEnsureDemoProjects() {
  const QDir source(SharedApplicationFolder() + QStringLiteral("demo"));
  const QString target = DemoProjectsFolder();
  if (!source.exists() || QDir(target).exists() || !QDir().mkpath(target))
    return;
  for (const QFileInfo &file : source.entryInfoList(QDir::Files))
    QFile::copy(file.absoluteFilePath(), target + file.fileName());
}
