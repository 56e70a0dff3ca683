#include "plugins/VnLitePluginManager.h"

#include "plugins/VnImporterManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "config/VnConfiguration.h"

#include "core/VnError.h"
#include "core/VnLanguages.h"
#include "core/VnMessages.h"

#include "project/VnV7Project.h"

#include "vantria/IGeneralTM.h"

namespace {

const QString kTmxStoreProgId = QStringLiteral("TmxStore.TM");
const QString kTmxStoreBaseName = QStringLiteral("TmxStore");

QString RegisteredTmxStore() {
  CLSID clsid{};
  return SUCCEEDED(VnCLSIDFromProgID(kTmxStoreProgId, &clsid)) ? VnGuidText(clsid) : QString();
}

int IndexOfTmxStoreFile(const TVnTMManager &memories) {
  for (int i = 0; i < memories.Count(); ++i)
    if (memories.BaseName(i).compare(kTmxStoreBaseName, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

} // namespace

bool TVnLitePluginManager::Create() {
  if (FMemories.Count() == 0) {
    VnMessageDlg(QStringLiteral("TM plug-ins not found in folder \"%1\". Cannot proceed.").arg(FMemories.Folder()),
                 TVnMsgType::Error);
    return false;
  }
  const int file = IndexOfTmxStoreFile(FMemories);
  QString tmxStore = RegisteredTmxStore();
  if (file >= 0 && (tmxStore.isEmpty() || !IsClassRegistered(tmxStore))) {
    // Copied into the folder by hand, or moved since it registered itself.
    RegisterServer(FMemories.FilePath(file));
    tmxStore = RegisteredTmxStore();
    if (tmxStore.isEmpty())
      throw EVnError(QStringLiteral("%1 did not register the class %2.").arg(FMemories.FileName(file), kTmxStoreProgId));
  }
  // Classes compare as classes: a stored identifier may be written in either case.
  const std::optional<GUID> store = VnGuidFromText(tmxStore);
  for (int i = FMemories.ConfigCount() - 1; i >= 0; --i)
    if (!store || VnGuidFromText(FMemories.Configs(i).ClassId) != store)
      FMemories.DeleteConfig(i);
  if (FMemories.ConfigCount() > 0 || file < 0)
    return true; // with no store at all, SetupLive tells the user

  TVnComPtr<IGeneralTM> memory;
  VnCreateInstance(*store, IID_IGeneralTM, memory.Receive());
  TVnTMConfig &entry = FMemories.AddConfig();
  entry.ClassId = tmxStore;
  FMemories.AttachMemory(entry, std::move(memory));
  TakeOverParkedSettings(entry, *store);
  return true;
}

void TVnLitePluginManager::TakeOverParkedSettings(TVnTMConfig &entry, const GUID &store) {
  // A store entry that could not be loaded at start-up would otherwise be
  // saved beside the new one, and win over it at the next start.
  QList<TVnParkedEntry> &parked = FMemories.Parked();
  for (qsizetype i = 0; i < parked.size(); ++i) {
    if (VnGuidFromText(parked[i].ClassId) != store)
      continue;
    entry.LoadedSettings = parked[i].Settings;
    parked.removeAt(i);
    try {
      entry.Setup(entry.LoadedSettings, QString(), QString(), true);
    } catch (const EVnError &) {
      // SetupLive sets the memory up again, asking the user when needed.
    }
    return;
  }
}

bool TVnLitePluginManager::SetupLive(TVnV7Project &project, TVnConfiguration &config) {
  if (FMemories.ConfigCount() == 0 || !FMemories.Configs(0).HasObject()) {
    VnMessageDlg(QStringLiteral("No translation memory is configured: the TMX store plug-in was not found in folder "
                                "\"%1\".")
                     .arg(FMemories.Folder()),
                 TVnMsgType::Error);
    return false;
  }
  QString source, target;
  if (project.Targets().Count() > 0) {
    source = project.GetProjectNativeLanguage();
    target = project.GetActiveLanguage();
    if (config.Translations().GetUseCountryNeutral()) {
      source = PrimaryCodeOf(source);
      target = PrimaryCodeOf(target);
    }
  }
  TVnTMConfig &entry = FMemories.Configs(0);
  const int wasLive = FMemories.LiveIndex();
  if (wasLive >= 0) {
    FMemories.SetLiveIndex(-1);
    try {
      FMemories.Configs(wasLive).Close(0);
    } catch (const EVnError &) {
      // It is set up anew below; a memory that fails to close is closed for us.
    }
  }
  const auto open = [](TVnTMConfig &memory) {
    try {
      return memory.Open();
    } catch (const EVnError &) {
      return -3; // a memory that fails to open is one that could not be opened
    }
  };
  int result = entry.Setup(entry.GetText(0), source, target, false);
  if (result >= 0 && !entry.GetText(0).isEmpty()) {
    result = open(entry);
    if (result >= 0)
      FMemories.SetLiveIndex(0);
  } else if (result == -4) {
    VnMessageDlg(QStringLiteral("The selected file has an unsupported encoding."), TVnMsgType::Error);
  } else if (result == -1 && wasLive >= 0 && !entry.GetText(0).isEmpty()) {
    // The user cancelled the memory's dialog: it stays live with its old set-up.
    if (open(entry) >= 0)
      FMemories.SetLiveIndex(0);
  }
  entry.LastResult = result;
  return FMemories.LiveIndex() == 0;
}
