#pragma once

#include "config/VnConfigKeys.h"

#include <pugixml.hpp>

/// One section of the configuration: a child element of the root, found by name
/// or created at the end. Sections keep no state; every operation reads or
/// writes the document at once, so the document always holds the truth.
class TVnConfigSection {
public:
  TVnConfigSection(pugi::xml_document &doc, const char *elementName);
  virtual ~TVnConfigSection() = default;
  TVnConfigSection(const TVnConfigSection &) = delete;
  TVnConfigSection &operator=(const TVnConfigSection &) = delete;

  /// The section's element under the root, created when missing.
  virtual pugi::xml_node GetSectionNode();
  const char *ElementName() const { return FElementName; }

  /// Generic keys: a child element named after the key, created by reading.
  bool GetBool(TVnConfigBoolKey key);
  void SetBool(TVnConfigBoolKey key, bool value);
  int GetInt(TVnConfigIntKey key);
  void SetInt(TVnConfigIntKey key, int value);

protected:
  pugi::xml_document &Document() { return FDoc; }

private:
  pugi::xml_document &FDoc; // owned by the configuration
  const char *FElementName;
};
