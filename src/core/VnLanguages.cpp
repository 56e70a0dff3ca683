#include "core/VnLanguages.h"

#include "core/VnCodePages.h"
#include "core/VnCustomLanguages.h"
#include "core/VnLanguageCode.h"
#include "core/VnLocaleTable.h"
#include "core/VnScripts.h"

namespace {

bool Is(const char *value, const QString &text) {
  return text == QLatin1String(value);
}

// An empty text argument matches any row.
bool MatchesOrEmpty(const char *value, const QString &text) {
  return text.isEmpty() || Is(value, text);
}

// The table writes "no country" as two blanks in one row; codes never carry them.
QString Trimmed(const char *value) {
  return QString::fromLatin1(value).trimmed();
}

QString CutBefore(const QString &text, QChar separator) {
  const qsizetype at = text.indexOf(separator);
  return at < 0 ? text : text.left(at).trimmed();
}

struct TVnCountrylessSubId {
  const char *Language;
  int (*SubId)(const TVnLanguageCodeParts &parts);
};

// The locale that stands for a language when a code names no country.
const TVnCountrylessSubId kCountrylessSubIds[] = {
    {"es", [](const TVnLanguageCodeParts &p) { return p.Variant == QLatin1String("MOD") ? 3 : 0; }},
    {"no", [](const TVnLanguageCodeParts &p) { return p.Variant == QLatin1String("NYNORSK") ? 2 : 0; }},
    {"zh", [](const TVnLanguageCodeParts &p) { return p.Script == vnScriptTraditionalChinese ? 1 : 2; }},
    {"sr", [](const TVnLanguageCodeParts &p) { return p.Script == vnScriptLatin ? 2 : 3; }},
    {"bs", [](const TVnLanguageCodeParts &) { return 5; }},
    {"az", [](const TVnLanguageCodeParts &p) { return p.Script == vnScriptCyrillic ? 2 : 1; }},
    {"uz", [](const TVnLanguageCodeParts &p) { return p.Script == vnScriptCyrillic ? 2 : 1; }},
    {"se",
     [](const TVnLanguageCodeParts &p) {
       if (p.Variant == QLatin1String("NORTHERN"))
         return 1;
       if (p.Variant == QLatin1String("LULE"))
         return 4;
       if (p.Variant == QLatin1String("SOUTHERN"))
         return 6;
       return p.Variant == QLatin1String("SKOLT") ? 8 : 9;
     }},
};

// Languages whose names carry a qualifier the display name replaces.
enum TVnQualifier { vnqNone, vnqVariantOnly, vnqChinese, vnqKorean, vnqScript };

TVnQualifier QualifierKind(const QString &language) {
  if (language == QLatin1String("no") || language == QLatin1String("es"))
    return vnqVariantOnly;
  if (language == QLatin1String("zh"))
    return vnqChinese;
  if (language == QLatin1String("ko"))
    return vnqKorean;
  if (language == QLatin1String("az") || language == QLatin1String("uz") || language == QLatin1String("sr"))
    return vnqScript;
  return vnqNone;
}

QString ChineseQualifier(int script, const QString &country) {
  const bool simplified =
      script == vnScriptSimplifiedChinese || country == QLatin1String("CN") || country == QLatin1String("SG");
  return simplified ? QStringLiteral("Simplified") : QStringLiteral("Traditional");
}

int AnsiCodePageOfRow(const TVnLocaleData &row) {
  return CodePageOfName(QString::fromLatin1(row.Encodings().Names[vnEncWindows]));
}

QString ScriptQualifier(int script) {
  return script == vnScriptCyrillic ? QStringLiteral("Cyrillic") : QStringLiteral("Latin");
}

} // namespace

void VnInstallLanguageTable() {
  VnSetDefaultAnsiCodePageSource([](quint16 langid) {
    const TVnLocaleData *row = FindLocaleRowByIds(langid & 0x3FF, (langid >> 10) & 0x3F);
    return row ? AnsiCodePageOfRow(*row) : 0;
  });
}

