#include "com/VnClassRegistry.h"

#include "com/VnComText.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const RootName = "classes";

} // namespace

QString VnClassRegistryFile() {
  const QString overridden = qEnvironmentVariable("VANTRIA_CLASS_REGISTRY");
  if (!overridden.isEmpty())
    return overridden;
  return QDir::homePath() + QStringLiteral("/.config/vantria/classes.xml");
}

TVnClassRegistry::TVnClassRegistry(const QString &fileName) : FFileName(fileName) {
  if (QFileInfo::exists(fileName))
    VnXmlLoadFile(FDoc, fileName);
  if (!FDoc.child(RootName))
    FDoc.append_child(RootName);
}

pugi::xml_node TVnClassRegistry::Root() const { return FDoc.child(RootName); }

pugi::xml_node TVnClassRegistry::FindProgId(const QString &progId) const {
  // An entry without a name must not answer for an empty ProgID.
  if (progId.isEmpty())
    return {};
  for (pugi::xml_node node : Root().children("progid"))
    if (VnXmlAttr(node, "name").compare(progId, Qt::CaseInsensitive) == 0)
      return node;
  return {};
}

pugi::xml_node TVnClassRegistry::FindClass(const CLSID &clsid) const {
  for (pugi::xml_node node : Root().children("class")) {
    const std::optional<GUID> stored = VnGuidFromText(VnXmlAttr(node, "clsid"));
    if (stored && *stored == clsid)
      return node;
  }
  return {};
}

std::optional<CLSID> TVnClassRegistry::ClassOf(const QString &progId) const {
  const pugi::xml_node node = FindProgId(progId);
  if (!node)
    return std::nullopt;
  return VnGuidFromText(VnXmlAttr(node, "clsid"));
}

QString TVnClassRegistry::LibraryOf(const CLSID &clsid) const {
  return VnXmlAttr(FindClass(clsid), "library");
}

void TVnClassRegistry::Add(const QString &progId, const CLSID &clsid, const QString &library) {
  pugi::xml_node root = Root();
  if (!progId.isEmpty()) {
    pugi::xml_node entry = FindProgId(progId);
    if (!entry)
      entry = root.append_child("progid");
    VnXmlSetAttr(entry, "name", progId);
    VnXmlSetAttr(entry, "clsid", VnGuidText(clsid));
  }
  pugi::xml_node entry = FindClass(clsid);
  if (!entry)
    entry = root.append_child("class");
  VnXmlSetAttr(entry, "clsid", VnGuidText(clsid));
  VnXmlSetAttr(entry, "library", library);
}

void TVnClassRegistry::Remove(const QString &progId, const CLSID &clsid) {
  pugi::xml_node root = Root();
  if (!progId.isEmpty())
    if (const pugi::xml_node entry = FindProgId(progId)) {
      // Another library may have taken the name since; its entry stays.
      const std::optional<GUID> stored = VnGuidFromText(VnXmlAttr(entry, "clsid"));
      if (!stored || *stored == clsid)
        root.remove_child(entry);
    }
  while (const pugi::xml_node entry = FindClass(clsid))
    root.remove_child(entry);
}

void TVnClassRegistry::Save() const {
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  VnXmlSaveFile(FDoc, FFileName);
}
