#include "core/VnScripts.h"

namespace {

constexpr TVnScriptData kScripts[] = {
    {"Default", "default", "def"},
    {"Latin", "latin", "lat"},
    {"Greek", "greek", "gre"},
    {"Cyrillic", "cyrillic", "cyr"},
    {"Arabic", "arabic", "ara"},
    {"Hebrew", "hebrew", "heb"},
    {"Japanese", "japanese", "jap"},
    {"Chinese, traditional", "chinesetraditional", "tra"},
    {"Chinese, simplified", "chinesesimplified", "sim"},
    {"Korean", "korean", "kor"},
    {"Thai", "thai", "tha"},
    {"Armenian", "armenian", "arm"},
    {"Georgian", "georgian", "geo"},
    {"Syriac", "syriac", "syr"},
    {"Dhives akuru", "dhives", "dhi"},
    {"Devanagari", "devanagari", "dev"},
    {"Bengali", "bengali", "ben"},
    {"Gurmukhi", "gurmukhi", "gur"},
    {"Oriya", "oriya", "ori"},
    {"Tamil", "tamil", "tam"},
    {"Telugu", "telugu", "tel"},
    {"Kannada", "kannada", "kan"},
    {"Malayalam", "malayalam", "mal"},
    {"Gujarati", "gujarati", "guj"},
};
static_assert(std::size(kScripts) == 24, "the script table has 24 rows");

} // namespace

std::span<const TVnScriptData> VnScriptTable() {
  return kScripts;
}

QString ScriptCode(int script) {
  if (script < 0 || script >= int(std::size(kScripts)))
    return {};
  return QString::fromLatin1(kScripts[script].Code);
}

int ScriptByCode(QStringView code, int def) {
  for (int i = 0; i < int(std::size(kScripts)); ++i) {
    if (code.compare(QLatin1String(kScripts[i].Code), Qt::CaseInsensitive) == 0)
      return i;
  }
  return def;
}
