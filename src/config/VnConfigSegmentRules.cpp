#include "config/VnConfigSegmentRules.h"

#include "config/VnConfigValues.h"
#include "core/VnError.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <cstring>

namespace {

constexpr const char *kRule = "rule";

void WriteRule(pugi::xml_node node, const TVnSegmentRule &rule) {
  VnConfigSetAttrInt(node, "mode", rule.Mode);
  VnXmlSetAttr(node, "delimiter", rule.Delimiter);
  VnConfigSetAttrBoolNumeric(node, "casesensitive", rule.CaseSensitive);
}

} // namespace

pugi::xml_node TVnConfigSegmentRules::RuleNode(int index) {
  int i = 0;
  if (index >= 0)
    for (pugi::xml_node node : GetSectionNode().children(kRule))
      if (i++ == index)
        return node;
  throw EVnAssertion(QStringLiteral("TVnConfigSegmentRules: no rule %1").arg(index));
}

int TVnConfigSegmentRules::RuleCount() {
  int count = 0;
  for ([[maybe_unused]] pugi::xml_node node : GetSectionNode().children(kRule))
    ++count;
  return count;
}

TVnSegmentRule TVnConfigSegmentRules::GetRule(int index) {
  const pugi::xml_node node = RuleNode(index);
  TVnSegmentRule rule;
  rule.Mode = VnConfigGetAttrInt(node, "mode", 0);
  rule.Delimiter = VnXmlAttr(node, "delimiter");
  rule.CaseSensitive = VnConfigGetAttrBool(node, "casesensitive", false);
  return rule;
}

void TVnConfigSegmentRules::AddRule(const TVnSegmentRule &rule) {
  WriteRule(GetSectionNode().append_child(kRule), rule);
}

void TVnConfigSegmentRules::ChangeRule(int index, const TVnSegmentRule &rule) { WriteRule(RuleNode(index), rule); }

void TVnConfigSegmentRules::DeleteRule(int index) { GetSectionNode().remove_child(RuleNode(index)); }

void TVnConfigSegmentRules::ClearRules() {
  pugi::xml_node section = GetSectionNode();
  while (section.first_child())
    section.remove_child(section.first_child());
}

void TVnConfigSegmentRules::ExportRules(const QString &fileName) {
  pugi::xml_document file;
  file.append_copy(GetSectionNode());
  VnXmlSaveFile(file, fileName);
}

void TVnConfigSegmentRules::ImportRules(const QString &fileName) {
  pugi::xml_document file;
  VnXmlLoadFile(file, fileName);
  const pugi::xml_node root = file.document_element();
  // Anything else (a project, a settings file) would silently replace the
  // user's rules with content that holds none.
  if (std::strcmp(root.name(), GetSectionNode().name()) != 0)
    throw EVnError(QStringLiteral("The file \"%1\" does not hold segmentation rules.").arg(fileName));
  VnConfigReplaceContent(GetSectionNode(), root);
}
