#include "core/VnSystemLanguages.h"

#include "core/VnCodePages.h"
#include "core/VnLanguages.h"
#include "core/VnLocaleTable.h"

#include <QSet>

#include <algorithm>

namespace {

// What the system answers for a locale it does not know.
const QString kProbe = QStringLiteral("@*");

bool SystemKnows(int lcid) {
  return LocaleInfo(lcid, vnLiEnglishLanguage, kProbe) != kProbe;
}

QString NativeVariantNameOf(const QString &code, const QString &variant) {
  return code == QLatin1String("no") && variant == QLatin1String("NYNORSK") ? QStringLiteral("nynorsk")
                                                                            : variant;
}

// The ANSI code page a font charset stands for; 0 when it stands for none.
int CodePageOfCharset(int charset) {
  for (const int codePage :
       {1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 874, 932, 936, 949, 950, 1361, 1258}) {
    if (CharsetOfCodePage(codePage) == charset)
      return codePage;
  }
  return 0;
}

QString LocaleFullCode(const TVnSystemLanguage &language, const TVnSystemLocale &locale) {
  return FormatLanguageCode(language.Code, locale.Country, language.Variant, language.Script);
}

} // namespace

const TVnLocaleData *TVnSystemLocale::Row(const TVnSystemLanguage &language) const {
  return FindLocaleRow(language.Code, Country, language.Variant, language.Script);
}

int TVnSystemLocale::Lcid(const TVnSystemLanguage &language) const {
  if (language.PrimaryId != 0 && SubId != 0)
    return language.PrimaryId | (SubId << 10);
  return LangIdOf(language.Code, Country, language.Script, language.Variant);
}

void TVnSystemLocale::FillDefaults(const TVnSystemLanguage &language) {
  if (!SystemKnows(Lcid(language)))
    return;
  if (SubId == 0)
    SubId = SubIdOf(language.Code, Country, language.PrimaryId, language.Variant, language.Script);
  const int lcid = Lcid(language);
  const TVnLocaleData *row = Row(language);
  if (WinCode.isEmpty())
    WinCode = LocaleInfo(lcid, vnLiAbbrevLanguage, {});
  if (LocalizedName.isEmpty())
    LocalizedName = row ? QString::fromLatin1(row->CountryName) : LocaleInfo(lcid, vnLiLocalizedCountry, {});
  if (NativeName.isEmpty())
    NativeName = LocaleInfo(lcid, vnLiNativeCountry, {});
  if (SymbianLanguage == 0)
    SymbianLanguage = row ? row->SymbianLanguage : 99;
  if (!row)
    return;
  if (SymbianInstallCode.isEmpty())
    SymbianInstallCode = QString::fromLatin1(row->SymbianInstallCode);
  if (PalmLanguage == 0)
    PalmLanguage = row->PalmLanguage;
  if (OracleAbbreviation.isEmpty())
    OracleAbbreviation = QString::fromLatin1(row->OracleAbbreviation);
}

QString TVnSystemLanguage::FullCode() const {
  return FormatLanguageCode(Code, {}, Variant, Script);
}

const TVnLocaleData *TVnSystemLanguage::Row() const {
  return FindLocaleRow(Code, {}, Variant, Script);
}

int TVnSystemLanguage::Lcid() const {
  return LcidOf(TVnLanguageCodeParts{Code, {}, Variant, Script});
}

void TVnSystemLanguage::FillDefaults() {
  const TVnLocaleData *row = Row();
  if (Script == 0) // by code only: a system language knows its code page
    Script = row ? row->Script : ScriptOfCodePage(CodePage);
  if (Script == 0)
    Script = DefaultScriptOf(Code, {}, Variant);
  if (WinCode.isEmpty() && row)
    WinCode = QString::fromLatin1(row->WinCode).left(2);
  if (PrimaryId == 0 && row)
    PrimaryId = row->PrimaryId;
  if (CodePage == 0)
    CodePage = row ? CodePageOfCharset(row->Charset) : DefaultAnsiCodePage(quint16(Lcid()));
  if (SymbianLanguage == 99)
    SymbianLanguage = row ? row->SymbianLanguage : 99;
  if (row && SymbianInstallCode.isEmpty())
    SymbianInstallCode = QString::fromLatin1(row->SymbianInstallCode);
  if (row && PalmLanguage == 0)
    PalmLanguage = row->PalmLanguage;
  if (row && OracleAbbreviation.isEmpty())
    OracleAbbreviation = QString::fromLatin1(row->OracleAbbreviation);
  if (LocalizedName.isEmpty())
    LocalizedName =
        row ? QString::fromLatin1(row->LanguageName) : LocaleInfo(Lcid(), vnLiLocalizedLanguage, {});
  if (LocalizedVariantName.isEmpty())
    LocalizedVariantName = row ? QString::fromLatin1(row->VariantName) : Variant;
  if (NativeName.isEmpty())
    NativeName = LocaleInfo(Lcid(), vnLiNativeLanguage, {});
  if (NativeVariantName.isEmpty())
    NativeVariantName = NativeVariantNameOf(Code, Variant);
}

QString TVnSystemLanguage::DisplayName() const {
  return LanguageDisplayName(Code, Script, {}, true, LocalizedVariantName, LocalizedName, Variant);
}

bool TVnSystemLanguage::SameLanguage(const TVnSystemLanguage &other) const {
  return Code == other.Code && Script == other.Script && Variant == other.Variant;
}

bool TVnSystemLanguage::AddLocale(const TVnSystemLocale &locale) {
  if (FindLocale(locale.Country))
    return false;
  Locales.append(locale);
  return true;
}

