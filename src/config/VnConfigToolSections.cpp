#include "config/VnConfigToolSections.h"

#include "config/VnConfigValues.h"
#include "core/VnXml.h"

#include <QFileInfo>

bool TVnConfigVisEditors::IsEditorEnabled(const QString &fileName) {
  const QString name = QFileInfo(fileName).completeBaseName();
  for (pugi::xpath_node hit : GetSectionNode().select_nodes(".//disableeditor"))
    if (VnXmlAttr(hit.node(), "name").compare(name, Qt::CaseInsensitive) == 0)
      return false;
  return true;
}

QString TVnConfigBatchLangCopy::GetSourceLang() {
  return VnConfigPeekText(GetSectionNode(), "source_lang");
}

void TVnConfigBatchLangCopy::SetSourceLang(const QString &code) {
  VnConfigSetText(GetSectionNode(), "source_lang", code);
}

QString TVnConfigBatchLangCopy::GetTargetLang() {
  return VnConfigPeekText(GetSectionNode(), "target_lang");
}

void TVnConfigBatchLangCopy::SetTargetLang(const QString &code) {
  VnConfigSetText(GetSectionNode(), "target_lang", code);
}
