#include "project/VnRowElement.h"

#include "project/VnProjectTypes.h"


const char *VnRowAttributeOf(int field) {
  switch (field) {
  case rfName: return "name";
  case rfRowComment: return "comment";
  case rfMaxLength: return "maxchar";
  case rfReadOnly: return "readonly";
  case rfEditorNote: return "editor";
  case rfRowStatus: return "status";
  default: return nullptr;
  }
}

const char *VnTranslationAttributeOf(int field) {
  switch (field) {
  case rfTransComment: return "comment";
  case rfTransStatus: return "status";
  case rfTestTranslation: return "test";
  case rfCheckout: return "checkout";
  default: return nullptr;
  }
}

// Compares stored bytes: language codes hold no characters that need escaping,
// and this is the innermost loop of every translation read.
pugi::xml_node VnFindTranslation(pugi::xml_node row, const std::string &id) {
  for (pugi::xml_node lang : row.children("lang"))
    if (id == lang.attribute("id").value())
      return lang;
  return {};
}
