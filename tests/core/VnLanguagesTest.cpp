#include "core/VnLanguages.h"

#include "core/VnCodePages.h"
#include "core/VnCustomLanguages.h"
#include "core/VnLocaleTable.h"
#include "core/VnScripts.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

QString CodeOfRow(const TVnLocaleData &row) {
  return FormatLanguageCode(QString::fromLatin1(row.Language), QString::fromLatin1(row.Country),
                            QString::fromLatin1(row.Variant), row.Script);
}

QString RowName(const TVnLocaleData &row) {
  return QStringLiteral("%1 %2").arg(CodeOfRow(row)).arg(row.LangId(), 4, 16, QLatin1Char('0'));
}

TEST(VnScripts, CodesAndIndexes) {
  ASSERT_EQ(VnScriptTable().size(), 24u);
  const struct {
    const char *Code;
    int Index;
  } cases[] = {{"def", 0}, {"lat", 1},  {"CYR", 3},  {"Tra", 7},
               {"sim", 8}, {"guj", 23}, {"xyz", -1}, {"", -1}};
  for (const auto &c : cases) {
    EXPECT_EQ(ScriptByCode(QString::fromLatin1(c.Code), -1), c.Index) << c.Code;
    if (c.Index >= 0) {
      EXPECT_EQ(ScriptCode(c.Index), QString::fromLatin1(c.Code).toLower());
    }
  }
  EXPECT_EQ(ScriptCode(24), QString());
  EXPECT_EQ(ScriptCode(-1), QString());
}

TEST(VnLocaleTable, ShapeOfTheRows) {
  const auto table = VnLocaleTable();
  ASSERT_EQ(table.size(), 165u);
  EXPECT_EQ(RowName(table.front()), QStringLiteral("ar_SA 0401"));
  EXPECT_EQ(RowName(table.back()), QStringLiteral("se_FI_INARI 243b"));
  EXPECT_EQ(VnEncodingGroups().size(), 18u);
  EXPECT_EQ(VnLocaleEndRow().PrimaryId, -1);
  EXPECT_EQ(VnLocaleEndRow().SymbianLanguage, 99);
  const QRegularExpression winCode(QStringLiteral("^([A-Z]{3})?$"));
  for (const TVnLocaleData &row : table) {
    EXPECT_STRNE(row.LanguageName, "") << RowName(row).toStdString();
    EXPECT_STRNE(row.CountryName, "") << RowName(row).toStdString();
    EXPECT_EQ(*row.Variant == 0, *row.VariantName == 0) << RowName(row).toStdString();
    EXPECT_TRUE(winCode.match(QLatin1String(row.WinCode)).hasMatch()) << RowName(row).toStdString();
    EXPECT_GT(row.EncodingGroup, 0) << RowName(row).toStdString();
    EXPECT_LT(row.Script, 24) << RowName(row).toStdString();
  }
}

// Two tables that must agree: the row's charset is the one of its ANSI code
// page, and that code page writes the row's script.
TEST(VnLocaleTable, CharsetAndScriptAgreeWithTheCodePage) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    const int codePage = CodePageOf(QString::fromLatin1(row.Language), row.Script,
                                    QString::fromLatin1(row.Country), QString::fromLatin1(row.Variant));
    if (codePage == 0) {
      EXPECT_EQ(row.Charset, 1) << RowName(row).toStdString();
      continue;
    }
    EXPECT_EQ(row.Charset, CharsetOfCodePage(codePage)) << RowName(row).toStdString();
    if (row.Script != vnScriptJapanese && row.Script != vnScriptKorean &&
        row.Script != vnScriptTraditionalChinese && row.Script != vnScriptSimplifiedChinese) {
      EXPECT_EQ(ScriptOfCodePage(codePage), row.Script) << RowName(row).toStdString() << " " << codePage;
    }
  }
}

