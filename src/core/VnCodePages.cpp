#include "core/VnCodePages.h"

#include <unicode/ucnv.h>

#include <vector>

namespace {

struct TVnCodePageRow {
  quint8 Script;
  qint32 CodePage;
  const char *Name;
};

// The rows in the order lookups must see them: where a number or a name repeats,
// the first row wins.
constexpr TVnCodePageRow kCodePageRows[] = {
    // Windows ANSI
    {1, 1252, "windows-1252"},
    {1, 1250, "windows-1250"},
    {3, 1251, "windows-1251"},
    {2, 1253, "windows-1253"},
    {1, 1254, "windows-1254"},
    {5, 1255, "windows-1255"},
    {4, 1256, "windows-1256"},
    {1, 1257, "windows-1257"},
    {1, 1258, "windows-1258"},
    {10, 874, "windows-874"},
    {6, 932, "shift_jis"},
    {8, 936, "gb2312"},
    {9, 949, "ks_c_5601-1987"},
    {7, 950, "big5"},
    // ISO
    {1, 28591, "iso-8859-1"},
    {1, 28592, "iso-8859-2"},
    {1, 28593, "iso-8859-3"},
    {1, 28594, "iso-8859-4"},
    {3, 28595, "iso-8859-5"},
    {4, 28596, "iso-8859-6"},
    {2, 28597, "iso-8859-7"},
    {5, 28598, "iso-8859-8"},
    {1, 28599, "iso-8859-9"},
    {1, 28605, "iso-8859-15"},
    {5, 38598, "iso-8859-8-i"},
    {6, 50220, "iso-2022-jp"},
    {6, 50221, "csISO2022JP"},
    {6, 50222, "iso-2022-jp"},
    {9, 50225, "iso-2022-kr"},
    {8, 50227, "iso-2022-cn"},
    {7, 50229, "iso-2022-tw"},
    {1, 20269, "iso-6937"},
    // Macintosh
    {1, 10000, "macintosh"},
    {6, 10001, "x-mac-japanese"},
    {7, 10002, "x-mac-chinesetrad"},
    {9, 10003, "x-mac-korean"},
    {4, 10004, "x-mac-arabic"},
    {5, 10005, "x-mac-hebrew"},
    {2, 10006, "x-mac-greek"},
    {3, 10007, "x-mac-cyrillic"},
    {8, 10008, "x-mac-chinesesimp"},
    {1, 10010, "x-mac-romania"},
    {3, 10017, "x-mac-ukraine"},
    {10, 10021, "x-mac-thai"},
    {1, 10029, "x-mac-latin"},
    {1, 10079, "x-mac-icelandic"},
    {1, 10081, "x-mac-turkish"},
    {1, 10082, "x-mac-croatian"},
    // DOS
    {4, 708, "ASMO-708"},
    {4, 720, "DOS-720"},
    {2, 737, "ibm737"},
    {1, 775, "ibm775"},
    {1, 850, "ibm850"},
    {1, 852, "ibm852"},
    {3, 855, "ibm855"},
    {1, 857, "ibm857"},
    {1, 858, "ibm858"},
    {1, 860, "ibm860"},
    {1, 861, "ibm861"},
    {5, 862, "DOS-862"},
    {1, 863, "DOS-863"},
    {4, 864, "DOS-864"},
    {1, 865, "DOS-865"},
    {3, 866, "cp866"},
    {2, 869, "ibm869"},
    // EBCDIC
    {1, 870, "CP870"},
    {2, 875, "x-EBCDIC-GreekModern"},
    {1, 1026, "CP1026"},
    {1, 1047, "ebcdic-1047"},
    {1, 1140, "x-ebcdic-cp-us-euro"},
    {1, 1141, "x-ebcdic-germany-euro"},
    {1, 1142, "x-ebcdic-denmarknorway-euro"},
    {1, 1143, "x-ebcdic-finlandsweden-euro"},
    {1, 1144, "x-ebcdic-italy-euro"},
    {1, 1145, "x-ebcdic-spain-euro"},
    {1, 1146, "x-ebcdic-uk-euro"},
    {1, 1147, "x-ebcdic-france-euro"},
    {1, 1148, "x-ebcdic-international-euro"},
    {1, 1149, "x-ebcdic-icelandic-euro"},
    {1, 20273, "x-EBCDIC-Germany"},
    {1, 20277, "x-EBCDIC-DenmarkNorway"},
    {1, 20278, "x-EBCDIC-FinlandSweden"},
    {1, 20280, "x-EBCDIC-Italy"},
    {1, 20284, "X-EBCDIC-Spain"},
    {1, 20285, "x-EBCDIC-UK"},
    {6, 20290, "x-EBCDIC-JapaneseKatakana"},
    {1, 20297, "x-EBCDIC-France"},
    {4, 20420, "x-EBCDIC-Arabic"},
    {2, 20423, "x-EBCDIC-Greek"},
    {5, 20424, "x-EBCDIC-Hebrew"},
    {9, 20833, "x-EBCDIC-KoreanExtended"},
    {10, 20838, "x-EBCDIC-Thai"},
    {1, 20871, "x-EBCDIC-Icelandic"},
    {3, 20880, "x-EBCDIC-CyrillicRussian"},
    {1, 20905, "x-EBCDIC-Turkish"},
    {1, 20924, "ebcdic-20924"},
    {3, 21025, "x-EBCDIC-CyrillicSerbianBulgarian"},
    {6, 50930, "x-EBCDIC-JapaneseAndKana"},
    {6, 50931, "x-EBCDIC-JapaneseAndUSCanada"},
    {9, 50933, "x-EBCDIC-KoreanAndKoreanExtended"},
    {8, 50935, "x-EBCDIC-SimplifiedChinese"},
    {7, 50937, "x-EBCDIC-TraditionalChinese"},
    {6, 50939, "x-EBCDIC-JapaneseAndJapaneseLatin"},
    // Unicode
    {0, 65000, "utf-7"},
    {0, 65001, "utf-8"},
    {0, 1200, "utf-16"},
    {0, 1201, "unicodeFFFE"},
    // Other
    {9, 1361, "Johab"},
    {7, 20000, "x-Chinese-CNS"},
    {7, 20001, "x-Chinese-TCA"},
    {7, 20002, "x-Chinese-Eten"},
    {7, 20003, "x-Chinese-IBM5550"},
    {7, 20004, "x-Chinese-TeleText"},
    {7, 20005, "x-Chinese-Wang"},
    {1, 20105, "x-IA5"},
    {1, 20106, "x-IA5-German"},
    {1, 20107, "x-IA5-Swedish"},
    {1, 20108, "x-IA5-Norwegian"},
    {1, 20127, "us-ascii"},
    {1, 20261, "20261"},
    {3, 20866, "koi8-r"},
    {6, 20932, "jisx"},
    {8, 20936, "gbk"},
    {9, 20949, "wansung"},
    {1, 21027, "21027"},
    {3, 21866, "koi8-u"},
    {6, 20932, "euc-jp"},
    {8, 51936, "euc-cn"},
    {9, 51949, "euc-kr"},
    {7, 51950, "euc-tw"},
    {8, 52936, "hz-gb-2312"},
    {8, 54936, "GB18030"},
    {15, 57002, "x-iscii-de"},
    {16, 57003, "x-iscii-be"},
    {19, 57004, "x-iscii-ta"},
    {20, 57005, "x-iscii-te"},
    {16, 57006, "x-iscii-as"},
    {18, 57007, "x-iscii-or"},
    {21, 57008, "x-iscii-ka"},
    {22, 57009, "x-iscii-ma"},
    {23, 57010, "x-iscii-gu"},
    {17, 57011, "x-iscii-pa"},
};
static_assert(std::size(kCodePageRows) == 142, "the code page table has 142 rows");

struct TVnConverterName {
  qint32 CodePage;
  const char *Converter;
};

// ICU's converter for each code page number. Keyed by number, not by the row's
// name: ICU reads several of the names differently ("gb2312" is EUC-CN there, while
// 936 is the GBK superset). Numbers missing here have no ICU converter whose
// repertoire matches the system's (the Macintosh CJK, Arabic, Hebrew and Thai
// pages, several EBCDIC pages, Johab, the old Chinese and IA5 pages, T.61); 50931
// is left out because ICU only aliases it to 939, whose single-byte half differs.
constexpr TVnConverterName kConverterNames[] = {
    {1252, "windows-1252"},
    {1250, "windows-1250"},
    {1251, "windows-1251"},
    {1253, "windows-1253"},
    {1254, "windows-1254"},
    {1255, "windows-1255"},
    {1256, "windows-1256"},
    {1257, "windows-1257"},
    {1258, "windows-1258"},
    {874, "windows-874"},
    {932, "windows-932"},
    {936, "windows-936"},
    {949, "windows-949"},
    {950, "windows-950"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28605, "ISO-8859-15"},
    {38598, "ISO-8859-8-I"},
    {50220, "x-windows-50220"},
    {50221, "x-windows-50221"},
    {50222, "JIS7"},
    {50225, "ISO-2022-KR"},
    {50227, "ISO-2022-CN"},
    {10000, "macintosh"},
    {10006, "x-mac-greek"},
    {10007, "x-mac-cyrillic"},
    {10017, "x-MacUkraine"},
    {10029, "x-mac-centraleurroman"},
    {10081, "x-mac-turkish"},
    {437, "ibm-437"},
    {708, "ASMO-708"},
    {720, "ibm-720"},
    {737, "ibm-737"},
    {775, "ibm-775"},
    {850, "ibm-850"},
    {852, "ibm-852"},
    {855, "ibm-855"},
    {857, "ibm-857"},
    {858, "ibm-858"},
    {860, "ibm-860"},
    {861, "ibm-861"},
    {862, "ibm-862"},
    {863, "ibm-863"},
    {864, "ibm-864"},
    {865, "ibm-865"},
    {866, "ibm-866"},
    {869, "ibm-869"},
    {870, "ibm-870"},
    {875, "ibm-875"},
    {1026, "ibm-1026"},
    {1047, "ibm-1047"},
    {1140, "ibm-1140"},
    {1141, "ibm-1141"},
    {1142, "ibm-1142"},
    {1143, "ibm-1143"},
    {1144, "ibm-1144"},
    {1145, "ibm-1145"},
    {1146, "ibm-1146"},
    {1147, "ibm-1147"},
    {1148, "ibm-1148"},
    {1149, "ibm-1149"},
    {20273, "ibm-273"},
    {20277, "ibm-277"},
    {20278, "ibm-278"},
    {20280, "ibm-280"},
    {20284, "ibm-284"},
    {20285, "ibm-285"},
    {20290, "ibm-290"},
    {20297, "ibm-297"},
    {20420, "ibm-420"},
    {20424, "ibm-424"},
    {20838, "ibm-838"},
    {20871, "ibm-871"},
    {21025, "ibm-1025"},
    {50930, "ibm-930"},
    {50933, "ibm-933"},
    {50935, "ibm-935"},
    {50937, "ibm-937"},
    {50939, "ibm-939"},
    {65000, "UTF-7"},
    {65001, "UTF-8"},
    {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},
    {20127, "US-ASCII"},
    {20866, "KOI8-R"},
    {20932, "EUC-JP"},
    {51932, "EUC-JP"},
    {20936, "GB2312"},
    {20949, "EUC-KR"},
    {21866, "KOI8-U"},
    {51936, "EUC-CN"},
    {51949, "EUC-KR"},
    {51950, "EUC-TW"},
    {52936, "HZ-GB-2312"},
    {54936, "GB18030"},
    {57002, "x-iscii-de"},
    {57003, "x-iscii-be"},
    {57004, "x-iscii-ta"},
    {57005, "x-iscii-te"},
    {57006, "x-iscii-as"},
    {57007, "x-iscii-or"},
    {57008, "x-iscii-ka"},
    {57009, "x-iscii-ma"},
    {57010, "x-iscii-gu"},
    {57011, "x-iscii-pa"},
};

bool IcuOpens(const char *converter) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter *opened = ucnv_open(converter, &error);
  ucnv_close(opened);
  return U_SUCCESS(error);
}

