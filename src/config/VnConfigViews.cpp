#include "config/VnConfigViews.h"

#include "core/VnXml.h"

std::optional<TVnFont> TVnConfigTree::GetFont() { return VnConfigGetFont(GetSectionNode()); }

pugi::xml_node TVnConfigGrid::ColumnNode(int column) {
  pugi::xml_node columns = VnXmlEnsureChild(GetSectionNode(), "columns");
  return VnXmlEnsureChildWith(columns, "column", "no", QString::number(column));
}

bool TVnConfigGrid::GetColumnVisible(int column) {
  return VnConfigGetElementBool(ColumnNode(column), "visible", column == 1 || column == 2);
}

void TVnConfigGrid::SetColumnVisible(int column, bool visible) {
  VnConfigSetElementBool(ColumnNode(column), "visible", visible);
}

int TVnConfigGrid::GetColumnWidth(int column, int def) {
  return VnConfigGetElementInt(ColumnNode(column), "width", def);
}

void TVnConfigGrid::SetColumnWidth(int column, int width) {
  VnConfigSetElementInt(ColumnNode(column), "width", width);
}

std::optional<TVnFont> TVnConfigGrid::GetFont() { return VnConfigGetFont(GetSectionNode()); }

void TVnConfigGrid::SetFont(const std::optional<TVnFont> &font) {
  VnConfigSetFont(GetSectionNode(), font);
}

bool TVnConfigGrid::GetShowRemoved() {
  return VnConfigGetElementBool(GetSectionNode(), "show_removed", true);
}

void TVnConfigGrid::SetShowRemoved(bool show) {
  VnConfigSetElementBool(GetSectionNode(), "show_removed", show);
}

std::optional<TVnFont> TVnConfigTranslations::GetFont() {
  return VnConfigGetFont(GetSectionNode());
}

void TVnConfigTranslations::SetFont(const std::optional<TVnFont> &font) {
  VnConfigSetFont(GetSectionNode(), font);
}

TVnOverwriteTranslations TVnConfigTranslations::GetOverwriteTranslations() {
  constexpr int def = int(TVnOverwriteTranslations::OnlyEmpty);
  int mode = VnConfigGetElementInt(GetSectionNode(), "overwrite_translations", def);
  if (mode < int(TVnOverwriteTranslations::Always) || mode > int(TVnOverwriteTranslations::Never))
    mode = def;
  return TVnOverwriteTranslations(mode);
}

void TVnConfigTranslations::SetOverwriteTranslations(TVnOverwriteTranslations mode) {
  VnConfigSetElementInt(GetSectionNode(), "overwrite_translations", int(mode));
}

bool TVnConfigTranslations::GetUseCountryNeutral() {
  return VnConfigGetElementBool(GetSectionNode(), "use_country_neutral", true);
}

void TVnConfigTranslations::SetUseCountryNeutral(bool neutral) {
  VnConfigSetElementBool(GetSectionNode(), "use_country_neutral", neutral);
}

bool TVnConfigTranslations::GetOverrideProjectLangs() {
  return VnXmlParseElementBool(VnConfigPeekText(GetSectionNode(), "override_project_langs"))
      .value_or(false);
}

QString TVnConfigTranslations::GetImportersSourceLang() {
  return VnConfigPeekText(GetSectionNode(), "importers_source_lang");
}

void TVnConfigTranslations::SetImportersSourceLang(const QString &code) {
  VnConfigSetText(GetSectionNode(), "importers_source_lang", code);
}
