// Reading and writing the project document: files, streams and the undo snapshot.

#include "project/VnV7Project.h"

#include "project/VnPackageArchive.h"

#include "config/VnConfiguration.h"
#include "core/VnError.h"
#include "core/VnMessages.h"
#include "core/VnSafeFile.h"
#include "core/VnVersion.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

QString VnProjectBackupName(const QString &fileName) {
  const QFileInfo info(fileName);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(".~v7p"));
}

void TVnV7Project::LoadBytes(const QByteArray &bytes, const QString &sourceName) {
  pugi::xml_document parsed;
  VnXmlLoad(parsed, bytes, sourceName);
  InstallDocument(std::move(parsed));
}

void TVnV7Project::InstallDocument(pugi::xml_document &&parsed) {
  FDoc = std::move(parsed);
  ForgetHistory(); // a snapshot of another document must never be restored into this one
  InvalidateActiveLanguage();
  for (auto &[name, section] : FSections)
    section->DropTargets();
  StructureChanged();
  SelectAfterLoad();
}

void TVnV7Project::LoadFromStream(QIODevice &stream) {
  Progress().SetStatus(QStringLiteral("Loading from file..."), 0);
  const QByteArray bytes = VnReadDevice(stream, [this](int percent) { Progress().SetPercent(percent); });
  LoadBytes(bytes, FFileName.isEmpty() ? QStringLiteral("stream") : FFileName);
}

void TVnV7Project::SelectAfterLoad() {
  FOpened = true;
  TVnUpdateScope update(*this);
  Languages().SetItemIndex(0);
  Progress().SetStatus(QStringLiteral("Ready"), 100);
  if (Targets().Count() > 0)
    Targets().SetItemIndex(0);
  Progress().SetStatus(QStringLiteral("Ready"), 100);
  BuildValidationExcludes();
  const int count = Languages().Count();
  const auto stored = VnXmlParseInt(VnXmlAttr(Root().child("languages"), "active"));
  Languages().SetItemIndex(stored.value_or(count > 0 ? 0 : -1));
  update.End(true);
  LanguageChanged();
  if (OnAfterOpen)
    OnAfterOpen(*this);
}

QByteArray TVnV7Project::Serialize() {
  pugi::xml_node root = EnsureRoot();
  VnXmlSetAttr(root, "version", VnProgramVersion() + QStringLiteral(" lite"));
  VnXmlSetAttr(VnXmlEnsureChild(root, "languages"), "active", QString::number(Languages().ItemIndex()));
  QByteArray bytes = VnXmlSerialize(FDoc, FSizeHint + FSizeHint / 8);
  FSizeHint = bytes.size();
  return bytes;
}

void TVnV7Project::SaveToStream(QIODevice &stream) {
  const QByteArray bytes = Serialize();
  if (stream.write(bytes) != bytes.size())
    throw EVnError(QStringLiteral("The project could not be written: %1").arg(stream.errorString()));
  Progress().SetStatus(QStringLiteral("Ready"), 100);
}

bool TVnV7Project::Open(const QString &path) {
  QString fileName = QFileInfo(path).absoluteFilePath();
  if (fileName.endsWith(QLatin1String(".v7x"), Qt::CaseInsensitive)) {
    fileName = VnExtractPackage(fileName);
    if (fileName.isEmpty())
      return false; // the user kept the files and cancelled
  }

  // Read and parse before anything changes: a failed open leaves the project as it was.
  Progress().SetStatus(QStringLiteral("Loading from file..."), 0);
  pugi::xml_document parsed;
  VnXmlLoadFile(parsed, fileName, [this](int percent) { Progress().SetPercent(percent); });
  FSizeHint = QFileInfo(fileName).size();

  if (Targets().Count() > 0 && !CloseQuery())
    return false;
  FFileName = fileName;
  InstallDocument(std::move(parsed));
  AddHistoryOnOpen();
  return true;
}

void TVnV7Project::WriteFile() {
  if (QFileInfo::exists(FFileName) && VnConfig().Environment().GetBool(TVnConfigBoolKey::CreateBackups)) {
    try {
      VnBackupFile(FFileName, VnProjectBackupName(FFileName));
    } catch (const EVnError &) {
      // A missing backup must not stop the save itself.
    }
  }
  VnWriteFile(FFileName, Serialize());
}

void TVnV7Project::Save() {
  AddHistoryOnSave();
  Progress().SetStatus(QStringLiteral("Saving to file..."), 0);
  if (!QDir().mkpath(QFileInfo(FFileName).absolutePath()))
    throw EVnError(QStringLiteral("File \"%1\" could not be created.").arg(FFileName));
  bool written = false;
  try {
    WriteFile();
    written = true;
  } catch (const std::exception &) { // EVnError, or memory running out while writing
    // The old file is untouched; the project stays modified so nothing is lost.
    VnMessageDlg(QStringLiteral("File %1 could not be saved. Please check that the file is not read only "
                                "and that you have the necessary permissions.")
                     .arg(FFileName),
                 TVnMsgType::Error);
  }
  Progress().SetStatus(QStringLiteral("Ready"), 100);
  if (written)
    TVnCustomProject::Save();
  if (OnAfterSave)
    OnAfterSave(*this);
}

void TVnV7Project::SaveAs(const QString &path) {
  FFileName = QFileInfo(path).absoluteFilePath();
  Save();
}

void TVnV7Project::Clear() {
  FFileName.clear();
  InvalidateActiveLanguage();
  pugi::xml_node root = EnsureRoot();
  while (root.first_child())
    root.remove_child(root.first_child());
  for (auto &[name, section] : FSections)
    section->DropTargets();
  StructureChanged();
  ForgetHistory();
  TVnUpdateScope update(*this);
  Targets().SetItemIndex(-1);
  Languages().SetItemIndex(-1);
  update.End(true);
  TVnCustomProject::Clear();
}

bool TVnV7Project::CloseQuery() {
  FOpened = false;
  const bool closed = TVnCustomProject::CloseQuery();
  FOpened = !closed;
  return closed;
}

void TVnV7Project::PerformHistory(int kind) {
  const int language = Languages().ItemIndex();
  switch (kind) {
  case 4:
    FSnapshot = Serialize();
    FHasSnapshot = true;
    FUndoOffered = true;
    break;
  case 0:
  case 1: {
    if (!FHasSnapshot)
      return;
    QByteArray current = Serialize();
    LoadBytes(std::exchange(FSnapshot, {}), FFileName);
    FSnapshot = std::move(current);
    FHasSnapshot = true;
    FUndoOffered = kind == 1;
    break;
  }
  default:
    TVnCustomProject::PerformHistory(kind);
  }
  if (language >= 0 && language < Languages().Count() && language != Languages().ItemIndex())
    Languages().SetItemIndex(language);
}

void TVnV7Project::ForgetHistory() {
  FSnapshot.clear();
  FHasSnapshot = false;
  FUndoOffered = false;
}

bool TVnV7Project::GetHistoryStatus(int kind) const {
  if (kind != 0 && kind != 1)
    throw EVnError(QStringLiteral("Invalid param in TVnV7Project.GetHistoryStatus"));
  return FHasSnapshot && (kind == 0 ? FUndoOffered : !FUndoOffered);
}
