#include "config/VnConfigValues.h"

#include "core/VnXml.h"

namespace {

// The child's text without creating it.
std::optional<QString> ChildText(pugi::xml_node parent, const char *name) {
  pugi::xml_node child = parent.child(name);
  if (!child)
    return std::nullopt;
  return VnXmlText(child);
}

bool ChildBool(pugi::xml_node parent, const char *name, bool def) {
  auto text = ChildText(parent, name);
  return text ? VnXmlParseElementBool(*text).value_or(def) : def;
}

} // namespace

bool VnConfigGetElementBool(pugi::xml_node parent, const char *name, bool def) {
  return VnXmlParseElementBool(VnXmlText(VnXmlEnsureChild(parent, name))).value_or(def);
}

void VnConfigSetElementBool(pugi::xml_node parent, const char *name, bool value) {
  VnXmlSetText(VnXmlEnsureChild(parent, name), VnXmlBoolText(value));
}

int VnConfigGetElementInt(pugi::xml_node parent, const char *name, int def) {
  return VnXmlParseInt(VnXmlText(VnXmlEnsureChild(parent, name))).value_or(def);
}

void VnConfigSetElementInt(pugi::xml_node parent, const char *name, int value) {
  VnXmlSetText(VnXmlEnsureChild(parent, name), QString::number(value));
}

int VnConfigGetAttrInt(pugi::xml_node element, const char *name, int def) {
  return VnXmlParseInt(VnXmlAttr(element, name)).value_or(def);
}

void VnConfigSetAttrInt(pugi::xml_node element, const char *name, int value) {
  VnXmlSetAttr(element, name, QString::number(value));
}

bool VnConfigGetAttrBool(pugi::xml_node element, const char *name, bool def) {
  return VnXmlParseAttributeBool(VnXmlAttr(element, name)).value_or(def);
}

void VnConfigSetAttrBool(pugi::xml_node element, const char *name, bool value) {
  VnXmlSetAttr(element, name, VnXmlBoolText(value));
}

void VnConfigSetAttrBoolNumeric(pugi::xml_node element, const char *name, bool value) {
  VnXmlSetAttr(element, name, value ? u"-1" : u"0");
}

QStringList VnConfigGetStringList(pugi::xml_node parent, const char *name) {
  QString text = VnXmlText(VnXmlEnsureChild(parent, name));
  if (text.isEmpty())
    return {};
  // Lists are joined with CR LF; a hand-edited file may have bare LFs.
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text.split(QLatin1Char('\n'));
}

void VnConfigSetStringList(pugi::xml_node parent, const char *name, const QStringList &lines) {
  VnXmlSetText(VnXmlEnsureChild(parent, name), lines.join(QLatin1String("\r\n")));
}

QString VnConfigPeekText(pugi::xml_node parent, const char *name) {
  return ChildText(parent, name).value_or(QString());
}

void VnConfigSetText(pugi::xml_node parent, const char *name, const QString &text) {
  VnXmlSetText(VnXmlEnsureChild(parent, name), text);
}

std::optional<TVnFont> VnConfigGetFont(pugi::xml_node parent) {
  pugi::xml_node node = parent.child("font");
  if (!node)
    return std::nullopt;
  TVnFont font;
  if (auto name = ChildText(node, "Name"); name && !name->isEmpty())
    font.Name = *name;
  if (auto color = ChildText(node, "Color"))
    font.Color = VnConfigParseColor(*color).value_or(font.Color);
  if (auto size = ChildText(node, "Size"))
    font.Size = VnXmlParseInt(*size).value_or(font.Size);
  font.Bold = ChildBool(node, "Bold", font.Bold);
  font.Italic = ChildBool(node, "Italic", font.Italic);
  font.Underline = ChildBool(node, "Underline", font.Underline);
  font.Strikeout = ChildBool(node, "Strikeout", font.Strikeout);
  return font;
}

void VnConfigSetFont(pugi::xml_node parent, const std::optional<TVnFont> &font) {
  if (!font)
    return;
  pugi::xml_node node = VnXmlEnsureChild(parent, "font");
  VnConfigSetText(node, "Name", font->Name);
  VnConfigSetText(node, "Color", VnConfigColorText(font->Color));
  VnConfigSetElementInt(node, "Size", font->Size);
  VnConfigSetElementBool(node, "Bold", font->Bold);
  VnConfigSetElementBool(node, "Italic", font->Italic);
  VnConfigSetElementBool(node, "Underline", font->Underline);
  VnConfigSetElementBool(node, "Strikeout", font->Strikeout);
}

void VnConfigReplaceContent(pugi::xml_node target, pugi::xml_node source) {
  while (target.first_attribute())
    target.remove_attribute(target.first_attribute());
  while (target.first_child())
    target.remove_child(target.first_child());
  for (pugi::xml_attribute attr : source.attributes())
    target.append_copy(attr);
  for (pugi::xml_node child : source.children())
    target.append_copy(child);
}

QString VnConfigColorText(qint32 color) {
  return QLatin1Char('$') + QStringLiteral("%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<qint32> VnConfigParseColor(QStringView text) {
  text = text.trimmed();
  bool ok = false;
  if (text.startsWith(u'$')) {
    quint32 value = text.mid(1).toUInt(&ok, 16);
    return ok ? std::optional<qint32>(qint32(value)) : std::nullopt;
  }
  qint64 value = text.toLongLong(&ok, 10);
  if (!ok || value < INT32_MIN || value > UINT32_MAX)
    return std::nullopt;
  return qint32(quint32(value));
}