QString FormatLanguageCode(const QString &language, const QString &country, const QString &variant,
                           int script) {
  QString code = language;
  const bool hasCountry = !country.isEmpty() && country.front() != QLatin1Char(' ');
  if (hasCountry) {
    code += QLatin1Char('_') + country;
    if (!variant.isEmpty())
      code += QLatin1Char('_') + variant;
  } else if (!variant.isEmpty()) {
    code += QLatin1String("__") + variant;
  }
  if (code.isEmpty() || script == vnScriptDefault)
    return code;
  const QStringList parts = code.split(QLatin1Char('_'));
  const int def = DefaultScriptOf(parts.value(0), parts.value(1), parts.value(2));
  if (script != def)
    code += QLatin1Char('.') + ScriptCode(script);
  return code;
}

TVnLanguageCodeParts ParseLanguageCode(const QString &code) {
  TVnLanguageCodeParts parts;
  const qsizetype dot = code.indexOf(QLatin1Char('.'));
  const QStringList pieces = code.left(dot < 0 ? code.size() : dot).split(QLatin1Char('_'));
  parts.Language = pieces.value(0);
  parts.Country = pieces.value(1);
  parts.Variant = pieces.value(2);
  // ".def" names the "not set" index, which is a request for the default.
  parts.Script = dot < 0 ? vnScriptDefault : ScriptByCode(QStringView(code).mid(dot + 1), vnScriptDefault);
  if (parts.Script == vnScriptDefault)
    parts.Script = DefaultScriptOf(parts.Language, parts.Country, parts.Variant);
  return parts;
}

QString PrimaryCodeOf(const QString &code) {
  return code.left(2);
}

int DefaultScriptOf(const QString &language, const QString &country, const QString &variant) {
  if (language.isEmpty())
    return vnScriptLatin;
  for (const TVnLocaleData *row :
       {FindLocaleRow(language, country, variant, 0), FindLocaleRow(language, country, {}, 0),
        FindLocaleRow(language, {}, {}, 0)}) {
    if (row && row->Script != vnScriptDefault)
      return row->Script;
  }
  return vnScriptLatin;
}

const TVnLocaleData *FindLocaleRow(const QString &language, const QString &country, const QString &variant,
                                   int script) {
  if (language.isEmpty() && script == 0)
    return nullptr;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (MatchesOrEmpty(row.Language, language) && MatchesOrEmpty(row.Country, country) &&
        MatchesOrEmpty(row.Variant, variant) && (script == 0 || row.Script == script))
      return &row;
  }
  return nullptr;
}

const TVnLocaleData *FindLocaleRowByIds(int primaryId, int subId) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (row.PrimaryId == primaryId && (subId < 0 || row.SubId == subId))
      return &row;
  }
  return nullptr;
}

QSet<int> ScriptsOfLanguage(const QString &language) {
  QSet<int> scripts;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (Is(row.Language, language))
      scripts.insert(row.Script);
  }
  return scripts;
}

int CharsetOfCodePage(int codePage) {
  static constexpr struct {
    int CodePage;
    int Charset;
  } kCharsets[] = {{1252, 0},   {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162},
                   {1255, 177}, {1256, 178}, {1257, 186}, {874, 222},  {932, 128},
                   {936, 134},  {949, 129},  {950, 136},  {1361, 130}, {1258, 163}};
  for (const auto &entry : kCharsets) {
    if (entry.CodePage == codePage)
      return entry.Charset;
  }
  return 1;
}

int PrimaryIdOfCode(const QString &code) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (code.compare(QLatin1String(row.Language), Qt::CaseInsensitive) == 0)
      return row.PrimaryId;
  }
  bool ok = false;
  const int number = code.toInt(&ok);
  return ok ? number : 0;
}

