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

} // namespace

QString UserDocumentsFolder() {
  const QString env = qEnvironmentVariable("VANTRIA_DOCUMENTS");
  if (!env.isEmpty())
    return WithSlash(env);
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                   QStringLiteral("/Vantria"));
}

QString SharedApplicationFolder() {
  const QString env = qEnvironmentVariable("VANTRIA_DATA");
  if (!env.isEmpty())
    return WithSlash(env);
  if (QCoreApplication::instance()) {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantria");
    if (QDir(installed).exists())
      return WithSlash(QDir::cleanPath(installed));
  }
  return WithSlash(QStringLiteral(VN_SOURCE_DATA_DIR));
}

QString WritableSharedDataFolder() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString PluginsFolder() {
  const QString env = qEnvironmentVariable("VANTRIA_PLUGINS");
  if (!env.isEmpty())
    return WithSlash(env);
  if (QCoreApplication::instance()) {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/vantria/plugins");
    if (QDir(installed).exists())
      return WithSlash(QDir::cleanPath(installed));
  }
  return WithSlash(QStringLiteral(VN_BUILD_PLUGINS_DIR));
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
