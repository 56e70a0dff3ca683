#include "config/VnConfigSection.h"

#include "config/VnConfigValues.h"
#include "core/VnError.h"
#include "core/VnXml.h"

#include <cstring>

namespace {

// A key belongs to one section; reading it elsewhere would split one setting
// into two elements that silently disagree.
template <typename TInfo> void CheckSection(const TInfo &info, const char *section) {
  if (std::strcmp(info.Section, section) != 0)
    throw EVnAssertion(QStringLiteral("the key \"%1\" belongs to the section \"%2\", not \"%3\"")
                           .arg(QLatin1String(info.Name), QLatin1String(info.Section), QLatin1String(section)));
}

} // namespace

TVnConfigSection::TVnConfigSection(pugi::xml_document &doc, const char *elementName)
    : FDoc(doc), FElementName(elementName) {}

pugi::xml_node TVnConfigSection::GetSectionNode() {
  pugi::xml_node root = FDoc.document_element();
  if (!root)
    root = FDoc.append_child("options");
  return VnXmlEnsureChild(root, FElementName);
}

bool TVnConfigSection::GetBool(TVnConfigBoolKey key) {
  const auto &info = VnKeyInfo(key);
  CheckSection(info, FElementName);
  return VnConfigGetElementBool(GetSectionNode(), info.Name, info.Default);
}

void TVnConfigSection::SetBool(TVnConfigBoolKey key, bool value) {
  const auto &info = VnKeyInfo(key);
  CheckSection(info, FElementName);
  VnConfigSetElementBool(GetSectionNode(), info.Name, value);
}

int TVnConfigSection::GetInt(TVnConfigIntKey key) {
  const auto &info = VnKeyInfo(key);
  CheckSection(info, FElementName);
  return VnConfigGetElementInt(GetSectionNode(), info.Name, info.Default);
}

void TVnConfigSection::SetInt(TVnConfigIntKey key, int value) {
  const auto &info = VnKeyInfo(key);
  CheckSection(info, FElementName);
  VnConfigSetElementInt(GetSectionNode(), info.Name, value);
}
