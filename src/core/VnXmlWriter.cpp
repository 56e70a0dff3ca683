#include "core/VnXmlWriter.h"

#include "core/VnSafeFile.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr const char *kEol = "\r\n";

// Collects output in a local buffer and hands it over in large pieces: a
// project has millions of small pieces, and appending each to the byte array
// on its own costs more than writing them.
class TOutput {
public:
  explicit TOutput(QByteArray &target) : FTarget(target) {}
  ~TOutput() { Flush(); }
  TOutput(const TOutput &) = delete;
  TOutput &operator=(const TOutput &) = delete;

  void Put(char c) {
    if (FUsed == sizeof(FBuffer))
      Flush();
    FBuffer[FUsed++] = c;
  }
  void Put(const char *text) { Put(text, std::strlen(text)); }
  void Put(const char *text, std::size_t size) {
    if (size > sizeof(FBuffer) - FUsed) {
      Flush();
      if (size > sizeof(FBuffer)) {
        FTarget.append(text, qsizetype(size));
        return;
      }
    }
    std::memcpy(FBuffer + FUsed, text, size);
    FUsed += size;
  }
  void Spaces(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
      Put(' ');
  }
  void Flush() {
    FTarget.append(FBuffer, qsizetype(FUsed));
    FUsed = 0;
  }

private:
  QByteArray &FTarget;
  char FBuffer[1 << 16];
  std::size_t FUsed = 0;
};

class TWriter {
public:
  explicit TWriter(TOutput &out) : FOut(out) {}

  void Node(pugi::xml_node node, int depth) {
    switch (node.type()) {
    case pugi::node_element:
      Element(node, depth);
      break;
    case pugi::node_comment:
      Indent(depth);
      Inline(node);
      FOut.Put(kEol);
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

  void Indent(int depth) { FOut.Spaces(std::size_t(depth) * 2); }

  void StartTag(pugi::xml_node element) {
    FOut.Put('<');
    FOut.Put(element.name());
    for (pugi::xml_attribute attr = element.first_attribute(); attr; attr = attr.next_attribute()) {
      FOut.Put(' ');
      FOut.Put(attr.name());
      FOut.Put("=\"");
      AttributeValue(attr.value());
      FOut.Put('"');
    }
  }

  // Values are stored escaped; only a raw double quote (possible when the file
  // used single-quoted attributes) must change to stay well-formed.
  void AttributeValue(const char *value) {
    for (const char *quote; (quote = std::strchr(value, '"')) != nullptr; value = quote + 1) {
      FOut.Put(value, std::size_t(quote - value));
      FOut.Put("&quot;");
    }
    FOut.Put(value);
  }

  void EndTag(pugi::xml_node element) {
    FOut.Put("</");
    FOut.Put(element.name());
    FOut.Put('>');
  }

  void Element(pugi::xml_node element, int depth) {
    Indent(depth);
    if (!element.first_child() || HoldsText(element)) {
      Inline(element);
      FOut.Put(kEol);
      return;
    }
    StartTag(element);
    FOut.Put('>');
    FOut.Put(kEol);
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
      Node(child, depth + 1);
    Indent(depth);
    EndTag(element);
    FOut.Put(kEol);
  }

  // A node and everything below it on one line, with no whitespace added.
  void Inline(pugi::xml_node node) {
    switch (node.type()) {
    case pugi::node_element:
      StartTag(node);
      if (!node.first_child()) {
        FOut.Put("/>");
        return;
      }
      FOut.Put('>');
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        Inline(child);
      EndTag(node);
      break;
    case pugi::node_pcdata:
      FOut.Put(node.value());
      break;
    case pugi::node_cdata:
      FOut.Put("<![CDATA[");
      FOut.Put(node.value());
      FOut.Put("]]>");
      break;
    case pugi::node_comment:
      FOut.Put("<!--");
      FOut.Put(node.value());
      FOut.Put("-->");
      break;
    default:
      break;
    }
  }

  TOutput &FOut;
};

} // namespace

QByteArray VnXmlSerialize(const pugi::xml_document &doc, qsizetype sizeHint) {
  QByteArray out;
  out.reserve(std::max<qsizetype>(sizeHint, 4096));
  {
    auto output = std::make_unique<TOutput>(out);
    output->Put("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    output->Put(kEol);
    TWriter writer(*output);
    for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling())
      writer.Node(child, 0);
  }
  return out;
}

void VnXmlSaveFile(const pugi::xml_document &doc, const QString &fileName) {
  VnWriteFile(fileName, VnXmlSerialize(doc));
}