TEST(VnLocaleTable, TellingRows) {
  const TVnLocaleData *assamese = FindLocaleRow(QStringLiteral("as"), {}, {}, 0);
  ASSERT_TRUE(assamese);
  EXPECT_STREQ(assamese->LanguageName, "Assame");
  EXPECT_EQ(assamese->Script, vnScriptBengali);
  EXPECT_STREQ(FindLocaleRowByIds(0x6C)->Language, "na");
  EXPECT_STREQ(FindLocaleRowByIds(0x6C)->LanguageName, "Sesotho sa Leboa");
  EXPECT_STREQ(FindLocaleRowByIds(0x04, 3)->CountryName, "Hong Kong S.A.R.");
  EXPECT_STREQ(FindLocaleRowByIds(0x1A, 3)->CountryName, "Serbia and Montenegro");
  EXPECT_STREQ(FindLocaleRowByIds(0x31)->Country, "  ");
  EXPECT_STREQ(FindLocaleRowByIds(0x31)->CountryName, "-");
  EXPECT_NE(FindLocaleRow(QStringLiteral("uk"), {}, {}, 0)->EncodingGroup,
            FindLocaleRow(QStringLiteral("ru"), {}, {}, 0)->EncodingGroup);
  EXPECT_STREQ(FindLocaleRow(QStringLiteral("uk"), {}, {}, 0)->Encodings().Names[vnEncOther], "koi8-u");
  EXPECT_STREQ(FindLocaleRow(QStringLiteral("ru"), {}, {}, 0)->Encodings().Names[vnEncOther], "koi8-r");
  EXPECT_STREQ(FindLocaleRow(QStringLiteral("is"), {}, {}, 0)->Encodings().Names[vnEncMac],
               "x-mac-icelandic");
  EXPECT_STREQ(FindLocaleRow(QStringLiteral("hi"), {}, {}, 0)->Encodings().Names[vnEncWindows], "");
  EXPECT_STREQ(FindLocaleRow(QStringLiteral("hi"), {}, {}, 0)->Encodings().Names[vnEncUtf8], "utf-8");
}

// Order is data: the first matching row answers.
TEST(VnLocaleTable, FirstMatchWins) {
  const struct {
    const char *Language, *Country, *Variant;
    int Script;
    int LangId; // of the row found; 0 for none
  } cases[] = {
      {"sr", "RS", "", 0, 0x0C1A},
      {"sr", "RS", "", vnScriptLatin, 0x081A},
      {"sr", "", "", 0, 0x0C1A},
      {"az", "AZ", "", 0, 0x042C},
      {"az", "", "", vnScriptCyrillic, 0x082C},
      {"pt", "", "", 0, 0x0816},
      {"es", "ES", "", 0, 0x040A},
      {"es", "", "MOD", 0, 0x0C0A},
      {"no", "", "NYNORSK", 0, 0x0814},
      {"se", "FI", "", 0, 0x0C3B},
      {"", "", "", vnScriptCyrillic, 0x0402},
      {"", "", "", 0, 0},
      {"de", "FR", "", 0, 0},
      {"en", "US", "", vnScriptCyrillic, 0},
      {"EN", "US", "", 0, 0},
  };
  for (const auto &c : cases) {
    const TVnLocaleData *row = FindLocaleRow(QLatin1String(c.Language), QLatin1String(c.Country),
                                             QLatin1String(c.Variant), c.Script);
    EXPECT_EQ(row ? row->LangId() : 0, c.LangId) << c.Language << "_" << c.Country << "_" << c.Variant;
  }
  EXPECT_EQ(FindLocaleRowByIds(0x16)->SubId, 2); // Portugal before Brazil
  EXPECT_EQ(FindLocaleRowByIds(0x1A)->LangId(), 0x041A);
  EXPECT_EQ(FindLocaleRowByIds(0x1A, 5)->LangId(), 0x141A);
  EXPECT_EQ(FindLocaleRowByIds(0x1A, 9), nullptr);
  EXPECT_EQ(FindLocaleRowByIds(0x3FF), nullptr);
  EXPECT_EQ(ScriptsOfLanguage(QStringLiteral("sr")), (QSet<int>{vnScriptCyrillic, vnScriptLatin}));
  EXPECT_EQ(ScriptsOfLanguage(QStringLiteral("de")), (QSet<int>{vnScriptLatin}));
  EXPECT_TRUE(ScriptsOfLanguage(QStringLiteral("xx")).isEmpty());
}

