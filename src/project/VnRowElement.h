#pragma once

// Where the fields of a row live in its element.

#include <QString>

#include <pugixml.hpp>

#include <string>

/// The row attribute that holds a field; null for fields kept elsewhere.
const char *VnRowAttributeOf(int field);
/// The attribute of the translation ("lang" element) that holds a field; null
/// for the translation text itself and for row fields.
const char *VnTranslationAttributeOf(int field);
/// The row's translation whose stored "id" is `id` (a language code as
/// VnXmlEscapeAttribute stores it); null when there is none.
pugi::xml_node VnFindTranslation(pugi::xml_node row, const std::string &id);

/// A native text or translation without the double quotes it is stored in
/// (an empty text when the stored one is shorter than two characters), and
/// in `storedLength` the length of the stored text with its quotes.
QString VnReadQuoted(pugi::xml_node element, qsizetype *storedLength = nullptr);