// Without Windows there is one converter library, so "installed" and "convertible"
// both mean "ICU opens a converter for the number". Both flags are set together,
// which keeps every code page on one conversion path.
std::vector<TVnCodePageData> BuildTable() {
  std::vector<TVnCodePageData> table;
  table.reserve(std::size(kCodePageRows));
  for (const TVnCodePageRow &row : kCodePageRows) {
    TVnCodePageData data{row.Script, row.CodePage, row.Name, VnConverterOfCodePage(row.CodePage), {}};
    if (data.Converter && IcuOpens(data.Converter))
      data.Availability = vnCpInstalled | vnCpConvertible;
    table.push_back(data);
  }
  return table;
}

bool IsAsciiUpper(char16_t c) {
  return c >= u'A' && c <= u'Z';
}
char16_t AsciiLower(char16_t c) {
  return IsAsciiUpper(c) ? char16_t(c + (u'a' - u'A')) : c;
}

// Only ASCII letters fold: a Kelvin sign must not match "k".
bool EqualsIgnoringAsciiCase(QStringView text, const char *name) {
  qsizetype i = 0;
  for (; name[i] != '\0'; ++i) {
    if (i >= text.size() || AsciiLower(text[i].unicode()) != AsciiLower(char16_t(uchar(name[i]))))
      return false;
  }
  return i == text.size();
}

