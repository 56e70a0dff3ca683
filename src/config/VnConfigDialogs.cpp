#include "config/VnConfigDialogs.h"

#include "config/VnConfigValues.h"
#include "core/VnXml.h"

QStringList TVnConfigDialogs::GetFindItems() {
  return VnConfigGetStringList(GetSectionNode(), "find_items");
}

void TVnConfigDialogs::SetFindItems(const QStringList &items) {
  VnConfigSetStringList(GetSectionNode(), "find_items", items);
}

QStringList TVnConfigDialogs::GetReplaceItems() {
  return VnConfigGetStringList(GetSectionNode(), "replace_items");
}

void TVnConfigDialogs::SetReplaceItems(const QStringList &items) {
  VnConfigSetStringList(GetSectionNode(), "replace_items", items);
}

bool TVnConfigDialogs::GetPostBuild() {
  return VnConfigGetElementBool(GetSectionNode(), "post_build", true);
}

void TVnConfigDialogs::SetPostBuild(bool show) {
  VnConfigSetElementBool(GetSectionNode(), "post_build", show);
}

bool TVnConfigDialogs::GetShowStartup() {
  return VnConfigGetElementBool(GetSectionNode(), "startup", true);
}

void TVnConfigDialogs::SetShowStartup(bool show) {
  VnConfigSetElementBool(GetSectionNode(), "startup", show);
}

bool TVnConfigDialogs::GetStartupSingleClick() {
  return VnConfigGetAttrBool(VnXmlEnsureChild(GetSectionNode(), "startup"), "single_click", false);
}

void TVnConfigDialogs::SetStartupSingleClick(bool single) {
  VnConfigSetAttrBool(VnXmlEnsureChild(GetSectionNode(), "startup"), "single_click", single);
}

bool TVnConfigDialogs::GetHideMenu() {
  return VnConfigGetAttrBool(VnXmlEnsureChild(GetSectionNode(), "startup"), "hide_menu", true);
}

void TVnConfigDialogs::SetHideMenu(bool hide) {
  VnConfigSetAttrBool(VnXmlEnsureChild(GetSectionNode(), "startup"), "hide_menu", hide);
}
