#include "config/VnConfigProjects.h"

#include "core/VnXml.h"

namespace {

const char *LastPathName(TVnLastPath which) {
  switch (which) {
  case TVnLastPath::Imported: return "last_imported";
  case TVnLastPath::Exported: return "last_exported";
  case TVnLastPath::Exchanged: return "last_exchanged";
  }
  return "";
}

} // namespace

QString TVnConfigProjects::GetLastPath(TVnLastPath which) {
  return VnXmlAttr(GetSectionNode(), LastPathName(which));
}

void TVnConfigProjects::SetLastPath(TVnLastPath which, const QString &path) {
  VnXmlSetAttr(GetSectionNode(), LastPathName(which), path);
}

QStringList TVnConfigProjects::GetRecentProjects() {
  QStringList paths;
  for (pugi::xml_node item : GetSectionNode().children("item"))
    paths.append(VnXmlText(item));
  return paths;
}

void TVnConfigProjects::SetRecentProjects(const QStringList &paths) {
  pugi::xml_node section = GetSectionNode();
  while (pugi::xml_node item = section.child("item"))
    section.remove_child(item);
  for (const QString &path : paths)
    VnXmlSetText(section.append_child("item"), path);
}