struct TVnAnsiFallback {
  int Primary;
  int CodePage;
  unsigned OtherSubIds; // bit n set: sub id n answers OtherCodePage instead
  int OtherCodePage;
};

// For languages without an ANSI code page of their own, by primary language id.
constexpr TVnAnsiFallback kAnsiFallbacks[] = {
    {1, 1256, 0, 0},           {41, 1256, 0, 0},
    {2, 1251, 0, 0},           {25, 1251, 0, 0},
    {34, 1251, 0, 0},          {35, 1251, 0, 0},
    {5, 1250, 0, 0},           {14, 1250, 0, 0},
    {21, 1250, 0, 0},          {24, 1250, 0, 0},
    {27, 1250, 0, 0},          {28, 1250, 0, 0},
    {36, 1250, 0, 0},          {8, 1253, 0, 0},
    {13, 1255, 0, 0},          {17, 932, 0, 0},
    {18, 949, 0, 0},           {26, 1251, (1u << 1) | (1u << 2), 1250}, // Croatian, Bosnian, Serbian Latin
    {30, 874, 0, 0},           {31, 1254, 0, 0},
    {37, 1257, 0, 0},          {38, 1257, 0, 0},
    {39, 1257, 0, 0},          {42, 1258, 0, 0},
    {44, 1254, 1u << 2, 1251}, // Azeri: Cyrillic script is sub id 2
    {67, 1254, 1u << 2, 1251}, // Uzbek
};
constexpr int kAnsiDefault = 1252;

