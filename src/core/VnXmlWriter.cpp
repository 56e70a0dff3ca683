#include "core/VnXmlWriter.h"

#include "core/VnSafeFile.h"
#include "core/VnXml.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr const char *kEol = "\r\n";
constexpr int kDeepestIndent = 64;

// Collects output in a local buffer and hands it over in large pieces: a
// project has millions of small pieces, and appending each to the byte array
// on its own costs more than writing them.
class TOutput {
public:
  explicit TOutput(QByteArray &target) : FTarget(target) {}
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

  /// A top-level node and everything below it, in the indented layout.
  void Block(pugi::xml_node root) {
    int depth = 0;
    VnXmlWalk(
        root,
        [&](pugi::xml_node node) {
          if (node.type() == pugi::node_comment) {
            Indent(depth);
            Inline(node);
            FOut.Put(kEol);
          }
          if (node.type() != pugi::node_element)
            return false; // text directly under the document cannot be stored; declarations are ours
          Indent(depth);
          if (!node.first_child() || HoldsText(node)) {
            Inline(node);
            FOut.Put(kEol);
            return false;
          }
          StartTag(node);
          FOut.Put('>');
          FOut.Put(kEol);
          ++depth;
          return true;
        },
        [&](pugi::xml_node node) {
          --depth;
          Indent(depth);
          EndTag(node);
          FOut.Put(kEol);
        });
  }

private:
  static bool HoldsText(pugi::xml_node element) {
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
        return true;
    return false;
  }

  // Indentation stops growing at a depth no project reaches, so that a hostile
  // file nested very deeply gives output in proportion to its size.
  void Indent(int depth) { FOut.Spaces(std::size_t(std::min(depth, kDeepestIndent)) * 2); }

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

  // A node and everything below it on one line, with no whitespace added.
  void Inline(pugi::xml_node root) {
    VnXmlWalk(
        root,
        [&](pugi::xml_node node) {
          switch (node.type()) {
          case pugi::node_element:
            StartTag(node);
            FOut.Put(node.first_child() ? ">" : "/>");
            return true;
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
          return false;
        },
        [&](pugi::xml_node node) { EndTag(node); });
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
      writer.Block(child);
    output->Flush();
  }
  return out;
}

void VnXmlSaveFile(const pugi::xml_document &doc, const QString &fileName) {
  VnWriteFile(fileName, VnXmlSerialize(doc));
}
