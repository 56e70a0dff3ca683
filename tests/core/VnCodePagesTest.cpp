#include "core/VnCodePages.h"

#include <QSet>
#include <QString>

#include <utility>

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

namespace {

TEST(VnCodePages, TableKeepsItsOrderAndRepeats) {
  const auto table = VnCodePageTable();
  ASSERT_EQ(table.size(), 142u);
  EXPECT_EQ(table.front().CodePage, 1252);
  EXPECT_EQ(table.back().CodePage, 57011);
  int rowsOf20932 = 0;
  for (const TVnCodePageData &row : table)
    rowsOf20932 += row.CodePage == 20932;
  EXPECT_EQ(rowsOf20932, 2);
}

// A converter name that does not open on this machine would make its code page
// silently unconvertible; a row that opens must say so in its flags.
TEST(VnCodePages, EveryConverterOpensAndFlagsSayWhichDo) {
  for (const TVnCodePageData &row : VnCodePageTable()) {
    if (!row.Converter) {
      EXPECT_FALSE(row.Availability) << row.CodePage;
      continue;
    }
    UErrorCode error = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(row.Converter, &error);
    ucnv_close(converter);
    EXPECT_TRUE(U_SUCCESS(error)) << row.CodePage << " " << row.Converter << " " << u_errorName(error);
    EXPECT_EQ(row.Availability, vnCpInstalled | vnCpConvertible) << row.CodePage;
  }
}

TEST(VnCodePages, FirstRowAnswers) {
  ASSERT_NE(FindCodePage(20932), nullptr);
  EXPECT_STREQ(FindCodePage(20932)->Name, "jisx");
  EXPECT_STREQ(FindCodePage(50222)->Name, "iso-2022-jp");
  EXPECT_EQ(FindCodePage(0), nullptr);
  EXPECT_EQ(FindCodePage(12345), nullptr);
}

TEST(VnCodePages, CodePageOfNameIgnoresAsciiCaseOnly) {
  const std::pair<QString, int> cases[] = {
      {QStringLiteral("UTF-8"), 65001},
      {QStringLiteral("ISO-2022-JP"), 50220}, // also the name of 50222
      {QStringLiteral("unicode"), 0},
      {QString(), 0},
      {QStringLiteral("euc-jp"), 20932},
      {QStringLiteral("CSiso2022jp"), 50221},
      {QStringLiteral("21027"), 21027},
      {QStringLiteral("GB2312"), 936},
      {QStringLiteral("koi8-r "), 0},
      {QString::fromUtf16(u"\u212Aoi8-r"), 0}, // Kelvin sign: folds to "k" in Unicode, not in ASCII
      {QString::fromUtf16(u"koi8-r\0", 7), 0},
  };
  for (const auto &[name, codePage] : cases)
    EXPECT_EQ(CodePageOfName(name), codePage) << name.toStdString();
}

TEST(VnCodePages, ScriptAndAvailabilityByNumber) {
  const struct {
    int CodePage;
    int Script;
    TVnCodePageAvailability Availability;
  } cases[] = {
      {1251, 3, vnCpInstalled | vnCpConvertible},
      {65001, 0, vnCpInstalled | vnCpConvertible},
      {57004, 19, vnCpInstalled | vnCpConvertible},
      {10001, 6, {}}, // listed, but ICU has no converter for it
      {437, 0, {}},   // converted, but not a table row
      {99999, 0, {}},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(ScriptOfCodePage(c.CodePage), c.Script) << c.CodePage;
    EXPECT_EQ(CodePageAvailability(c.CodePage), c.Availability) << c.CodePage;
  }
}

TEST(VnCodePages, DefaultAnsiCodePageWithoutLanguageTable) {
  const struct {
    quint16 LangId;
    int CodePage;
  } cases[] = {
      {0x0404, 950},  {0x0C04, 950},  {0x1404, 950},  {0x0804, 936},  {0x1004, 936}, // Chinese by sub id
      {0x0439, 1252}, {0x0409, 1252}, {0x0000, 1252}, {0x0401, 1256}, {0x0429, 1256},
      {0x0419, 1251}, {0x0405, 1250}, {0x0408, 1253}, {0x040D, 1255}, {0x0411, 932},
      {0x0412, 949},  {0x041E, 874},  {0x041F, 1254}, {0x0426, 1257}, {0x042A, 1258},
      {0x041A, 1250}, {0x081A, 1250}, {0x0C1A, 1251}, {0xFC1A, 1251}, // sub id 63
      {0x042C, 1254}, {0x082C, 1251}, {0x0443, 1254}, {0x0843, 1251},
  };
  for (const auto &c : cases)
    EXPECT_EQ(DefaultAnsiCodePage(c.LangId), c.CodePage) << std::hex << c.LangId;
}

class TVnAnsiSourceScope {
public:
  explicit TVnAnsiSourceScope(TVnAnsiCodePageSource source) {
    VnSetDefaultAnsiCodePageSource(std::move(source));
  }
  ~TVnAnsiSourceScope() { VnSetDefaultAnsiCodePageSource({}); }
};

TEST(VnCodePages, DefaultAnsiCodePageAsksTheLanguageTableAfterChinese) {
  QSet<int> asked;
  TVnAnsiSourceScope scope([&](quint16 langid) {
    asked.insert(langid);
    return langid == 0x0409 ? 1250 : langid == 0x0407 ? -1 : 0;
  });
  EXPECT_EQ(DefaultAnsiCodePage(0x0409), 1250); // the table's answer wins
  EXPECT_EQ(DefaultAnsiCodePage(0x0419), 1251); // 0: unknown, the fallback answers
  EXPECT_EQ(DefaultAnsiCodePage(0x0407), 1252); // nonsense is not an answer
  EXPECT_EQ(DefaultAnsiCodePage(0x0404), 950);
  EXPECT_EQ(asked, QSet<int>({0x0409, 0x0419, 0x0407}));
}

} // namespace
