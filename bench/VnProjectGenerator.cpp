#include "VnProjectGenerator.h"

#include "core/VnXml.h"

#include <cstdint>
#include <string>

namespace {

// A small deterministic generator: the same shape always gives the same file.
class TRandom {
public:
  explicit TRandom(std::uint64_t seed) : FState(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
  std::uint32_t Next() {
    FState = FState * 6364136223846793005ULL + 1442695040888963407ULL;
    return std::uint32_t(FState >> 33);
  }
  int Below(int n) { return int(Next() % std::uint32_t(n)); }

private:
  std::uint64_t FState;
};

const char *const kWords[] = {"file", "open", "save", "print", "window", "value", "Müller", "café", "naïve",
                              "Größe", "ÆØÅ", "файл", "окно", "сохранить", "печать", "ファイル", "保存",
                              "印刷", "窗口", "设置", "the", "of", "a", "new", "document"};
const char *const kSpecifiers[] = {"%s", "%d", "%1", "{0}", "%-5.2f", "{1:N2}"};
const char *const kRowStatuses[] = {"", "new", "active", "changed", "removed"};
const char *const kTransStatuses[] = {"", "fuzzy", "auto", "translated", "qaed", "ready"};

// Escapes as the program itself stores texts.
void AppendEscaped(std::string &out, const std::string &text) {
  out += VnXmlEscapeText(QString::fromStdString(text));
}

std::string Sentence(TRandom &random) {
  std::string text;
  const int words = 1 + random.Below(random.Below(4) == 0 ? 18 : 7); // mostly short, some long
  for (int w = 0; w < words; ++w) {
    if (w > 0)
      text += ' ';
    if (w == 0 && random.Below(3) == 0)
      text += '&'; // a hotkey
    text += kWords[random.Below(int(std::size(kWords)))];
    if (random.Below(10) == 0)
      text += std::string(" ") + kSpecifiers[random.Below(int(std::size(kSpecifiers)))];
    if (random.Below(25) == 0)
      text += "\r\n";
  }
  return text;
}

void AppendRow(std::string &out, TRandom &random, int target, int row, const QStringList &languages, bool dotted) {
  out += "        <row name=\"";
  // Groups of 200 rows in dialogs, 20 to a panel.
  if (dotted)
    out += "Dialog" + std::to_string(row / 200) + ".Panel" + std::to_string(row % 200 / 20) + ".";
  out += "IDS_" + std::to_string(target) + "_" + std::to_string(row) + "\"";
  if (const char *status = kRowStatuses[row % 5]; *status)
    out += std::string(" status=\"") + status + "\"";
  if (row % 7 == 0) {
    out += " comment=\"";
    AppendEscaped(out, Sentence(random));
    out += "\"";
  }
  if (row % 11 == 0)
    out += " maxchar=\"" + std::to_string(20 + random.Below(60)) + "\"";
  if (row % 13 == 0)
    out += " readonly=\"yes\"";
  out += ">\r\n          <native>&quot;";
  AppendEscaped(out, Sentence(random));
  out += "&quot;</native>\r\n";
  for (qsizetype l = 0; l < languages.size(); ++l) {
    const int state = (row + int(l)) % 8;
    if (state == 7)
      continue; // untranslated
    out += "          <lang id=\"" + languages[l].toStdString() + "\"";
    if (const char *status = kTransStatuses[state % 6]; *status)
      out += std::string(" status=\"") + status + "\"";
    if (state == 6) { // an empty translation with a test text
      out += " test=\"[" + languages[l].toStdString() + "] test\">&quot;&quot;</lang>\r\n";
      continue;
    }
    out += ">&quot;";
    AppendEscaped(out, Sentence(random));
    out += "&quot;</lang>\r\n";
  }
  out += "        </row>\r\n";
}

void AppendTarget(std::string &out, TRandom &random, int target, const TVnGeneratedProjectShape &shape) {
  out += "    <target scanner=\"{6E1B3C20-5A7D-4F19-9C2E-0D4A8B7F1A01}\" visible=\"True\" enabled=\"True\">\r\n"
         "      <options>\r\n        <filename>target" + std::to_string(target) + ".rc</filename>\r\n"
         "        <encodings>\r\n          <native_encoding>\r\n            <code>en_US</code>\r\n"
         "            <encoding>1252</encoding>\r\n          </native_encoding>\r\n"
         "          <output_language_list>\r\n";
  for (const QString &language : shape.Languages)
    out += "            <language>\r\n              <code>" + language.toStdString() +
           "</code>\r\n              <encoding>UTF-8</encoding>\r\n            </language>\r\n";
  out += "          </output_language_list>\r\n        </encodings>\r\n      </options>\r\n      <stringdata>\r\n";
  for (int r = 0; r < shape.RowsPerTarget; ++r)
    AppendRow(out, random, target, r, shape.Languages, shape.DottedContexts);
  out += "      </stringdata>\r\n    </target>\r\n";
}

} // namespace

QByteArray VnGenerateProject(const TVnGeneratedProjectShape &shape) {
  TRandom random(std::uint64_t(shape.Targets) * 1000003u + std::uint64_t(shape.RowsPerTarget));
  std::string out = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<xml version=\"0.0.0.0 lite\">\r\n"
                    "  <targets>\r\n";
  out.reserve(std::size_t(shape.Targets) * std::size_t(shape.RowsPerTarget) *
              (200 + 110 * std::size_t(shape.Languages.size())));
  for (int t = 0; t < shape.Targets; ++t)
    AppendTarget(out, random, t, shape);
  out += "  </targets>\r\n  <languages active=\"0\">\r\n";
  for (const QString &language : shape.Languages)
    out += "    <language>" + language.toStdString() + "</language>\r\n";
  out += "  </languages>\r\n</xml>\r\n";
  return QByteArray(out.data(), qsizetype(out.size()));
}
