#include "project/VnRowElement.h"

#include "project/VnProjectTypes.h"

#include "core/VnXml.h"

#include <string_view>


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

QString VnReadQuoted(pugi::xml_node element, qsizetype *storedLength) {
  // The common case, one text stored as "&quot;...&quot;": decode only what
  // lies between the entities, which usually needs no decoding at all.
  constexpr std::string_view quot = "&quot;";
  const pugi::xml_node text = element.first_child();
  if (text.type() == pugi::node_pcdata && !text.next_sibling()) {
    const std::string_view stored = text.value();
    if (stored.size() >= 2 * quot.size() && stored.starts_with(quot) && stored.ends_with(quot)) {
      QString inner = VnXmlDecode(stored.substr(quot.size(), stored.size() - 2 * quot.size()));
      if (storedLength)
        *storedLength = inner.size() + 2;
      return inner;
    }
  }
  const QString whole = VnXmlText(element);
  if (storedLength)
    *storedLength = whole.size();
  return whole.size() < 2 ? QString() : whole.mid(1, whole.size() - 2);
}
