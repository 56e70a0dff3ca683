#pragma once

// Free operations over the locale table: the code form of a language, its
// Windows identifiers, code page and English display names. All are pure
// lookups usable before any project is open; a miss answers none, 0 or empty
// text as each one says. Windows' national-language queries are answered from
// the table too.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

struct TVnLocaleData;

/// The parts of a language code.
struct TVnLanguageCodeParts {
  QString Language;
  QString Country;
  QString Variant;
  int Script = 0;
  bool operator==(const TVnLanguageCodeParts &) const = default;
};

/// A line of a list together with the id it stands for.
struct TVnNamedId {
  QString Text;
  int Id = 0;
  bool operator==(const TVnNamedId &) const = default;
};

/// Windows locale information types the program asks for.
enum TVnLocaleInfoType : int {
  vnLiLocalizedLanguage = 2,
  vnLiAbbrevLanguage = 3,
  vnLiNativeLanguage = 4,
  vnLiLocalizedCountry = 6,
  vnLiNativeCountry = 8,
  vnLiIsoLanguage = 89,
  vnLiIsoCountry = 90,
  vnLiEnglishLanguage = 0x1001,
  vnLiEnglishCountry = 0x1002,
  vnLiDefaultAnsiCodePage = 0x1004,
};

/// Installs the table as the answer of DefaultAnsiCodePage. The program calls
/// it once at start-up; calling it again does no harm.
void VnInstallLanguageTable();

/// The text form: language, "_" country, "_" variant (two underscores when the
/// country is empty or begins with a blank), then "." and the script code when
/// the script is set and is not the default of the rest.
QString FormatLanguageCode(const QString &language, const QString &country, const QString &variant,
                           int script);
/// Splits a code at its first "." and its "_"; a missing or unknown script
/// code gives the default script of language, country and variant.
TVnLanguageCodeParts ParseLanguageCode(const QString &code);
/// The first two characters: the language without its country.
QString PrimaryCodeOf(const QString &code);
/// The script of the best matching row (language, country and variant; then
/// language and country; then language); Latin when none matches.
int DefaultScriptOf(const QString &language, const QString &country, const QString &variant);

/// The first row whose non-empty text arguments equal its values exactly and
/// whose script equals `script` unless that is 0; null when none does or when
/// both language and script are empty.
const TVnLocaleData *FindLocaleRow(const QString &language, const QString &country, const QString &variant,
                                   int script);
/// The first row with that primary id and, when `subId` is not negative, that sub id.
const TVnLocaleData *FindLocaleRowByIds(int primaryId, int subId = -1);
/// The scripts of every row of the language.
QSet<int> ScriptsOfLanguage(const QString &language);

/// The Windows font charset of an ANSI code page; 1 (the default charset) for others.
int CharsetOfCodePage(int codePage);
/// The primary id of the first row whose language code equals the text ignoring
/// case; else the text read as a decimal number; else 0.
int PrimaryIdOfCode(const QString &code);
/// The language code of the first row with the primary id; else the id in decimal.
QString CodeOfPrimaryId(int primaryId);
/// Writes the country of the first row with both ids, or the sub id in decimal,
/// to `country`; leaves it alone when the primary id is not positive or the sub id is 0.
void CountryOfIds(int primaryId, int subId, QString &country);
/// Fills `parts` from the first row with both ids; false (and `parts` untouched)
/// when the ids are out of range or no row has them.
bool PartsOfIds(int primaryId, int subId, TVnLanguageCodeParts &parts);
/// The sub id of a language as the table knows it; 0 for a country-less code
/// in its default script.
int SubIdOf(const QString &language, const QString &country, int primaryId, const QString &variant,
            int script);
/// The Windows language identifier; 0 when the table lacks the language. An empty
/// country or variant matches only rows where it is empty too.
int LangIdOf(const QString &language, const QString &country, int script, const QString &variant);
/// The Windows locale identifier for queries about a code: a country-less code
/// picks the usual locale of its language and script.
int LcidOf(const TVnLanguageCodeParts &parts);
/// The Windows ANSI code page of the best matching row; 0 when none.
int CodePageOf(const QString &language, int script, const QString &country, const QString &variant);
/// The code of a Windows locale identifier, without variant; empty when unknown.
QString CodeOfLcid(int lcid);

QString EnglishLanguageName(const QString &language, int script, const QString &country);
QString EnglishCountryName(const QString &language, const QString &country, int script);
QString PrimaryLanguageName(int primaryId);

/// "Language, qualifier (Country)". Empty given names are taken from the table.
QString LocaleDisplayName(const QString &language, const QString &country, int script, bool qualify,
                          const QString &name = {}, const QString &countryName = {},
                          const QString &variantName = {}, const QString &variant = {});
/// The country-less name of a language object: "Language, variant, qualifier".
QString LanguageDisplayName(const QString &language, int script, const QString &country, bool qualify,
                            const QString &variantName = {}, const QString &name = {},
                            const QString &variant = {});
/// The name every part of the program shows for a code: the custom name when
/// the custom language store has the code, else the locale display name.
QString DisplayNameOfCode(const QString &code);

/// One line per primary language ("Arabic (1)") with the primary id; answers the number added.
int ListPrimaryLanguages(QList<TVnNamedId> &list);
/// The country names of the primary language with their sub ids; with
/// `withSystem`, also the system's locales the table lacks. Answers the count.
int ListSubLanguages(int primaryId, QList<TVnNamedId> &list, bool withSystem);
/// The locale identifiers the system supports, in table order.
QList<int> EnumSystemLcids();
/// A Windows locale query answered from the table; `def` when it has no answer.
QString LocaleInfo(int lcid, int type, const QString &def);

/// A code that begins with the old Serbian "sr_SP" rewritten to "sr_RS"; empty
/// text for every other code, so a non-empty answer says "replace the stored code".
QString MigrateLegacyCode(const QString &code);
