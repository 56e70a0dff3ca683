#include "plugins/VnConfiguredPlugins.h"

#include "plugins/VnImporterManager.h"

#include "com/VnComText.h"

#include "config/VnConfigPluginSections.h"
#include "config/VnConfigValues.h"

#include "core/VnError.h"
#include "core/VnXml.h"

#include <algorithm>

namespace {

/// Reads every `elementName` child into the manager. `finish` completes a
/// created entry (connection flag, opening) and may throw; an entry that fails
/// in any step is parked. Answers the file position of each loaded entry.
template <typename TFinish>
std::vector<int> LoadEntries(pugi::xml_node section, const char *elementName, TVnImporterManager &manager,
                             TFinish finish) {
  std::vector<int> positions;
  int position = 0;
  for (pugi::xml_node element : section.children(elementName)) {
    TVnParkedEntry stored{position++, VnXmlAttr(element, "guid"), VnConfigGetAttrBool(element, "connected", true),
                          VnXmlText(element)};
    TVnImporterConfig &entry = manager.AddConfig();
    // Kept in registry form, so that class identifiers compare as text.
    const std::optional<GUID> clsid = VnGuidFromText(stored.ClassId);
    entry.ClassId = clsid ? VnGuidText(*clsid) : stored.ClassId;
    entry.LoadedSettings = stored.Settings;
    try {
      if (!IsClassRegistered(entry.ClassId))
        throw EVnError(QStringLiteral("not registered"));
      entry.CreateObject();
      const int result = entry.Setup(stored.Settings, QString(), QString(), true);
      finish(entry, stored, result);
      positions.push_back(stored.Position);
    } catch (...) {
      // Whatever stops a plug-in now may not stop it next time: keep its settings.
      manager.DeleteConfig(manager.ConfigCount() - 1);
      manager.Parked().append(stored);
    }
  }
  return positions;
}

/// One element to write: a loaded entry or a parked one.
struct TSlot {
  int Index = -1; ///< of a loaded entry in the manager
  const TVnParkedEntry *Parked = nullptr;
};

/// The write order: parked entries at their old positions, loaded entries in
/// the manager's order filling the rest.
std::vector<TSlot> WriteOrder(TVnImporterManager &manager) {
  std::vector<const TVnParkedEntry *> parked;
  for (const TVnParkedEntry &entry : manager.Parked())
    parked.push_back(&entry);
  std::sort(parked.begin(), parked.end(),
            [](const TVnParkedEntry *a, const TVnParkedEntry *b) { return a->Position < b->Position; });
  std::vector<TSlot> order;
  std::size_t nextParked = 0;
  for (int i = 0; i < manager.ConfigCount(); ++i) {
    while (nextParked < parked.size() && parked[nextParked]->Position <= int(order.size()))
      order.push_back({-1, parked[nextParked++]});
    order.push_back({i, nullptr});
  }
  while (nextParked < parked.size())
    order.push_back({-1, parked[nextParked++]});
  return order;
}

QString CurrentSettings(TVnImporterConfig &entry) {
  try {
    return entry.HasObject() ? entry.GetText(0) : entry.LoadedSettings;
  } catch (...) {
    return entry.LoadedSettings;
  }
}

/// Rewrites the `elementName` children; answers the position each loaded
/// entry was written at, by manager index.
std::vector<int> SaveEntries(pugi::xml_node section, const char *elementName, TVnImporterManager &manager,
                             bool withConnected) {
  while (pugi::xml_node old = section.child(elementName))
    section.remove_child(old);
  std::vector<int> written(std::size_t(manager.ConfigCount()), -1);
  const std::vector<TSlot> order = WriteOrder(manager);
  for (std::size_t position = 0; position < order.size(); ++position) {
    const TSlot &slot = order[position];
    pugi::xml_node element = section.append_child(elementName);
    if (slot.Index >= 0) {
      TVnImporterConfig &entry = manager.Configs(slot.Index);
      VnXmlSetAttr(element, "guid", entry.ClassId);
      if (withConnected)
        VnConfigSetAttrBool(element, "connected", entry.Enabled);
      VnXmlSetText(element, CurrentSettings(entry));
      written[std::size_t(slot.Index)] = int(position);
    } else {
      VnXmlSetAttr(element, "guid", slot.Parked->ClassId);
      if (withConnected)
        VnConfigSetAttrBool(element, "connected", slot.Parked->Connected);
      VnXmlSetText(element, slot.Parked->Settings);
    }
  }
  return written;
}

} // namespace

void VnLoadImporters(TVnConfigImporters &section, TVnImporterManager &importers) {
  LoadEntries(section.GetSectionNode(), "importer", importers,
              [](TVnImporterConfig &entry, const TVnParkedEntry &stored, int) { entry.Enabled = stored.Connected; });
}

void VnSaveImporters(TVnConfigImporters &section, TVnImporterManager &importers) {
  SaveEntries(section.GetSectionNode(), "importer", importers, true);
}

void VnLoadMemories(TVnConfigTM &section, TVnTMManager &memories) {
  const pugi::xml_node node = section.GetSectionNode();
  const std::vector<int> positions =
      LoadEntries(node, "tm", memories, [](TVnImporterConfig &entry, const TVnParkedEntry &, int result) {
        auto &memory = static_cast<TVnTMConfig &>(entry);
        memory.LastResult = result >= 0 ? memory.Open() : result;
      });
  // The stored index is a position in the file: it names the same memory even
  // when others before it could not be loaded.
  const int stored = section.GetLiveIndex();
  const auto found = std::find(positions.begin(), positions.end(), stored);
  const int index = found == positions.end() ? -1 : int(found - positions.begin());
  memories.SetLiveIndex(index >= 0 && memories.Configs(index).LastResult >= 0 ? index : -1);
}

void VnSaveMemories(TVnConfigTM &section, TVnTMManager &memories) {
  const std::vector<int> written = SaveEntries(section.GetSectionNode(), "tm", memories, false);
  const int live = memories.LiveIndex();
  section.SetLiveIndex(live >= 0 ? written[std::size_t(live)] : -1);
}
