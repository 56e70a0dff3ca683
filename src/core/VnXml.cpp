#include "core/VnXml.h"

#include "core/VnSafeFile.h"

#include <QChar>
#include <QFile>

#include <cstring>
#include <new>
#include <utility>

namespace {

// Longer bodies are not looked at: a stray "&" must not start a long scan.
constexpr std::size_t kLongestReference = 40;

const char *const kNamedEntities[][2] = {
    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"},
};

void AppendUtf8(std::string &out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// The code point of a numeric reference body ("#13", "#x0D"), or nothing when
// it is not a valid character. NUL is accepted: the setters write it as
// "&#0;" so that no text is ever cut at an embedded NUL.
std::optional<char32_t> NumericReference(std::string_view body) {
  if (body.size() < 2 || body[0] != '#')
    return std::nullopt;
  int base = 10;
  std::size_t i = 1;
  if (body[1] == 'x' || body[1] == 'X') {
    base = 16;
    i = 2;
  }
  if (i >= body.size())
    return std::nullopt;
  char32_t cp = 0;
  for (; i < body.size(); ++i) {
    int digit = QChar::fromLatin1(body[i]).digitValue();
    if (base == 16 && digit < 0) {
      char c = char(body[i] | 0x20);
      digit = (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    }
    if (digit < 0 || digit >= base)
      return std::nullopt;
    cp = cp * char32_t(base) + char32_t(digit);
    if (cp > 0x10FFFF)
      return std::nullopt;
  }
  if (cp >= 0xD800 && cp <= 0xDFFF)
    return std::nullopt;
  return cp;
}

// Decodes one reference body into `out`; false when it is no known reference.
bool DecodeReference(std::string_view body, std::string &out) {
  for (const auto &entity : kNamedEntities)
    if (body == entity[0]) {
      out += entity[1];
      return true;
    }
  if (auto cp = NumericReference(body)) {
    AppendUtf8(out, *cp);
    return true;
  }
  return false;
}

// Control characters other than TAB, LF and CR cannot stand raw in XML; they
// and NUL are written as numeric references so that no character is lost.
void AppendControl(std::string &out, char c) {
  out += "&#";
  out += std::to_string(int(static_cast<unsigned char>(c)));
  out += ';';
}

std::string Escape(QStringView text, bool attribute) {
  const QByteArray utf8 = text.toUtf8();
  std::string out;
  out.reserve(std::size_t(utf8.size()) + 16);
  for (char c : utf8) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&apos;"; break;
    case '\r': out += "&#13;"; break;
    case '\n': out += attribute ? "&#10;" : "\n"; break;
    case '\t': out += attribute ? "&#9;" : "\t"; break;
    default:
      if (static_cast<unsigned char>(c) < 0x20)
        AppendControl(out, c);
      else
        out += c;
    }
  }
  return out;
}

} // namespace

namespace {

[[noreturn]] void FailToParse(const QString &sourceName, const pugi::xml_parse_result &result) {
  throw EVnXmlError(QStringLiteral("The file \"%1\" is not a valid XML document: %2 at offset %3.")
                        .arg(sourceName, QString::fromUtf8(result.description()), QString::number(result.offset)));
}

/// A buffer from pugixml's allocator, so that a document can take it over.
class TPugiBuffer {
public:
  explicit TPugiBuffer(std::size_t size) : FData(static_cast<char *>(pugi::get_memory_allocation_function()(size ? size : 1))) {
    if (!FData)
      throw std::bad_alloc();
  }
  ~TPugiBuffer() {
    if (FData)
      pugi::get_memory_deallocation_function()(FData);
  }
  TPugiBuffer(const TPugiBuffer &) = delete;
  TPugiBuffer &operator=(const TPugiBuffer &) = delete;
  char *Data() { return FData; }
  char *Release() { return std::exchange(FData, nullptr); }

private:
  char *FData;
};

} // namespace

void VnXmlLoad(pugi::xml_document &doc, const QByteArray &bytes, const QString &sourceName) {
  pugi::xml_document parsed;
  pugi::xml_parse_result result =
      parsed.load_buffer(bytes.constData(), std::size_t(bytes.size()), VnXmlParseFlags);
  if (!result)
    FailToParse(sourceName, result);
  doc = std::move(parsed);
}

