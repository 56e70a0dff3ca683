#pragma once

// Sections of the configured importers and memories, the segmentation rules and
// the validation settings. Their structured content is read by the plug-in
// managers and the validation settings; here they offer the generic keys.

#include "config/VnConfigSection.h"

/// Section "importers".
class TVnConfigImporters : public TVnConfigSection {
public:
  explicit TVnConfigImporters(pugi::xml_document &doc) : TVnConfigSection(doc, "importers") {}
};

/// Section "rulesset": the segmentation rules.
class TVnConfigSegmentRules : public TVnConfigSection {
public:
  explicit TVnConfigSegmentRules(pugi::xml_document &doc) : TVnConfigSection(doc, "rulesset") {}
};

/// Section "tm": the configured translation memories.
class TVnConfigTM : public TVnConfigSection {
public:
  explicit TVnConfigTM(pugi::xml_document &doc) : TVnConfigSection(doc, "tm") {}
};

/// Section "validation_settings".
class TVnConfigValidation : public TVnConfigSection {
public:
  explicit TVnConfigValidation(pugi::xml_document &doc)
      : TVnConfigSection(doc, "validation_settings") {}
};
