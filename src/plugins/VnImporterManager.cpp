#include "plugins/VnImporterManager.h"

#include "com/VnClassRegistry.h"
#include "com/VnComLoader.h"
#include "com/VnComText.h"
#include "com/VnPluginRules.h"

#include "core/VnError.h"

#include "vantria/IGeneralImporter.h"
#include "vantria/IGeneralTM.h"

#include <QFileInfo>

namespace {

// What a result variant holds when the plug-in wrote nothing readable: a
// failure, so that silence is never taken for success.
constexpr int kUnreadableResult = -3;

GUID ClassOf(const QString &classId) {
  const std::optional<GUID> clsid = VnGuidFromText(classId);
  if (!clsid)
    throw EVnError(QStringLiteral("\"%1\" is not a class identifier.").arg(classId));
  return *clsid;
}

// Importers and memories share Setup and GetText, with the same parameters.
template <typename TPlugin>
int CallSetup(TPlugin *plugin, const QString &version, const QString &name, const QString &configuration,
              const QString &source, const QString &target, bool silent) {
  VnAssert(plugin, "configured entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(plugin->Setup(VnPluginText(configuration, version).Get(), VnPluginText(source, version).Get(),
                                  VnPluginText(target, version).Get(), silent ? 1 : 0, result.Receive()),
                    name, "Setup");
  return VnVariantInt(result.Value(), kUnreadableResult);
}

template <typename TPlugin> QString CallGetText(TPlugin *plugin, const QString &version, const QString &name, int code) {
  VnAssert(plugin, "configured entry without a plug-in object");
  TVnVariant text;
  VnCheckPluginCall(plugin->GetText(code, text.Receive()), name, "GetText");
  return VnVariantText(text.Value(), version);
}

} // namespace

// --- TVnImporterConfig ---------------------------------------------------------

void TVnImporterConfig::CreateObject() {
  TVnComPtr<IGeneralImporter> importer;
  VnCreateInstance(ClassOf(ClassId), IID_IGeneralImporter, importer.Receive());
  SetImporter(std::move(importer));
}

void TVnImporterConfig::SetImporter(TVnComPtr<IGeneralImporter> importer) {
  FImporter = std::move(importer);
  ReadPluginFacts();
}

void TVnImporterConfig::ReadPluginFacts() {
  FVersion.clear();
  FName = ClassId;
  try {
    const std::optional<GUID> clsid = VnGuidFromText(ClassId);
    const QString library = clsid ? TVnClassRegistry().LibraryOf(*clsid) : QString();
    if (library.isEmpty())
      return;
    FName = QFileInfo(library).fileName();
    FVersion = VnGetFileVersion(library);
  } catch (const EVnError &) {
    // A plug-in that cannot tell its version is taken for a current one.
  }
}

int TVnImporterConfig::Setup(const QString &configuration, const QString &source, const QString &target,
                             bool silent) {
  return CallSetup(FImporter.Get(), FVersion, PluginName(), configuration, source, target, silent);
}

QString TVnImporterConfig::GetText(int code) {
  return CallGetText(FImporter.Get(), FVersion, PluginName(), code);
}

QString TVnImporterConfig::Translate(const QString &text, const QString &context) {
  VnAssert(HasObject(), "importer entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FImporter->Translate(VnPluginText(text, FVersion).Get(), VnPluginText(context, FVersion).Get(),
                                         result.Receive()),
                    PluginName(), "Translate");
  return VnVariantText(result.Value(), FVersion);
}

