#pragma once

// The house XML format. Documents keep every text and attribute exactly as it
// is stored in the file, still escaped: a raw `"` stays apart from `&quot;` and
// a CR LF inside a text survives. Only the accessors below convert between the
// stored form and the text the program works with.

#include "core/VnError.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <pugixml.hpp>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

/// Parse flags that keep texts as stored (no entity decoding, no end-of-line or
/// attribute whitespace normalisation), comments included.
inline constexpr unsigned int VnXmlParseFlags =
    (pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_comments) &
    ~(pugi::parse_escapes | pugi::parse_eol | pugi::parse_wconv_attribute);

/// A document that could not be read as XML.
class EVnXmlError : public EVnError {
public:
  using EVnError::EVnError;
};

/// Parses `bytes` into `doc`. On failure `doc` is left exactly as it was and
/// EVnXmlError names `sourceName` and the position of the fault.
void VnXmlLoad(pugi::xml_document &doc, const QByteArray &bytes, const QString &sourceName);
/// Reads and parses a file; failures name the file. The file is read into
/// memory the document then owns and parsed in place, so a large file is held
/// once, not twice. `onPercent` (when given) hears the share read so far.
void VnXmlLoadFile(pugi::xml_document &doc, const QString &fileName,
                   const std::function<void(int percent)> &onPercent = {});

/// Decodes a stored text: the five named entities and numeric character references.
QString VnXmlDecode(std::string_view stored);
/// Escapes a text for an element: & < > " ', CR as &#13; and the other
/// control characters (NUL included) as numeric references.
std::string VnXmlEscapeText(QStringView text);
/// Escapes a text for an attribute: as for elements, and LF and TAB too.
std::string VnXmlEscapeAttribute(QStringView text);

/// The element's text: all its text and CDATA runs in order, text decoded and
/// CDATA as it stands. Empty when it has none.
QString VnXmlText(pugi::xml_node element);
/// Replaces the element's text.
void VnXmlSetText(pugi::xml_node element, QStringView text);
/// An attribute's value, decoded; `def` when the attribute is missing.
QString VnXmlAttr(pugi::xml_node element, const char *name, const QString &def = {});
/// Sets an attribute, adding it when missing.
void VnXmlSetAttr(pugi::xml_node element, const char *name, QStringView value);

/// The first child element named `name`, created at the end when missing.
pugi::xml_node VnXmlEnsureChild(pugi::xml_node parent, const char *name);
/// The first child element named `name` whose attribute `attr` is `value`,
/// created at the end with that attribute when missing.
pugi::xml_node VnXmlEnsureChildWith(pugi::xml_node parent, const char *name, const char *attr,
                                    QStringView value);

/// How booleans are written: "True" or "False".
QString VnXmlBoolText(bool value);
/// Lenient element boolean: the first character decides, case-insensitively;
/// T or Y is true, F or N false, anything else (or nothing) has no value.
std::optional<bool> VnXmlParseElementBool(QStringView text);
/// Lenient attribute boolean: "true"/"false" in any case, or an integer where
/// non-zero is true; anything else has no value.
std::optional<bool> VnXmlParseAttributeBool(QStringView text);
/// A decimal integer, surrounding blanks allowed; anything else has no value.
std::optional<int> VnXmlParseInt(QStringView text);

/// Walks a subtree in document order without recursion, so that a hostile file
/// nested a million levels deep cannot overflow the stack. `enter` sees every
/// node and answers whether to go into its children; `leave` sees every node
/// that was gone into, after its children. Neither may remove nodes.
template <typename TEnter, typename TLeave> void VnXmlWalk(pugi::xml_node root, TEnter enter, TLeave leave) {
  pugi::xml_node node = root;
  for (;;) {
    if (enter(node) && node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != root && !node.next_sibling()) {
      node = node.parent();
      leave(node);
    }
    if (node == root)
      return;
    node = node.next_sibling();
  }
}
