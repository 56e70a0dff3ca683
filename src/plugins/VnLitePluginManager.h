#pragma once

// Sets up the one TMX translation memory that the Translate and Translation
// Memories commands use, made for one use at a time.

#include "vantria/com/VnComTypes.h"

class TVnConfiguration;
class TVnImporterManager;
class TVnTMConfig;
class TVnTMManager;
class TVnV7Project;

class TVnLitePluginManager {
public:
  TVnLitePluginManager(TVnTMManager &memories, TVnImporterManager &importers)
      : FMemories(memories), FImporters(importers) {}

  /// Keeps only the configured memories of the TMX store and, when none is
  /// left, adds one for the TMX store plug-in file. False (after telling the
  /// user) when the folder holds no memory plug-in at all.
  bool Create();
  /// Sets up the first configured memory for the project's language pair and
  /// opens it; true when it became live. False, after telling the user, when
  /// no memory is configured.
  bool SetupLive(TVnV7Project &project, TVnConfiguration &config);

private:
  void TakeOverParkedSettings(TVnTMConfig &entry, const GUID &store);

  TVnTMManager &FMemories;
  TVnImporterManager &FImporters; // the pair is what the commands hand over; importers are not set up here
};
