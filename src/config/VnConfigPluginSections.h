#pragma once

// Sections of the configured importers and translation memories. Their plug-in
// entries are read and written by the plug-in managers, which sit above the
// configuration; here the sections offer the generic keys and their plain data.

#include "config/VnConfigSection.h"

/// Section "importers".
class TVnConfigImporters : public TVnConfigSection {
public:
  explicit TVnConfigImporters(pugi::xml_document &doc) : TVnConfigSection(doc, "importers") {}
};

/// The translation statuses whose rows are saved to the memories, in the order
/// of their flags.
enum class TVnSaveStatus { Fuzzy, Auto, Translated, QAed, Ready };
inline constexpr int VnSaveStatusCount = 5;

/// Section "tm": the configured translation memories.
class TVnConfigTM : public TVnConfigSection {
public:
  explicit TVnConfigTM(pugi::xml_document &doc) : TVnConfigSection(doc, "tm") {}

  /// Whether rows of a status are saved to the memories: by default only
  /// checked (QAed) and ready ones. An index outside 0..4 raises EVnAssertion.
  bool GetSaveStatus(int status);
  void SetSaveStatus(int status, bool save);
  bool GetSaveStatus(TVnSaveStatus status) { return GetSaveStatus(int(status)); }
  void SetSaveStatus(TVnSaveStatus status, bool save) { SetSaveStatus(int(status), save); }

  /// Position of the live memory among the "tm" entries; -1 for none.
  int GetLiveIndex();
  void SetLiveIndex(int index);
};
