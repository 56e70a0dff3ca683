#pragma once

// The configured importers and memories in the configuration: the sections
// "importers" and "tm" are read into the managers at start-up and written
// from them at exit.

class TVnConfigImporters;
class TVnConfigTM;
class TVnImporterManager;
class TVnTMManager;

/// Appends an entry to the (empty) manager for every "importer" element whose
/// plug-in loads and accepts its settings; the others are parked in the
/// manager, so that saving keeps them at their place.
void VnLoadImporters(TVnConfigImporters &section, TVnImporterManager &importers);
/// Rewrites the "importer" elements from the manager and its parked entries.
/// Never throws: an entry that cannot tell its settings keeps those it was loaded with.
void VnSaveImporters(TVnConfigImporters &section, TVnImporterManager &importers);

/// As VnLoadImporters for "tm" elements; set-up memories are opened, and the
/// stored live memory becomes live again unless it failed itself.
void VnLoadMemories(TVnConfigTM &section, TVnTMManager &memories);
void VnSaveMemories(TVnConfigTM &section, TVnTMManager &memories);
