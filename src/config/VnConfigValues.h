#pragma once

// How settings are encoded in the configuration document. Every reader falls
// back to the caller's default when the stored value is missing or unreadable.

#include <QString>
#include <QStringList>

#include <pugixml.hpp>

#include <optional>

/// A font as the configuration stores it. The views turn it into their own font
/// type; Color is the stored RGB integer (red in the low byte).
struct TVnFont {
  QString Name = QStringLiteral("Arial");
  qint32 Color = 0;
  int Size = 14;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikeout = false;

  bool operator==(const TVnFont &) const = default;
};

/// Element boolean of the child `name`, which is created when missing.
bool VnConfigGetElementBool(pugi::xml_node parent, const char *name, bool def);
void VnConfigSetElementBool(pugi::xml_node parent, const char *name, bool value);
/// Element integer of the child `name`, which is created when missing.
int VnConfigGetElementInt(pugi::xml_node parent, const char *name, int def);
void VnConfigSetElementInt(pugi::xml_node parent, const char *name, int value);

/// Attribute integer; a missing or malformed attribute gives `def`.
int VnConfigGetAttrInt(pugi::xml_node element, const char *name, int def);
void VnConfigSetAttrInt(pugi::xml_node element, const char *name, int value);
/// Attribute boolean written "True"/"False", read leniently.
bool VnConfigGetAttrBool(pugi::xml_node element, const char *name, bool def);
void VnConfigSetAttrBool(pugi::xml_node element, const char *name, bool value);
/// Attribute boolean written "-1"/"0"; VnConfigGetAttrBool reads it back.
void VnConfigSetAttrBoolNumeric(pugi::xml_node element, const char *name, bool value);

/// A string list stored as one text, its lines joined with CR LF. The child
/// `name` is created when missing.
QStringList VnConfigGetStringList(pugi::xml_node parent, const char *name);
void VnConfigSetStringList(pugi::xml_node parent, const char *name, const QStringList &lines);

/// Text of the child `name` without creating it; empty when missing.
QString VnConfigPeekText(pugi::xml_node parent, const char *name);
/// Sets the text of the child `name`, creating it when missing.
void VnConfigSetText(pugi::xml_node parent, const char *name, const QString &text);

/// The font stored in the child "font" of `parent`; no font when that element
/// is missing. Missing members of a stored font take TVnFont's defaults.
std::optional<TVnFont> VnConfigGetFont(pugi::xml_node parent);
/// Stores a font in the child "font" of `parent`; no font leaves it as it is.
void VnConfigSetFont(pugi::xml_node parent, const std::optional<TVnFont> &font);

/// Replaces the attributes and children of `target` with copies of those of
/// `source`; `target` keeps its name. `source` must not lie inside `target`.
void VnConfigReplaceContent(pugi::xml_node target, pugi::xml_node source);

/// Colour text "$" and eight upper-case hexadecimal digits, and its reading
/// (which also takes plain decimal text).
QString VnConfigColorText(qint32 color);
std::optional<qint32> VnConfigParseColor(QStringView text);