const TVnSystemLocale *TVnSystemLanguage::FindLocale(const QString &country) const {
  for (const TVnSystemLocale &locale : Locales) {
    if (locale.Country == country)
      return &locale;
  }
  return nullptr;
}

qsizetype TVnSystemLanguages::IndexOf(const TVnSystemLanguage &language) const {
  for (qsizetype i = 0; i < FItems.size(); ++i) {
    if (FItems[i].SameLanguage(language))
      return i;
  }
  return -1;
}

const TVnSystemLanguage *TVnSystemLanguages::Find(const QString &code, int script,
                                                  const QString &variant) const {
  TVnSystemLanguage probe;
  probe.Code = code;
  probe.Script = script;
  probe.Variant = variant;
  const qsizetype index = IndexOf(probe);
  return index < 0 ? nullptr : &FItems[index];
}

bool TVnSystemLanguages::Add(const TVnSystemLanguage &language) {
  if (IndexOf(language) >= 0)
    return false;
  FItems.append(language);
  return true;
}

const TVnSystemLocale *TVnSystemLanguages::FindLocale(const QString &fullCode) const {
  const TVnLanguageCodeParts parts = ParseLanguageCode(fullCode);
  const TVnSystemLanguage *language = Find(parts.Language, parts.Script, parts.Variant);
  return language ? language->FindLocale(parts.Country) : nullptr;
}

void TVnSystemLanguages::Sort() {
  const auto byFullCode = [](const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  };
  std::stable_sort(FItems.begin(), FItems.end(), [&](const TVnSystemLanguage &a, const TVnSystemLanguage &b) {
    return byFullCode(a.FullCode(), b.FullCode());
  });
  for (TVnSystemLanguage &language : FItems) {
    std::stable_sort(language.Locales.begin(), language.Locales.end(),
                     [&](const TVnSystemLocale &a, const TVnSystemLocale &b) {
                       return byFullCode(LocaleFullCode(language, a), LocaleFullCode(language, b));
                     });
  }
}

void TVnSystemLanguages::LoadFromSystem(int &added, int &updated, bool overwrite) {
  added = 0;
  updated = 0;
  const qsizetype countBefore = FItems.size();
  QSet<qsizetype> overwritten;
  for (const int lcid : EnumSystemLcids()) {
    if (!SystemKnows(lcid))
      continue;
    const int primaryId = lcid & 0x3FF;
    const int subId = (lcid >> 10) & 0x3F;
    TVnLanguageCodeParts parts;
    PartsOfIds(primaryId, subId, parts);

    TVnSystemLanguage language;
    language.PrimaryId = primaryId;
    language.Code = LocaleInfo(lcid, vnLiIsoLanguage, {});
    QString country = LocaleInfo(lcid, vnLiIsoCountry, {});
    if (const TVnLocaleData *row = FindLocaleRow(parts.Language, {}, parts.Variant, parts.Script)) {
      language.Code = QString::fromLatin1(row->Language);
      country = QString::fromLatin1(row->Country);
      language.Variant = QString::fromLatin1(row->Variant);
      language.Script = row->Script;
      language.LocalizedName = QString::fromLatin1(row->LanguageName);
      language.LocalizedVariantName = QString::fromLatin1(row->VariantName);
      language.SymbianLanguage = row->SymbianLanguage;
      language.SymbianInstallCode = QString::fromLatin1(row->SymbianInstallCode);
      language.PalmLanguage = row->PalmLanguage;
      language.OracleAbbreviation = QString::fromLatin1(row->OracleAbbreviation);
    } else {
      const QString english = LocaleInfo(lcid, vnLiEnglishLanguage, {});
      const qsizetype open = english.indexOf(QLatin1Char('('));
      language.LocalizedName = open < 0 ? english : english.left(open).trimmed();
      if (open >= 0)
        language.LocalizedVariantName = english.mid(open + 1).remove(QLatin1Char(')'));
      language.Variant = language.LocalizedVariantName.toUpper();
      language.Script =
          ScriptOfCodePage(LocaleInfo(lcid, vnLiDefaultAnsiCodePage, QStringLiteral("0")).toInt());
    }
    const TVnLocaleData *exact = FindLocaleRowByIds(primaryId, subId);
    country = exact ? QString::fromLatin1(exact->Country) : LocaleInfo(lcid, vnLiIsoCountry, {});
    if (language.Code.isEmpty() || country.isEmpty())
      continue;

    bool isNumber = false;
    language.CodePage = LocaleInfo(lcid, vnLiDefaultAnsiCodePage, QStringLiteral("0")).toInt(&isNumber);
    if (!isNumber)
      language.CodePage = 1252;
    language.NativeName = LocaleInfo(lcid, vnLiNativeLanguage, {});
    language.NativeVariantName = NativeVariantNameOf(language.Code, language.Variant);
    language.WinCode = LocaleInfo(lcid, vnLiAbbrevLanguage, {}).left(2);
    language.FillDefaults();
    TVnSystemLocale locale;
    locale.Country = country;
    locale.SubId = subId;
    locale.FillDefaults(language);
    language.AddLocale(locale);

    const qsizetype index = IndexOf(language);
    if (index < 0) {
      FItems.append(language);
      ++added;
      continue;
    }
    TVnSystemLanguage &present = FItems[index];
    // A language this load added already holds the same fields; overwriting it
    // again would only count one language many times.
    if (overwrite && index < countBefore) {
      // The present locales stay: taking the new language's single locale
      // in their place would lose every other country.
      const QList<TVnSystemLocale> kept = present.Locales;
      present = language;
      present.Locales.clear();
      for (const TVnSystemLocale &old : kept)
        present.AddLocale(old);
      overwritten.insert(index);
    }
    present.AddLocale(locale);
  }
  updated = int(overwritten.size());
  if (added > 0)
    Sort();
}