TEST(VnLanguageCode, EveryRowRoundTrips) {
  QSet<QString> codes;
  for (const TVnLocaleData &row : VnLocaleTable()) {
    const QString code = CodeOfRow(row);
    EXPECT_TRUE(!codes.contains(code)) << "two rows share " << code.toStdString();
    codes.insert(code);
    const TVnLanguageCodeParts parts = ParseLanguageCode(code);
    EXPECT_EQ(parts.Language, QLatin1String(row.Language)) << code.toStdString();
    EXPECT_EQ(parts.Country, QString::fromLatin1(row.Country).trimmed()) << code.toStdString();
    EXPECT_EQ(parts.Variant, QLatin1String(row.Variant)) << code.toStdString();
    EXPECT_EQ(parts.Script, row.Script) << code.toStdString();
    EXPECT_EQ(FormatLanguageCode(parts.Language, parts.Country, parts.Variant, parts.Script), code);
  }
}

TEST(VnLanguageCode, FormatCases) {
  const struct {
    const char *Language, *Country, *Variant;
    int Script;
    const char *Code;
  } cases[] = {
      {"sr", "RS", "", vnScriptCyrillic, "sr_RS"},
      {"sr", "RS", "", vnScriptLatin, "sr_RS.lat"},
      {"az", "AZ", "", vnScriptCyrillic, "az_AZ.cyr"},
      {"az", "AZ", "", vnScriptLatin, "az_AZ"},
      {"no", "", "NYNORSK", 0, "no__NYNORSK"},
      {"es", "ES", "MOD", vnScriptLatin, "es_ES_MOD"},
      {"en", "", "", 0, "en"},
      {"en", "US", "", vnScriptCyrillic, "en_US.cyr"},
      {"ts", "  ", "", vnScriptLatin, "ts"},
      {"zh", "", "", vnScriptTraditionalChinese, "zh.tra"},
      {"zh", "TW", "", vnScriptTraditionalChinese, "zh_TW"},
      {"xx", "YY", "", vnScriptGreek, "xx_YY.gre"},
      {"", "", "", vnScriptGreek, ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatLanguageCode(QLatin1String(c.Language), QLatin1String(c.Country),
                                 QLatin1String(c.Variant), c.Script),
              QLatin1String(c.Code))
        << c.Code;
}

TEST(VnLanguageCode, ParseCases) {
  const struct {
    const char *Code;
    TVnLanguageCodeParts Parts;
  } cases[] = {
      {"sr_RS", {"sr", "RS", "", vnScriptCyrillic}},
      {"sr_RS.lat", {"sr", "RS", "", vnScriptLatin}},
      {"sr_RS.LAT", {"sr", "RS", "", vnScriptLatin}},
      {"sr_RS.def", {"sr", "RS", "", vnScriptCyrillic}}, // "not set" asks for the default
      {"xx_YY.zz", {"xx", "YY", "", vnScriptLatin}},     // custom suffix: default of the rest
      {"uz_UZ.zz", {"uz", "UZ", "", vnScriptLatin}},
      {"bg.zz", {"bg", "", "", vnScriptCyrillic}},
      {"no__NYNORSK", {"no", "", "NYNORSK", vnScriptLatin}},
      {"se_NO_LULE_EXTRA", {"se", "NO", "LULE", vnScriptLatin}},
      {"ja_JP", {"ja", "JP", "", vnScriptJapanese}},
      {"", {"", "", "", vnScriptLatin}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ParseLanguageCode(QLatin1String(c.Code)), c.Parts) << c.Code;
  EXPECT_EQ(PrimaryCodeOf(QStringLiteral("pt_BR")), QStringLiteral("pt"));
  EXPECT_EQ(DefaultScriptOf(QStringLiteral("sr"), QStringLiteral("XX"), {}), vnScriptCyrillic);
  EXPECT_EQ(DefaultScriptOf(QStringLiteral("xx"), {}, {}), vnScriptLatin);
  EXPECT_EQ(DefaultScriptOf({}, {}, {}), vnScriptLatin);
}

TEST(VnLanguages, LegacySerbianCodes) {
  const struct {
    const char *Code, *Migrated;
  } cases[] = {{"sr_SP.lat", "sr_RS.lat"}, {"sr_SP", "sr_RS"}, {"de", ""}, {"sr_RS", ""}, {"xsr_SP", ""}};
  for (const auto &c : cases)
    EXPECT_EQ(MigrateLegacyCode(QLatin1String(c.Code)), QLatin1String(c.Migrated)) << c.Code;
}

TEST(VnLanguages, IdentifierLookups) {
  EXPECT_EQ(PrimaryIdOfCode(QStringLiteral("DE")), 7);
  EXPECT_EQ(PrimaryIdOfCode(QStringLiteral("kok")), 0x57);
  EXPECT_EQ(PrimaryIdOfCode(QStringLiteral("123")), 123);
  EXPECT_EQ(PrimaryIdOfCode(QStringLiteral("xx")), 0);
  EXPECT_EQ(CodeOfPrimaryId(0x1A), QStringLiteral("hr"));
  EXPECT_EQ(CodeOfPrimaryId(500), QStringLiteral("500"));

  QString country = QStringLiteral("keep");
  CountryOfIds(0, 1, country);
  CountryOfIds(7, 0, country);
  EXPECT_EQ(country, QStringLiteral("keep"));
  CountryOfIds(7, 2, country);
  EXPECT_EQ(country, QStringLiteral("CH"));
  CountryOfIds(7, 40, country);
  EXPECT_EQ(country, QStringLiteral("40"));

  TVnLanguageCodeParts parts;
  EXPECT_FALSE(PartsOfIds(7, 40, parts));
  EXPECT_FALSE(PartsOfIds(-1, 1, parts));
  ASSERT_TRUE(PartsOfIds(0x1A, 2, parts));
  EXPECT_EQ(parts, (TVnLanguageCodeParts{"sr", "RS", "", vnScriptLatin}));
  ASSERT_TRUE(PartsOfIds(0x3B, 4, parts));
  EXPECT_EQ(parts, (TVnLanguageCodeParts{"se", "NO", "LULE", vnScriptLatin}));
}

TEST(VnLanguages, SubAndLanguageIds) {
  const struct {
    const char *Language, *Country, *Variant;
    int Script, SubId, LangId;
  } cases[] = {
      {"de", "", "", vnScriptLatin, 0, 0x0007},
      {"de", "AT", "", vnScriptLatin, 3, 0x0C07},
      {"sr", "RS", "", vnScriptLatin, 2, 0x081A},
      {"sr", "RS", "", vnScriptCyrillic, 3, 0x0C1A},
      {"sr", "BA", "", 0, 7, 0x1C1A},
      {"es", "ES", "MOD", vnScriptLatin, 3, 0x0C0A},
      {"es", "ES", "", vnScriptLatin, 1, 0x040A},
      {"se", "SE", "SOUTHERN", vnScriptLatin, 7, 0x1C3B},
      {"de", "XX", "", vnScriptLatin, 0, 0x0007},
      {"de", "12", "", vnScriptLatin, 12, 0x0007},
      {"xx", "YY", "", vnScriptLatin, 0, 0},
      {"ts", "", "", vnScriptLatin, 0, 0x0431},
  };
  for (const auto &c : cases) {
    const QString language = QLatin1String(c.Language);
    EXPECT_EQ(SubIdOf(language, QLatin1String(c.Country), PrimaryIdOfCode(language), QLatin1String(c.Variant),
                      c.Script),
              c.SubId)
        << c.Language << "_" << c.Country;
    EXPECT_EQ(LangIdOf(language, QLatin1String(c.Country), c.Script, QLatin1String(c.Variant)), c.LangId)
        << c.Language << "_" << c.Country;
  }
}

TEST(VnLanguages, LcidOfCountrylessCodes) {
  const struct {
    const char *Code;
    int Lcid;
  } cases[] = {
      {"zh.tra", 0x0404},    {"zh", 0x0804},
      {"zh.sim", 0x0804},    {"sr.lat", 0x081A},
      {"sr", 0x0C1A},        {"bs", 0x141A},
      {"az", 0x042C},        {"az.cyr", 0x082C},
      {"uz.cyr", 0x0843},    {"es", 0x000A},
      {"es__MOD", 0x0C0A},   {"no__NYNORSK", 0x0814},
      {"no", 0x0014},        {"se__NORTHERN", 0x043B},
      {"se__LULE", 0x103B},  {"se__SOUTHERN", 0x183B},
      {"se__SKOLT", 0x203B}, {"se", 0x243B},
      {"de", 0x0007},        {"ts", 0x0431},
      {"de_CH", 0x0807},     {"xx", 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(LcidOf(ParseLanguageCode(QLatin1String(c.Code))), c.Lcid) << c.Code;
}

TEST(VnLanguages, LcidRoundTripsThroughEveryRow) {
  for (const TVnLocaleData &row : VnLocaleTable()) {
    const QString code = CodeOfRow(row);
    EXPECT_EQ(LcidOf(ParseLanguageCode(code)), row.LangId()) << code.toStdString();
    // Variants are not carried by a locale identifier.
    const QString withoutVariant = FormatLanguageCode(QString::fromLatin1(row.Language),
                                                      QString::fromLatin1(row.Country), {}, row.Script);
    EXPECT_EQ(CodeOfLcid(row.LangId()), withoutVariant) << code.toStdString();
  }
}

TEST(VnLanguages, CodeOfLcidCases) {
  const struct {
    int Lcid;
    const char *Code;
  } cases[] = {
      {0x0C0A, "es_ES"}, {0x0409, "en_US"}, {0x0C1A, "sr_RS"}, {0x081A, "sr_RS.lat"},
      {0x141A, "bs_BA"}, {0x041A, "hr_HR"}, {0x0416, "pt_BR"}, {0x7C1A, "hr"},
      {0x0404, "zh_TW"}, {0x0004, "zh"},    {0x03FF, ""},      {0x10409, "en_US"}, // the sort part is ignored
  };
  for (const auto &c : cases)
    EXPECT_EQ(CodeOfLcid(c.Lcid), QLatin1String(c.Code)) << std::hex << c.Lcid;
}

TEST(VnLanguages, CodePagesAndCharsets) {
  const struct {
    const char *Language, *Country, *Variant;
    int Script, CodePage;
  } cases[] = {
      {"de", "DE", "", 0, 1252},
      {"sr", "RS", "", vnScriptLatin, 1250},
      {"sr", "RS", "", 0, 1251},
      {"uk", "", "", 0, 1251},
      {"is", "IS", "", 0, 1252},
      {"az", "AZ", "", vnScriptLatin, 1254},
      {"hi", "IN", "", 0, 0},
      {"ja", "JP", "", 0, 932},
      {"zh", "TW", "", 0, 950},
      {"zh", "CN", "", 0, 936},
      {"ko", "", "", 0, 949},
      {"vi", "VN", "", 0, 1258},
      {"de", "XX", "MOD", 0, 1252},
      {"xx", "", "", 0, 0},
      {"en", "US", "", vnScriptArabic, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(
        CodePageOf(QLatin1String(c.Language), c.Script, QLatin1String(c.Country), QLatin1String(c.Variant)),
        c.CodePage)
        << c.Language << "_" << c.Country;

  const struct {
    int CodePage, Charset;
  } charsets[] = {{1252, 0},   {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162}, {1255, 177},
                  {1256, 178}, {1257, 186}, {874, 222},  {932, 128},  {936, 134},  {949, 129},
                  {950, 136},  {1361, 130}, {1258, 163}, {437, 1},    {0, 1},      {65001, 1}};
  for (const auto &c : charsets)
    EXPECT_EQ(CharsetOfCodePage(c.CodePage), c.Charset) << c.CodePage;
}

TEST(VnLanguages, DefaultAnsiCodePageAsksTheTableOnceInstalled) {
  VnInstallLanguageTable();
  const struct {
    int LangId, CodePage;
  } cases[] = {{0x0419, 1251}, {0x081A, 1250}, {0x0C1A, 1251}, {0x042A, 1258}, {0x0425, 1257},
               {0x040F, 1252}, {0x0404, 950},  {0x0804, 936},  {0x0439, 1252}, {0x0843, 1251}};
  for (const auto &c : cases)
    EXPECT_EQ(DefaultAnsiCodePage(quint16(c.LangId)), c.CodePage) << std::hex << c.LangId;
  VnSetDefaultAnsiCodePageSource({});
}

TEST(VnLanguages, EnglishNames) {
  EXPECT_EQ(EnglishLanguageName(QStringLiteral("sr"), vnScriptLatin, {}), QStringLiteral("Serbian"));
  EXPECT_EQ(EnglishLanguageName(QStringLiteral("kok"), 0, {}), QStringLiteral("Konkani"));
  EXPECT_EQ(EnglishLanguageName(QStringLiteral("dex"), vnScriptCyrillic, {}), QStringLiteral("German"));
  EXPECT_EQ(EnglishLanguageName(QStringLiteral("de"), vnScriptCyrillic, {}), QString());
  EXPECT_EQ(EnglishLanguageName(QStringLiteral("xx"), 0, {}), QString());
  EXPECT_EQ(EnglishCountryName(QStringLiteral("zh"), QStringLiteral("HK"), 0),
            QStringLiteral("Hong Kong S.A.R."));
  EXPECT_EQ(EnglishCountryName(QStringLiteral("de"), QStringLiteral("FR"), 0), QString());
  EXPECT_EQ(PrimaryLanguageName(0), QString());
  EXPECT_EQ(PrimaryLanguageName(0x1A), QStringLiteral("Croatian"));
  EXPECT_EQ(PrimaryLanguageName(0x3FE), QString());
}

TEST(VnLanguages, DisplayNamesOfCodes) {
  const struct {
    const char *Code, *Name;
  } cases[] = {
      {"de", "German"},
      {"pt_BR", "Portuguese (Brazil)"},
      {"zh_SG", "Chinese, Simplified (Singapore)"},
      {"zh_TW", "Chinese, Traditional (Taiwan)"},
      {"zh", "Chinese, Simplified"}, // the first Chinese row writes simplified
      {"zh.tra", "Chinese, Traditional"},
      {"en_US", "English (United States)"},
      {"sr_RS", "Serbian, Cyrillic (Serbia and Montenegro)"},
      {"sr_RS.lat", "Serbian, Latin (Serbia and Montenegro)"},
      {"az_AZ.cyr", "Azeri, Cyrillic (Azerbaijan)"},
      {"es_ES_MOD", "Spanish, Modern (Spain)"},
      {"es_ES", "Spanish (Spain)"},
      {"no_NO_NYNORSK", "Norwegian, Nynorsk (Norway)"},
      {"se_NO_LULE", "Sami, Lule (Norway)"},
      {"se_NO_NORTHERN", "Sami, Northern (Norway)"},
      {"as_IN", "Assame (India)"},
      {"ts", "Tsonga"},
      {"de_FR", "German (FR)"},
      {"xx", "xx"}, // a language nothing knows shows its code
      {"xx_YY.zz", "xx (YY)"},
      {"", ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(DisplayNameOfCode(QLatin1String(c.Code)), QString::fromUtf8(c.Name)) << c.Code;
}

TEST(VnLanguages, GivenNamesAndQualifiers) {
  EXPECT_EQ(LocaleDisplayName(QStringLiteral("no"), QStringLiteral("NO"), 0, true,
                              QStringLiteral("Norsk bokmål"), QStringLiteral("Norge"),
                              QStringLiteral("nynorsk"), QStringLiteral("NYNORSK")),
            QStringLiteral("Norsk, nynorsk (Norge)"));
  EXPECT_EQ(LocaleDisplayName(QStringLiteral("zh"), QStringLiteral("TW"), 0, true,
                              QStringLiteral("Chinese (Taiwan)")),
            QStringLiteral("Chinese, Traditional (Taiwan)"));
  EXPECT_EQ(LocaleDisplayName(QStringLiteral("sr"), QStringLiteral("RS"), vnScriptLatin, false),
            QStringLiteral("Serbian (Serbia and Montenegro)"));
  EXPECT_EQ(LocaleDisplayName(QStringLiteral("ko"), QStringLiteral("KR"), 0, true, {}, {}, {},
                              QStringLiteral("JOHAB")),
            QStringLiteral("Korean, Johab (Korea)"));

  EXPECT_EQ(LanguageDisplayName(QStringLiteral("sr"), vnScriptLatin, {}, true),
            QStringLiteral("Serbian, Latin"));
  EXPECT_EQ(LanguageDisplayName(QStringLiteral("sr"), vnScriptLatin, {}, false), QStringLiteral("Serbian"));
  EXPECT_EQ(LanguageDisplayName(QStringLiteral("no"), 0, {}, true, {}, {}, QStringLiteral("NYNORSK")),
            QStringLiteral("Norwegian, NYNORSK"));
  EXPECT_EQ(LanguageDisplayName(QStringLiteral("se"), 0, {}, true, QStringLiteral("Lule"), {},
                                QStringLiteral("LULE")),
            QStringLiteral("Sami, Lule"));
  EXPECT_EQ(LanguageDisplayName(QStringLiteral("zh"), vnScriptSimplifiedChinese, {}, true),
            QStringLiteral("Chinese, Simplified"));
}

TEST(VnLanguages, Lists) {
  QList<TVnNamedId> list{{QStringLiteral("stale"), 1}};
  const int primaries = ListPrimaryLanguages(list);
  ASSERT_EQ(primaries, list.size());
  EXPECT_EQ(list.front(), (TVnNamedId{QStringLiteral("Arabic (1)"), 1}));
  QSet<int> ids;
  for (const TVnNamedId &line : list)
    EXPECT_TRUE(!ids.contains(line.Id) && (ids.insert(line.Id), true))
        << "primary id listed twice: " << line.Id;
  QSet<int> tableIds;
  for (const TVnLocaleData &row : VnLocaleTable())
    tableIds.insert(row.PrimaryId);
  EXPECT_EQ(ids, tableIds);

  EXPECT_EQ(ListSubLanguages(0x16, list, true), 2);
  EXPECT_EQ(list, (QList<TVnNamedId>{{QStringLiteral("Portugal"), 2}, {QStringLiteral("Brazil"), 1}}));
  EXPECT_EQ(ListSubLanguages(0x1A, list, false), 7);
  EXPECT_EQ(list[2], (TVnNamedId{QStringLiteral("Serbia and Montenegro"), 3}));
  EXPECT_EQ(ListSubLanguages(0x3FE, list, true), 0);

  const QList<int> lcids = EnumSystemLcids();
  EXPECT_EQ(lcids.size(), 165); // every row has its own identifier
  EXPECT_EQ(lcids.front(), 0x0401);
}

TEST(VnLanguages, LocaleInfoFromTheTable) {
  const QString probe = QStringLiteral("@*");
  const struct {
    int Lcid, Type;
    const char *Answer;
  } cases[] = {
      {0x0409, vnLiAbbrevLanguage, "ENU"},
      {0x0409, vnLiIsoLanguage, "en"},
      {0x0409, vnLiIsoCountry, "US"},
      {0x0409, vnLiEnglishLanguage, "English"},
      {0x0409, vnLiEnglishCountry, "United States"},
      {0x0409, vnLiDefaultAnsiCodePage, "1252"},
      {0x0439, vnLiDefaultAnsiCodePage, "0"},
      {0x0431, vnLiIsoCountry, "@*"},
      {0x0808, vnLiAbbrevLanguage, "@*"},
      {0x0009, vnLiEnglishLanguage, "@*"},
      {0x0409, 12345, "@*"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(LocaleInfo(c.Lcid, c.Type, probe), QLatin1String(c.Answer))
        << std::hex << c.Lcid << " " << c.Type;
}

} // namespace
