#pragma once

// The class registry: which class a ProgID names and which library serves a
// class. It lives in one XML file of the house format:
//
//   <classes>
//     <progid name="xScanner.Scanner" clsid="{...}"/>
//     <class clsid="{...}" library="/abs/path/xScanner.so"/>
//   </classes>
//
// ProgIDs compare without regard to case, as they always have on the platform
// the plug-ins come from.

#include "vantria/com/VnComTypes.h"

#include <QString>

#include <optional>
#include <pugixml.hpp>

/// The registry file: $VANTRIA_CLASS_REGISTRY when set, else
/// ~/.config/vantria/classes.xml.
QString VnClassRegistryFile();

class TVnClassRegistry {
public:
  /// Reads `fileName`; a missing file is an empty registry. Throws EVnError
  /// naming the file when it exists but cannot be read as XML.
  explicit TVnClassRegistry(const QString &fileName = VnClassRegistryFile());

  const QString &FileName() const noexcept { return FFileName; }

  /// The class the ProgID names; no value when it is not registered or its
  /// stored CLSID is malformed.
  std::optional<CLSID> ClassOf(const QString &progId) const;
  /// The library serving `clsid`; empty when the class is not registered.
  QString LibraryOf(const CLSID &clsid) const;

  /// Adds or replaces the ProgID and the class entry.
  void Add(const QString &progId, const CLSID &clsid, const QString &library);
  /// Removes the class entry and the ProgID, unless the ProgID has since been
  /// taken by another class.
  void Remove(const QString &progId, const CLSID &clsid);

  /// Writes the file, creating its folder when needed. Throws EVnError naming it.
  void Save() const;

private:
  pugi::xml_node Root() const;
  pugi::xml_node FindProgId(const QString &progId) const;
  pugi::xml_node FindClass(const CLSID &clsid) const;

  QString FFileName;
  pugi::xml_document FDoc;
};