QString CodeOfPrimaryId(int primaryId) {
  const TVnLocaleData *row = FindLocaleRowByIds(primaryId);
  return row ? QString::fromLatin1(row->Language) : QString::number(primaryId);
}

void CountryOfIds(int primaryId, int subId, QString &country) {
  if (primaryId <= 0 || subId == 0)
    return;
  const TVnLocaleData *row = FindLocaleRowByIds(primaryId, subId);
  country = row ? QString::fromLatin1(row->Country) : QString::number(subId);
}

bool PartsOfIds(int primaryId, int subId, TVnLanguageCodeParts &parts) {
  if (primaryId <= 0 || subId == 0)
    return false;
  const TVnLocaleData *row = FindLocaleRowByIds(primaryId, subId);
  if (!row)
    return false;
  parts.Language = QString::fromLatin1(row->Language);
  parts.Country = QString::fromLatin1(row->Country);
  parts.Variant = QString::fromLatin1(row->Variant);
  parts.Script = row->Script;
  return true;
}

int SubIdOf(const QString &language, const QString &country, int primaryId, const QString &variant,
            int script) {
  if (country.isEmpty() && script == DefaultScriptOf(language, {}, {}))
    return 0;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (row.PrimaryId == primaryId && MatchesOrEmpty(row.Language, language) &&
        MatchesOrEmpty(row.Country, country) && MatchesOrEmpty(row.Variant, variant) &&
        (script == 0 || row.Script == script))
      return row.SubId;
  }
  bool ok = false;
  const int number = country.toInt(&ok);
  return ok ? number : 0;
}

int LangIdOf(const QString &language, const QString &country, int script, const QString &variant) {
  const auto table = VnLocaleTable();
  auto row = std::find_if(table.begin(), table.end(),
                          [&](const TVnLocaleData &r) { return Is(r.Language, language); });
  if (row == table.end())
    return 0;
  const int primaryId = row->PrimaryId;
  int subId = 0;
  for (; row != table.end() && Is(row->Language, language); ++row) {
    // The country-less row stores two blanks; they match a code without a country.
    if (Trimmed(row->Country) == country && Is(row->Variant, variant) &&
        (script == 0 || row->Script == script)) {
      subId = row->SubId;
      break;
    }
  }
  return primaryId | (subId << 10);
}

int LcidOf(const TVnLanguageCodeParts &parts) {
  if (parts.Country.isEmpty()) {
    for (const TVnCountrylessSubId &entry : kCountrylessSubIds) {
      if (Is(entry.Language, parts.Language))
        return PrimaryIdOfCode(parts.Language) | (entry.SubId(parts) << 10);
    }
  }
  const int primaryId = PrimaryIdOfCode(parts.Language);
  const int subId = SubIdOf(parts.Language, parts.Country, primaryId, parts.Variant, parts.Script);
  if (primaryId != 0 && subId != 0)
    return primaryId | (subId << 10);
  return LangIdOf(parts.Language, parts.Country, parts.Script, parts.Variant);
}

int CodePageOf(const QString &language, int script, const QString &country, const QString &variant) {
  const TVnLocaleData *row = FindLocaleRow(language, country, variant, script);
  if (!row)
    row = FindLocaleRow(language, country, {}, script);
  if (!row)
    row = FindLocaleRow(language, {}, {}, script);
  return row ? AnsiCodePageOfRow(*row) : 0;
}

QString CodeOfLcid(int lcid) {
  const int primaryId = lcid & 0x3FF;
  const int subId = (lcid >> 10) & 0x3F;
  const auto table = VnLocaleTable();
  auto first = std::find_if(table.begin(), table.end(),
                            [&](const TVnLocaleData &r) { return r.PrimaryId == primaryId; });
  if (first == table.end())
    return {};
  // Croatian, Serbian and Bosnian share a primary id: the language comes from
  // the row that matches the sub id, not from the first row of the group.
  for (auto row = first; row != table.end() && row->PrimaryId == primaryId; ++row) {
    if (row->SubId == subId)
      return FormatLanguageCode(QString::fromLatin1(row->Language), QString::fromLatin1(row->Country), {},
                                row->Script);
  }
  return FormatLanguageCode(QString::fromLatin1(first->Language), {}, {}, first->Script);
}