void VnXmlLoadFile(pugi::xml_document &doc, const QString &fileName, const std::function<void(int percent)> &onPercent) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw VnFileError("read", fileName, file.errorString());
  const qint64 size = file.size();
  TPugiBuffer buffer{std::size_t(size)};
  constexpr qint64 chunk = 4 << 20;
  qint64 done = 0;
  while (done < size) {
    const qint64 read = file.read(buffer.Data() + done, std::min(chunk, size - done));
    if (read <= 0)
      throw VnFileError("read", fileName, file.errorString());
    done += read;
    if (onPercent)
      onPercent(int(done * 100 / size));
  }
  pugi::xml_document parsed;
  const pugi::xml_parse_result result = parsed.load_buffer_inplace_own(buffer.Release(), std::size_t(size), VnXmlParseFlags);
  if (!result)
    FailToParse(fileName, result);
  doc = std::move(parsed);
}

QString VnXmlDecode(std::string_view stored) {
  std::size_t amp = stored.find('&');
  if (amp == std::string_view::npos)
    return QString::fromUtf8(stored.data(), qsizetype(stored.size()));
  std::string out(stored.substr(0, amp));
  while (amp < stored.size()) {
    std::size_t semi = stored.find(';', amp + 1);
    if (semi != std::string_view::npos && semi - amp <= kLongestReference &&
        DecodeReference(stored.substr(amp + 1, semi - amp - 1), out)) {
      amp = semi + 1;
    } else {
      out += '&'; // not a reference: keep the ampersand as it stands
      ++amp;
    }
    std::size_t next = stored.find('&', amp);
    if (next == std::string_view::npos)
      next = stored.size();
    out.append(stored.substr(amp, next - amp));
    amp = next;
  }
  return QString::fromStdString(out);
}

std::string VnXmlEscapeText(QStringView text) { return Escape(text, false); }

std::string VnXmlEscapeAttribute(QStringView text) { return Escape(text, true); }

QString VnXmlText(pugi::xml_node element) {
  QString text;
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_pcdata)
      text += VnXmlDecode(child.value());
    else if (child.type() == pugi::node_cdata)
      text += QString::fromUtf8(child.value());
  }
  return text;
}

void VnXmlSetText(pugi::xml_node element, QStringView text) {
  // Replace all text children so that a former CDATA section does not linger.
  for (pugi::xml_node child = element.first_child(); child;) {
    pugi::xml_node next = child.next_sibling();
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
      element.remove_child(child);
    child = next;
  }
  if (text.isEmpty())
    return;
  element.prepend_child(pugi::node_pcdata).set_value(VnXmlEscapeText(text).c_str());
}

QString VnXmlAttr(pugi::xml_node element, const char *name, const QString &def) {
  pugi::xml_attribute attr = element.attribute(name);
  return attr ? VnXmlDecode(attr.value()) : def;
}

void VnXmlSetAttr(pugi::xml_node element, const char *name, QStringView value) {
  pugi::xml_attribute attr = element.attribute(name);
  if (!attr)
    attr = element.append_attribute(name);
  attr.set_value(VnXmlEscapeAttribute(value).c_str());
}

pugi::xml_node VnXmlEnsureChild(pugi::xml_node parent, const char *name) {
  pugi::xml_node child = parent.child(name);
  return child ? child : parent.append_child(name);
}

pugi::xml_node VnXmlEnsureChildWith(pugi::xml_node parent, const char *name, const char *attr,
                                    QStringView value) {
  for (pugi::xml_node child : parent.children(name))
    if (VnXmlAttr(child, attr) == value)
      return child;
  pugi::xml_node child = parent.append_child(name);
  VnXmlSetAttr(child, attr, value);
  return child;
}

QString VnXmlBoolText(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> VnXmlParseElementBool(QStringView text) {
  if (text.isEmpty())
    return std::nullopt;
  switch (text.front().toUpper().unicode()) {
  case 'T':
  case 'Y':
    return true;
  case 'F':
  case 'N':
    return false;
  default:
    return std::nullopt;
  }
}

std::optional<bool> VnXmlParseAttributeBool(QStringView text) {
  QStringView t = text.trimmed();
  if (t.compare(u"true", Qt::CaseInsensitive) == 0)
    return true;
  if (t.compare(u"false", Qt::CaseInsensitive) == 0)
    return false;
  if (auto number = VnXmlParseInt(t))
    return *number != 0;
  return std::nullopt;
}

std::optional<int> VnXmlParseInt(QStringView text) {
  bool ok = false;
  int value = text.trimmed().toInt(&ok, 10);
  return ok ? std::optional<int>(value) : std::nullopt;
}
