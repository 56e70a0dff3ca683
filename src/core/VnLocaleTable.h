#pragma once

#include <QtGlobal>

#include <span>

/// The kinds of encoding an encoding group lists, one column each.
enum TVnEncodingKind : int {
  vnEncUtf8 = 0,
  vnEncUtf16 = 1,
  vnEncUtf16BigEndian = 2,
  vnEncUnicodeEscape = 3,
  vnEncWindows = 4,
  vnEncIso = 5,
  vnEncMac = 6,
  vnEncDos = 7,
  vnEncEbcdic = 8,
  vnEncOther = 9,
  vnEncKindCount = 10,
};

/// The encodings that suit a language, by kind; an empty name is an empty cell.
struct TVnEncodingGroup {
  const char *Names[vnEncKindCount];
};

/// One of the four Unicode encodings every group shares, with its column.
struct TVnEncodingData {
  const char *Name;
  int Index;
};

/// One language-country-variant combination with its Windows, Palm OS, Symbian
/// and Oracle identifiers. Names are English.
struct TVnLocaleData {
  const char *LanguageName;
  const char *CountryName;
  const char *VariantName;
  const char *Language; ///< ISO 639 code
  const char *Country;  ///< ISO 3166 code; two blanks for the one row without a country
  const char *Variant;  ///< upper case, such as "MOD" or "NYNORSK"; empty for most rows
  quint8 Script;        ///< index into the script table
  quint8 EncodingGroup; ///< index into VnEncodingGroups()
  int PrimaryId;        ///< Windows primary language identifier
  int SubId;            ///< Windows sub-language identifier
  const char *WinCode;  ///< Windows three-letter language abbreviation
  quint8 Charset;       ///< Windows font charset
  quint8 PalmLanguage;
  quint8 PalmCountry;
  quint8 SymbianLanguage; ///< 99 where Symbian has none
  const char *SymbianInstallCode;
  const char *OracleAbbreviation;
  const char *OracleLanguage;
  const char *OracleTerritory;

  /// The row's encodings.
  const TVnEncodingGroup &Encodings() const;
  /// Primary id plus sub id shifted left by 10.
  int LangId() const { return PrimaryId | (SubId << 10); }
};

/// The 18 encoding groups; group 0 is all empty.
std::span<const TVnEncodingGroup> VnEncodingGroups();
/// utf-8, utf-16, unicodeFFFE and unicode-escape with their columns.
std::span<const TVnEncodingData> VnUnicodeEncodings();

/// The 165 locale rows in their fixed order: lookups walk them from the start
/// and the first match wins, so the order is part of the data.
std::span<const TVnLocaleData> VnLocaleTable();
/// The row that stands for "no row": empty codes, ids -1, charset 1, Symbian 99.
const TVnLocaleData &VnLocaleEndRow();