QString EnglishLanguageName(const QString &language, int script, const QString &country) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (Is(row.Language, language) && (script == 0 || row.Script == script) &&
        MatchesOrEmpty(row.Country, country))
      return QString::fromLatin1(row.LanguageName);
  }
  if (language.size() > 2)
    return EnglishLanguageName(language.left(2), 0, {});
  return {};
}

QString EnglishCountryName(const QString &language, const QString &country, int script) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (Is(row.Language, language) && Is(row.Country, country) && (script == 0 || row.Script == script))
      return QString::fromLatin1(row.CountryName);
  }
  return LocaleInfo(LangIdOf(language, country, script, {}), vnLiLocalizedCountry, {});
}

QString PrimaryLanguageName(int primaryId) {
  if (primaryId == 0)
    return {};
  if (const TVnLocaleData *row = FindLocaleRowByIds(primaryId))
    return QString::fromLatin1(row->LanguageName);
  return LocaleInfo(primaryId, vnLiLocalizedLanguage, {});
}

QString LocaleDisplayName(const QString &language, const QString &country, int script, bool qualify,
                          const QString &name, const QString &countryName, const QString &variantName,
                          const QString &variant) {
  QString result = name.isEmpty() ? EnglishLanguageName(language, script, {}) : name;
  if (result.isEmpty()) // a language nothing knows shows its code rather than nothing
    result = language;
  QString shownCountry = countryName.isEmpty() ? EnglishCountryName(language, country, script) : countryName;
  if (shownCountry.isEmpty()) // a country nothing knows shows its code rather than "()"
    shownCountry = country;
  QString qualifier;
  if (qualify) {
    const auto variantOr = [&](const char *fallback) {
      return variantName.isEmpty() ? QString::fromLatin1(fallback) : variantName;
    };
    switch (QualifierKind(language)) {
    case vnqVariantOnly:
      result = CutBefore(result, QLatin1Char(' '));
      if (language == QLatin1String("no") && variant == QLatin1String("NYNORSK"))
        qualifier = variantOr("Nynorsk");
      if (language == QLatin1String("es") && variant == QLatin1String("MOD"))
        qualifier = variantOr("Modern");
      break;
    case vnqChinese:
      result = CutBefore(result, QLatin1Char('('));
      qualifier = ChineseQualifier(script, country);
      break;
    case vnqKorean:
      result = CutBefore(result, QLatin1Char('('));
      if (variant == QLatin1String("JOHAB"))
        qualifier = variantOr("Johab");
      break;
    case vnqScript:
      result = CutBefore(result, QLatin1Char(' '));
      qualifier = ScriptQualifier(script);
      break;
    case vnqNone:
      // Without a given variant name, the table's keeps locales that differ
      // only by variant (the Sami ones) apart.
      if (!variant.isEmpty()) {
        qualifier = variantName;
        if (qualifier.isEmpty()) {
          const TVnLocaleData *row = FindLocaleRow(language, country, variant, script);
          qualifier = row ? QString::fromLatin1(row->VariantName) : variant;
        }
      }
      break;
    }
  }
  if (!qualifier.isEmpty())
    result += QLatin1String(", ") + qualifier;
  if (!country.isEmpty())
    result += QLatin1String(" (") + shownCountry + QLatin1Char(')');
  return result;
}