TVnAnsiCodePageSource &AnsiCodePageSource() {
  static TVnAnsiCodePageSource source;
  return source;
}

} // namespace

std::span<const TVnCodePageData> VnCodePageTable() {
  static const std::vector<TVnCodePageData> table = BuildTable();
  return table;
}

const char *VnConverterOfCodePage(int codePage) {
  for (const TVnConverterName &entry : kConverterNames) {
    if (entry.CodePage == codePage)
      return entry.Converter;
  }
  return nullptr;
}

const TVnCodePageData *FindCodePage(int codePage) {
  if (codePage == 0)
    return nullptr;
  for (const TVnCodePageData &row : VnCodePageTable()) {
    if (row.CodePage == codePage)
      return &row;
  }
  return nullptr;
}

int CodePageOfName(QStringView name) {
  if (name.isEmpty())
    return 0;
  for (const TVnCodePageData &row : VnCodePageTable()) {
    if (EqualsIgnoringAsciiCase(name, row.Name))
      return row.CodePage;
  }
  return 0;
}

int ScriptOfCodePage(int codePage) {
  const TVnCodePageData *row = FindCodePage(codePage);
  return row ? row->Script : 0;
}

TVnCodePageAvailability CodePageAvailability(int codePage) {
  const TVnCodePageData *row = FindCodePage(codePage);
  return row ? row->Availability : TVnCodePageAvailability();
}

void VnSetDefaultAnsiCodePageSource(TVnAnsiCodePageSource source) {
  AnsiCodePageSource() = std::move(source);
}

int DefaultAnsiCodePage(quint16 langid) {
  const int primary = langid & 0x3FF;
  const int sub = (langid >> 10) & 0x3F;
  if (primary == 4) // Chinese: Taiwan, Hong Kong and Macao write traditional characters
    return (sub == 1 || sub == 3 || sub == 5) ? 950 : 936;
  if (const TVnAnsiCodePageSource &source = AnsiCodePageSource()) {
    if (const int answer = source(langid); answer >= 1)
      return answer;
  }
  for (const TVnAnsiFallback &fallback : kAnsiFallbacks) {
    if (fallback.Primary == primary)
      return (sub < 32 && (fallback.OtherSubIds & (1u << sub))) ? fallback.OtherCodePage : fallback.CodePage;
  }
  return kAnsiDefault;
}
