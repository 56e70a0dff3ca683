#include "core/VnSystemLanguages.h"

#include "core/VnLanguages.h"
#include "core/VnLocaleTable.h"
#include "core/VnScripts.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(VnSystemLanguages, LoadGroupsEveryLocaleUnderItsLanguage) {
  TVnSystemLanguages languages;
  int added = -1, updated = -1;
  languages.LoadFromSystem(added, updated, false);
  EXPECT_EQ(added, languages.Count());
  EXPECT_EQ(updated, 0);

  // Every row of the table is one locale of exactly one language.
  int locales = 0;
  QSet<QString> fullCodes;
  for (qsizetype i = 0; i < languages.Count(); ++i) {
    locales += int(languages[i].Locales.size());
    EXPECT_FALSE(fullCodes.contains(languages[i].FullCode())) << languages[i].FullCode().toStdString();
    fullCodes.insert(languages[i].FullCode());
    if (i > 0) {
      EXPECT_LT(languages[i - 1].FullCode().compare(languages[i].FullCode(), Qt::CaseInsensitive), 0);
    }
  }
  EXPECT_EQ(locales, int(VnLocaleTable().size()));

  const struct {
    const char *FullCode;
    int SubId;
  } cases[] = {{"sr_RS", 3}, {"sr_RS.lat", 2}, {"sr_BA", 7},     {"sr_BA.lat", 6},   {"pt_BR", 1},
               {"pt_PT", 2}, {"es_MX", 2},     {"es_ES_MOD", 3}, {"se_FI_INARI", 9}, {"az_AZ.cyr", 2}};
  for (const auto &c : cases) {
    const TVnSystemLocale *locale = languages.FindLocale(QLatin1String(c.FullCode));
    ASSERT_TRUE(locale) << c.FullCode;
    EXPECT_EQ(locale->SubId, c.SubId) << c.FullCode;
  }
  EXPECT_EQ(languages.FindLocale(QStringLiteral("de_FR")), nullptr);
  EXPECT_EQ(languages.FindLocale(QStringLiteral("es_MX_MOD")), nullptr);

  const TVnSystemLanguage *arabic = languages.Find(QStringLiteral("ar"), vnScriptArabic, {});
  ASSERT_TRUE(arabic);
  EXPECT_EQ(arabic->Locales.size(), 16);
  EXPECT_EQ(arabic->Locales.front().Country, QStringLiteral("AE")); // sorted by full code
  EXPECT_EQ(arabic->CodePage, 1256);
  EXPECT_EQ(arabic->PrimaryId, 1);
  EXPECT_EQ(arabic->WinCode, QStringLiteral("AR"));

  const TVnSystemLanguage *nynorsk =
      languages.Find(QStringLiteral("no"), vnScriptLatin, QStringLiteral("NYNORSK"));
  ASSERT_TRUE(nynorsk);
  EXPECT_EQ(nynorsk->NativeVariantName, QStringLiteral("nynorsk"));
  EXPECT_EQ(nynorsk->DisplayName(), QStringLiteral("Norwegian, Nynorsk"));
  const TVnSystemLanguage *serbianLatin = languages.Find(QStringLiteral("sr"), vnScriptLatin, {});
  ASSERT_TRUE(serbianLatin);
  EXPECT_EQ(serbianLatin->DisplayName(), QStringLiteral("Serbian, Latin"));
  EXPECT_EQ(serbianLatin->CodePage, 1250);
  EXPECT_EQ(serbianLatin->Locales.size(), 2);
  EXPECT_EQ(serbianLatin->FindLocale(QStringLiteral("BA"))->LocalizedName,
            QStringLiteral("Bosnia and Herzegovina"));
}

TEST(VnSystemLanguages, LoadingAgainAddsNothingAndOverwritesOncePerLanguage) {
  TVnSystemLanguages languages;
  int added = 0, updated = 0;
  languages.LoadFromSystem(added, updated, false);
  const qsizetype count = languages.Count();

  languages.LoadFromSystem(added, updated, false);
  EXPECT_EQ(added, 0);
  EXPECT_EQ(updated, 0);
  EXPECT_EQ(languages.Count(), count);

  languages.LoadFromSystem(added, updated, true);
  EXPECT_EQ(added, 0);
  EXPECT_EQ(updated, count);
  const TVnSystemLanguage *english = languages.Find(QStringLiteral("en"), vnScriptLatin, {});
  ASSERT_TRUE(english);
  EXPECT_EQ(english->Locales.size(), 13); // overwriting keeps every country
}

TEST(VnSystemLanguages, AddKeepsOneEntryPerLanguageAndCountry) {
  TVnSystemLanguages languages;
  TVnSystemLanguage german;
  german.Code = QStringLiteral("de");
  german.FillDefaults();
  EXPECT_EQ(german.Script, vnScriptLatin);
  EXPECT_EQ(german.PrimaryId, 7);
  EXPECT_EQ(german.CodePage, 1252);
  EXPECT_EQ(german.WinCode, QStringLiteral("DE"));
  EXPECT_EQ(german.LocalizedName, QStringLiteral("German"));
  TVnSystemLocale swiss;
  swiss.Country = QStringLiteral("CH");
  EXPECT_TRUE(german.AddLocale(swiss));
  EXPECT_FALSE(german.AddLocale(swiss));
  EXPECT_TRUE(languages.Add(german));
  EXPECT_FALSE(languages.Add(german));
  EXPECT_EQ(languages.Count(), 1);
  EXPECT_EQ(languages.IndexOf(german), 0);

  TVnSystemLocale filled = swiss;
  filled.FillDefaults(german);
  EXPECT_EQ(filled.SubId, 2);
  EXPECT_EQ(filled.WinCode, QStringLiteral("DES"));
  EXPECT_EQ(filled.LocalizedName, QStringLiteral("Switzerland"));
  EXPECT_EQ(filled.Lcid(german), 0x0807);
}

} // namespace
