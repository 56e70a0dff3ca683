#include "config/VnConfiguration.h"

#include "core/VnError.h"
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

bool TVnConfiguration::TryParse(const QByteArray &bytes, const QString &fileName, QString *error) {
  try {
    VnXmlLoad(FDoc, bytes, fileName);
  } catch (const EVnXmlError &e) {
    if (error)
      *error = e.Message();
    return false;
  }
  const pugi::xml_node root = FDoc.document_element();
  if (qstrcmp(root.name(), "options") == 0)
    return true;
  // Well-formed but something else (a project, say): never take it for settings.
  if (error)
    *error = QStringLiteral("The file \"%1\" is not a settings file: its root element is \"%2\".")
                 .arg(fileName, QString::fromUtf8(root.name()));
  Reset();
  return false;
}

bool TVnConfiguration::TryLoadBackup() {
  try {
    return QFileInfo::exists(BackupFileName()) &&
           TryParse(VnReadFile(BackupFileName()), BackupFileName(), nullptr);
  } catch (const EVnError &) {
    return false;
  }
}

void TVnConfiguration::LoadConfiguration() {
  LoadDocument();
  // Whatever was read (or nothing), the validation settings start complete.
  FValidation.Prepare();
}

void TVnConfiguration::LoadDocument() {
  Reset();
  FSaveBlocked = false;
  if (!QFileInfo::exists(FFileName))
    return;
  QByteArray bytes;
  try {
    bytes = VnReadFile(FFileName);
  } catch (const EVnError &e) {
    // The file may be fine but not ours to read: leave it alone and do not
    // replace it with settings it never held.
    FSaveBlocked = true;
    const bool fromBackup = TryLoadBackup();
    VnMessageDlg(QStringLiteral("The settings could not be read.\n\n%1\n\n%2 Changes to the settings will not be saved.")
                     .arg(e.Message(), UsedInstead(fromBackup)),
                 TVnMsgType::Warning);
    return;
  }
  QString error;
  if (TryParse(bytes, FFileName, &error)) {
    // The backup always holds the last configuration that was read well.
    try {
      if (!VnSameFile(FFileName, BackupFileName()))
        VnWriteFile(BackupFileName(), bytes);
    } catch (const EVnError &) {
      // A read-only folder only costs the backup; the settings are loaded.
    }
    return;
  }
  SetAsideBrokenFile(error);
}

void TVnConfiguration::LoadConfigurationReadOnly() {
  Reset();
  FSaveBlocked = true;
  bool loaded = false;
  try {
    loaded = QFileInfo::exists(FFileName) && TryParse(VnReadFile(FFileName), FFileName, nullptr);
  } catch (const EVnError &) {
  }
  if (!loaded)
    TryLoadBackup();
  FValidation.Prepare();
}

QString TVnConfiguration::UsedInstead(bool fromBackup) const {
  return fromBackup ? QStringLiteral("The settings of the backup \"%1\" are used.").arg(BackupFileName())
                    : QStringLiteral("Default settings are used.");
}

void TVnConfiguration::SetAsideBrokenFile(const QString &error) {
  const QString broken = FFileName + QStringLiteral(".broken");
  bool setAside = QFile::rename(FFileName, broken);
  if (!setAside && QFileInfo::exists(broken) && QFile::remove(broken))
    setAside = QFile::rename(FFileName, broken); // an older broken file gives way
  const bool fromBackup = TryLoadBackup();

  QString text = QStringLiteral("The settings could not be read.\n\n%1\n\n").arg(error);
  text += setAside ? QStringLiteral("The file was kept as \"%1\". ").arg(broken)
                   : QStringLiteral("The file could not be renamed and will be replaced when the settings are saved. ");
  VnMessageDlg(text + UsedInstead(fromBackup), TVnMsgType::Warning);
}

void TVnConfiguration::SaveConfiguration() {
  // Symbol edits live in the validation section's list until written back;
  // the file must hold them now, not only after the store is gone.
  FValidation.StoreCharacterSet();
  if (FSaveBlocked)
    return; // read only, or the user was told that the file could not be read
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  VnXmlSaveFile(FDoc, FFileName);
}

TVnConfigSection &TVnConfiguration::Section(const char *elementName) {
  TVnConfigSection *const sections[] = {
      &FEnvironment, &FTree,        &FProjects,     &FGrid,       &FImporters,    &FSegmentRules, &FTranslations,
      &FDialogs,     &FVisEditors,  &FTM,           &FProjectCheck, &FValidation, &FProductivity, &FBatchLangCopy,
      &FBatchTranslation};
  for (TVnConfigSection *section : sections)
    if (qstrcmp(section->ElementName(), elementName) == 0)
      return *section;
  throw EVnAssertion(QStringLiteral("no configuration section \"%1\"").arg(QString::fromUtf8(elementName)));
}

QString VnDefaultConfigFileName() {
  const QString env = qEnvironmentVariable("VANTRIA_CONFIG");
  if (!env.isEmpty())
    return env;
  if (QCoreApplication::instance()) {
    const QFileInfo portable(QCoreApplication::applicationDirPath() + QStringLiteral("/vantriadesk.vno"));
    // QSaveFile writes beside the file, so the folder must be writable too.
    if (portable.exists() && portable.isWritable() && QFileInfo(portable.absolutePath()).isWritable())
      return portable.absoluteFilePath();
  }
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/vantria/vantriadesk.vno");
}

TVnConfiguration &VnConfig() {
  static TVnConfiguration config;
  return config;
}
