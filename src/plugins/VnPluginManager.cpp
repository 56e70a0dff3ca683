#include "plugins/VnPluginManager.h"

#include "com/VnClassRegistry.h"
#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "core/VnError.h"
#include "core/VnFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool IsClassRegistered(const QString &classId) {
  const std::optional<GUID> clsid = VnGuidFromText(classId);
  if (!clsid)
    return false;
  const QString library = TVnClassRegistry().LibraryOf(*clsid);
  return !library.isEmpty() && QFileInfo(library).isFile();
}

void RegisterServer(const QString &fileName) {
  try {
    VnRegisterServer(fileName);
  } catch (const EVnError &e) {
    throw EVnError(QStringLiteral("Failed to register OCX. File name: \"%1\"\n%2").arg(fileName, e.Message()));
  }
}

void TVnPluginManager::SetFolder(const QString &folder) {
  FFolder = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : PluginsFolder();
  Search();
}

void TVnPluginManager::Search() {
  FFiles.clear();
  QDir dir(FFolder);
  if (!dir.exists() && QDir::isRelativePath(FFolder))
    dir.setPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + FFolder);
  if (dir.exists()) {
    // Names compare with case, as everything else on this system does.
    const QDir::Filters filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::CaseSensitive;
    const QStringList pattern{QLatin1Char('*') + Suffix()};
    for (const QFileInfo &entry : dir.entryInfoList(pattern, filters, QDir::Unsorted))
      if (!entry.isDir())
        FFiles.append(entry.fileName());
  }
  if (OnAfterScanFolder)
    OnAfterScanFolder(*this);
}

const QString &TVnPluginManager::FileName(int index) const {
  VnAssert(index >= 0 && index < FFiles.size(), "plug-in file index out of range");
  return FFiles[index];
}

QString TVnPluginManager::FilePath(int index) const {
  return QDir(FFolder).absoluteFilePath(FileName(index));
}

QString TVnPluginManager::ProgId(int index) const {
  return QFileInfo(FileName(index)).completeBaseName() + QLatin1Char('.') + ProgIdSuffix();
}

QString TVnPluginManager::BaseName(int index) const {
  const QString &name = FileName(index);
  return name.left(name.indexOf(Suffix()));
}

int TVnPluginManager::IndexOfClassID(const QString &classId) {
  for (int i = 0; i < Count(); ++i)
    if (GetClassID(i) == classId)
      return i;
  return -1;
}

QString TVnPluginManager::GetClassID(int index) {
  CLSID clsid{};
  if (FAILED(VnCLSIDFromProgID(ProgId(index), &clsid)))
    return {};
  return VnGuidText(clsid);
}

QString TVnPluginManager::FoundMessage() const {
  return QStringLiteral("%1 plug-in(s) found in folder %2");
}

QString TVnPluginManager::FoundText() const {
  return FoundMessage().arg(Count()).arg(FFolder);
}

void TVnPluginManager::ShowDetails(QStringList &lines, int) {
  lines.clear();
}

QString TVnPluginManager::ProgIdSuffix() const {
  const QString suffix = Suffix();
  return suffix.left(suffix.lastIndexOf(QLatin1Char('.')));
}

void TVnEditorManager::ShowDetails(QStringList &lines, int index) {
  TVnPluginManager::ShowDetails(lines, index);
  const QString classId = GetClassID(index);
  lines << QStringLiteral("ProgID: %1").arg(ProgId(index))
        << QStringLiteral("Class ID: %1").arg(classId.isEmpty() ? QStringLiteral("<not registered>") : classId);
}