QString LanguageDisplayName(const QString &language, int script, const QString &country, bool qualify,
                            const QString &variantName, const QString &name, const QString &variant) {
  QString result = name.isEmpty() ? EnglishLanguageName(language, script, {}) : name;
  QString qualifier;
  switch (QualifierKind(language)) {
  case vnqVariantOnly: result = CutBefore(result, QLatin1Char(' ')); break;
  case vnqChinese:
    result = CutBefore(result, QLatin1Char('('));
    qualifier = ChineseQualifier(script, country);
    break;
  case vnqKorean:
    result = CutBefore(result, QLatin1Char('('));
    if (variant == QLatin1String("JOHAB"))
      qualifier = QStringLiteral("Johab");
    break;
  case vnqScript:
    result = CutBefore(result, QLatin1Char(' '));
    qualifier = ScriptQualifier(script);
    break;
  case vnqNone: break;
  }
  if (!variant.isEmpty())
    result += QLatin1String(", ") + (variantName.isEmpty() ? variant : variantName);
  if (qualify && !qualifier.isEmpty())
    result += QLatin1String(", ") + qualifier;
  return result;
}

QString DisplayNameOfCode(const QString &code) {
  if (code.isEmpty())
    return {};
  const QString custom = VnCustomLanguages().NameOf(code);
  if (!custom.isEmpty())
    return custom;
  const TVnLanguageCodeParts parts = ParseLanguageCode(code);
  return LocaleDisplayName(parts.Language, parts.Country, parts.Script, true, {}, {}, {}, parts.Variant);
}

int ListPrimaryLanguages(QList<TVnNamedId> &list) {
  list.clear();
  int previous = -1;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (row.PrimaryId == previous)
      continue;
    previous = row.PrimaryId;
    list.append(
        {QStringLiteral("%1 (%2)").arg(QLatin1String(row.LanguageName)).arg(row.PrimaryId), row.PrimaryId});
  }
  return int(list.size());
}

int ListSubLanguages(int primaryId, QList<TVnNamedId> &list, bool withSystem) {
  list.clear();
  QSet<int> listed;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (row.PrimaryId != primaryId)
      continue;
    list.append({QString::fromLatin1(row.CountryName), row.SubId});
    listed.insert(row.SubId);
  }
  if (withSystem) {
    for (const int lcid : EnumSystemLcids()) {
      const int subId = (lcid >> 10) & 0x3F;
      if ((lcid & 0x3FF) != primaryId || listed.contains(subId))
        continue;
      list.append({LocaleInfo(lcid, vnLiEnglishCountry, {}), subId});
      listed.insert(subId);
    }
  }
  return int(list.size());
}

QList<int> EnumSystemLcids() {
  QList<int> lcids;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    if (!lcids.contains(row.LangId()))
      lcids.append(row.LangId());
  }
  return lcids;
}

QString LocaleInfo(int lcid, int type, const QString &def) {
  const TVnLocaleData *row = FindLocaleRowByIds(lcid & 0x3FF, (lcid >> 10) & 0x3F);
  if (!row)
    return def;
  const auto orDefault = [&](const char *value) { return *value ? QString::fromLatin1(value) : def; };
  switch (type) {
  case vnLiLocalizedLanguage:
  case vnLiNativeLanguage: // the table holds English names only
  case vnLiEnglishLanguage: return orDefault(row->LanguageName);
  case vnLiAbbrevLanguage: return orDefault(row->WinCode);
  case vnLiLocalizedCountry:
  case vnLiNativeCountry:
  case vnLiEnglishCountry: return orDefault(row->CountryName);
  case vnLiIsoLanguage: return orDefault(row->Language);
  case vnLiIsoCountry: return Trimmed(row->Country).isEmpty() ? def : Trimmed(row->Country);
  case vnLiDefaultAnsiCodePage: return QString::number(AnsiCodePageOfRow(*row));
  default: return def;
  }
}

QString MigrateLegacyCode(const QString &code) {
  return VnIsOldSerbianCode(code) ? VnMigrateOldSerbianCode(code) : QString();
}
