#include "core/VnXmlWriter.h"

#include "core/VnSafeFile.h"

#include <cstring>
#include <string>

namespace {

constexpr const char *kEol = "\r\n";

class TWriter {
public:
  explicit TWriter(std::string &out) : FOut(out) {}

  void Node(pugi::xml_node node, int depth) {
    switch (node.type()) {
    case pugi::node_element:
      Element(node, depth);
      break;
    case pugi::node_comment:
      Indent(depth);
      Inline(node);
      FOut += kEol;
      break;
    case pugi::node_pcdata:
    case pugi::node_cdata:
      // Text directly under the document cannot be stored in XML; skip it.
      break;
    default:
      break; // declarations are written by the serializer itself
    }
  }

private:
  static bool HoldsText(pugi::xml_node element) {
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
        return true;
    return false;
  }

  void Indent(int depth) { FOut.append(std::size_t(depth) * 2, ' '); }

  void StartTag(pugi::xml_node element) {
    FOut += '<';
    FOut += element.name();
    for (pugi::xml_attribute attr = element.first_attribute(); attr; attr = attr.next_attribute()) {
      FOut += ' ';
      FOut += attr.name();
      FOut += "=\"";
      AttributeValue(attr.value());
      FOut += '"';
    }
  }

  // Values are stored escaped; only a raw double quote (possible when the file
  // used single-quoted attributes) must change to stay well-formed.
  void AttributeValue(const char *value) {
    for (const char *p = value; *p; ++p) {
      if (*p == '"')
        FOut += "&quot;";
      else
        FOut += *p;
    }
  }

  void EndTag(pugi::xml_node element) {
    FOut += "</";
    FOut += element.name();
    FOut += '>';
  }

  void Element(pugi::xml_node element, int depth) {
    Indent(depth);
    if (!element.first_child() || HoldsText(element)) {
      Inline(element);
      FOut += kEol;
      return;
    }
    StartTag(element);
    FOut += '>';
    FOut += kEol;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
      Node(child, depth + 1);
    Indent(depth);
    EndTag(element);
    FOut += kEol;
  }

  // A node and everything below it on one line, with no whitespace added.
  void Inline(pugi::xml_node node) {
    switch (node.type()) {
    case pugi::node_element:
      StartTag(node);
      if (!node.first_child()) {
        FOut += "/>";
        return;
      }
      FOut += '>';
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        Inline(child);
      EndTag(node);
      break;
    case pugi::node_pcdata:
      FOut += node.value();
      break;
    case pugi::node_cdata:
      FOut += "<![CDATA[";
      FOut += node.value();
      FOut += "]]>";
      break;
    case pugi::node_comment:
      FOut += "<!--";
      FOut += node.value();
      FOut += "-->";
      break;
    default:
      break;
    }
  }

  std::string &FOut;
};

} // namespace

QByteArray VnXmlSerialize(const pugi::xml_document &doc) {
  std::string out = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  out += kEol;
  TWriter writer(out);
  for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling())
    writer.Node(child, 0);
  return QByteArray(out.data(), qsizetype(out.size()));
}

void VnXmlSaveFile(const pugi::xml_document &doc, const QString &fileName) {
  VnWriteFile(fileName, VnXmlSerialize(doc));
}
