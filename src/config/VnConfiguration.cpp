#include "config/VnConfiguration.h"

#include "core/VnMessages.h"
#include "core/VnSafeFile.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

TVnConfiguration::TVnConfiguration(QString fileName)
    : FFileName(fileName.isEmpty() ? VnDefaultConfigFileName() : std::move(fileName)) {
  Reset();
}

void TVnConfiguration::Reset() {
  FDoc.reset();
  FDoc.append_child("options");
}

bool TVnConfiguration::TryLoad(const QString &fileName, QString *error) {
  try {
    VnXmlLoadFile(FDoc, fileName);
    if (!FDoc.document_element())
      FDoc.append_child("options");
    return true;
  } catch (const EVnError &e) {
    if (error)
      *error = e.Message();
    return false;
  }
}

void TVnConfiguration::LoadConfiguration() {
  Reset();
  if (!QFileInfo::exists(FFileName))
    return;
  QString error;
  if (TryLoad(FFileName, &error)) {
    // The backup always holds the last configuration that was read well.
    try {
      VnBackupFile(FFileName, BackupFileName());
    } catch (const EVnError &) {
      // A read-only folder only costs the backup; the settings are loaded.
    }
    return;
  }
  SetAsideBrokenFile(error);
}

void TVnConfiguration::SetAsideBrokenFile(const QString &error) {
  const QString broken = FFileName + QStringLiteral(".broken");
  QFile::remove(broken);
  const bool setAside = QFile::rename(FFileName, broken);
  const bool fromBackup = QFileInfo::exists(BackupFileName()) && TryLoad(BackupFileName(), nullptr);
  if (!fromBackup)
    Reset();

  QString text = QStringLiteral("The settings could not be read.\n\n%1\n\n").arg(error);
  text += setAside ? QStringLiteral("The file was kept as \"%1\". ").arg(broken)
                   : QStringLiteral("The file could not be renamed and will be replaced when the settings are saved. ");
  text += fromBackup ? QStringLiteral("The settings of the backup \"%1\" are used.").arg(BackupFileName())
                     : QStringLiteral("Default settings are used.");
  VnMessageDlg(text, TVnMsgType::Warning);
}

void TVnConfiguration::SaveConfiguration() {
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  VnXmlSaveFile(FDoc, FFileName);
}

QString VnDefaultConfigFileName() {
  const QString env = qEnvironmentVariable("VANTRIA_CONFIG");
  if (!env.isEmpty())
    return env;
  if (QCoreApplication::instance()) {
    const QFileInfo portable(QCoreApplication::applicationDirPath() + QStringLiteral("/vantriadesk.vno"));
    if (portable.exists() && portable.isWritable())
      return portable.absoluteFilePath();
  }
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/vantria/vantriadesk.vno");
}

TVnConfiguration &VnConfig() {
  static TVnConfiguration config;
  return config;
}