int TVnImporterConfig::Enable() {
  VnAssert(HasObject(), "importer entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FImporter->Enable(result.Receive()), PluginName(), "Enable");
  return VnVariantInt(result.Value(), kUnreadableResult);
}

void TVnImporterConfig::Disable() {
  VnAssert(HasObject(), "importer entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FImporter->Disable(result.Receive()), PluginName(), "Disable");
}

// --- TVnTMConfig ---------------------------------------------------------------

void TVnTMConfig::CreateObject() {
  TVnComPtr<IGeneralTM> memory;
  VnCreateInstance(ClassOf(ClassId), IID_IGeneralTM, memory.Receive());
  SetMemory(std::move(memory));
}

void TVnTMConfig::SetMemory(TVnComPtr<IGeneralTM> memory) {
  FMemory = std::move(memory);
  ReadPluginFacts();
}

int TVnTMConfig::Setup(const QString &configuration, const QString &source, const QString &target, bool silent) {
  return CallSetup(FMemory.Get(), FVersion, PluginName(), configuration, source, target, silent);
}

QString TVnTMConfig::GetText(int code) {
  return CallGetText(FMemory.Get(), FVersion, PluginName(), code);
}

QString TVnTMConfig::Translate(const QString &text, const QString &) {
  VnAssert(HasObject(), "memory entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FMemory->Lookup(VnPluginText(text, FVersion).Get(), result.Receive()), PluginName(), "Lookup");
  return VnVariantText(result.Value(), FVersion);
}

int TVnTMConfig::Open() {
  VnAssert(HasObject(), "memory entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FMemory->Open(result.Receive()), PluginName(), "Open");
  return VnVariantInt(result.Value(), kUnreadableResult);
}

void TVnTMConfig::Close(int mode) {
  VnAssert(HasObject(), "memory entry without a plug-in object");
  TVnVariant result;
  VnCheckPluginCall(FMemory->Close(mode, result.Receive()), PluginName(), "Close");
}

// --- TVnImporterManager --------------------------------------------------------

std::unique_ptr<TVnImporterConfig> TVnImporterManager::NewConfig() {
  return std::make_unique<TVnImporterConfig>(*this);
}

TVnImporterConfig &TVnImporterManager::AddConfig() {
  FConfigs.push_back(NewConfig());
  return *FConfigs.back();
}

TVnImporterConfig &TVnImporterManager::Configs(int index) const {
  VnAssert(index >= 0 && index < ConfigCount(), "configured entry index out of range");
  return *FConfigs[std::size_t(index)];
}

void TVnImporterManager::DeleteConfig(int index) {
  VnAssert(index >= 0 && index < ConfigCount(), "configured entry index out of range");
  FConfigs.erase(FConfigs.begin() + index);
}

void TVnImporterManager::MoveConfig(int from, int to) {
  VnAssert(from >= 0 && from < ConfigCount() && to >= 0 && to < ConfigCount(), "configured entry index out of range");
  auto entry = std::move(FConfigs[std::size_t(from)]);
  FConfigs.erase(FConfigs.begin() + from);
  FConfigs.insert(FConfigs.begin() + to, std::move(entry));
}

void TVnImporterManager::SetAllEnabled(bool enabled) {
  FAllEnabled = enabled;
  if (enabled && OnChange)
    OnChange(*this);
}

void TVnImporterManager::SetEnabled(TVnImporterConfig &entry, bool enable) {
  entry.Enabled = enable;
  if (!enable) {
    entry.Disable();
    return;
  }
  int result = kUnreadableResult;
  try {
    result = entry.Enable();
  } catch (...) {
    // A failing Enable is a failed connection, never a successful one.
    entry.Enabled = false;
    try {
      entry.Disable();
    } catch (...) {
      // The failure of Enable is the one worth reporting.
    }
    throw;
  }
  entry.Enabled = result == 0 || result == -4;
  if (!entry.Enabled)
    entry.Disable();
}

int TVnImporterManager::SetupEntry(TVnImporterConfig &entry, const QString &source, const QString &target) {
  return entry.Setup(entry.GetText(0), source, target, FSilent);
}

namespace {

void Deliver(const QList<TVnTranslationCandidate> &candidates, TVnImporterCallbackData &data,
             const TVnTranslationCallback &callback) {
  for (const TVnTranslationCandidate &candidate : candidates) {
    ++data.Count;
    data.Translation = candidate.Text;
    data.Match = candidate.Match;
    data.Comment = candidate.Comment;
    data.RowComment = candidate.RowComment;
    if (callback)
      callback(data);
  }
}

} // namespace

void TVnImporterManager::QueryTranslations(const QString &text, const QString &context,
                                           const TVnTranslationCallback &callback) {
  if (!FAllEnabled)
    return;
  TVnImporterCallbackData data;
  for (const auto &entry : FConfigs) {
    if (!entry->Enabled)
      continue;
    const QString answer = entry->Translate(text, context);
    QList<TVnTranslationCandidate> candidates;
    try {
      candidates = VnParseTranslations(answer, entry->PluginName());
    } catch (const EVnError &) {
      throw EVnError(QStringLiteral("Vantria failed to process translations returned by Translation Memory. Please "
                                    "reconfigure or disable it if you keep getting this error.\r\nTM returned the "
                                    "following data: \"%1\"")
                         .arg(answer));
    }
    // Outside the try: a consumer's own failure is not the plug-in's.
    Deliver(candidates, data, callback);
  }
}

void TVnImporterManager::ParseTranslations(const QString &document, TVnImporterCallbackData &data,
                                           const TVnTranslationCallback &callback) {
  Deliver(VnParseTranslations(document, QStringLiteral("translations")), data, callback);
}

// --- TVnTMManager --------------------------------------------------------------

std::unique_ptr<TVnImporterConfig> TVnTMManager::NewConfig() {
  return std::make_unique<TVnTMConfig>(*this);
}

TVnTMConfig &TVnTMManager::AddConfig() {
  return static_cast<TVnTMConfig &>(TVnImporterManager::AddConfig());
}

TVnTMConfig &TVnTMManager::Configs(int index) const {
  return static_cast<TVnTMConfig &>(TVnImporterManager::Configs(index));
}

void TVnTMManager::DeleteConfig(int index) {
  TVnImporterManager::DeleteConfig(index);
  if (index == FLiveIndex)
    FLiveIndex = -1;
  else if (index < FLiveIndex)
    --FLiveIndex;
}

void TVnTMManager::MoveConfig(int from, int to) {
  TVnImporterManager::MoveConfig(from, to);
  if (FLiveIndex == from)
    FLiveIndex = to;
  else if (from < FLiveIndex && FLiveIndex <= to)
    --FLiveIndex;
  else if (to <= FLiveIndex && FLiveIndex < from)
    ++FLiveIndex;
}

void TVnTMManager::SetLiveIndex(int index) {
  VnAssert(index >= -1 && index < ConfigCount(), "live memory index out of range");
  FLiveIndex = index;
}

IGeneralTM *TVnTMManager::LiveMemory() const {
  return FLiveIndex >= 0 ? Configs(FLiveIndex).Memory() : nullptr;
}

void TVnTMManager::AttachMemory(TVnTMConfig &entry, TVnComPtr<IGeneralTM> memory) {
  entry.SetMemory(std::move(memory));
  IGeneralTM *tm = entry.Memory();
  // The answers only say what the memory can do. An answer left empty counts
  // as -1, the value the question starts from; a memory that cannot answer
  // simply cannot store.
  const auto answered = [](auto call) {
    try {
      TVnVariant result;
      return SUCCEEDED(call(result.Receive())) && result.Value().vt != VT_EMPTY &&
             VnVariantInt(result.Value(), -1) >= 0;
    } catch (...) {
      return false;
    }
  };
  entry.CanStore = answered([&](VARIANT *r) { return tm->Store(nullptr, nullptr, nullptr, nullptr, r); });
  entry.InquiredA = answered([&](VARIANT *r) { return tm->InquireA(0, r); });
  entry.InquiredB = answered([&](VARIANT *r) { return tm->InquireB(nullptr, nullptr, nullptr, nullptr, r); });
}
