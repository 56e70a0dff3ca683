#include "project/VnV7Project.h"

#include "core/VnLanguageCode.h"
#include "core/VnVersion.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include "VnProjectFixture.h"
#include "VnTestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Saved(TVnV7Project &project) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  project.SaveToStream(buffer);
  return bytes;
}

// One target translated into every project language, with a native language:
// what the scanner-languages check expects.
QByteArray Project(const char *rows, const char *languages = "<language>de</language>",
                   const char *outputs = "<language><code>de</code></language>") {
  return QByteArray("<xml><targets><target><options><filename>a.rc</filename><encodings><native_encoding><code>en"
                    "</code></native_encoding><output_language_list>") +
         outputs + "</output_language_list></encodings></options><stringdata>" + rows +
         "</stringdata></target></targets><languages>" + languages + "</languages></xml>";
}

TEST(VnProjectIntegrity, RowQuotesAreRepairedOnTheStoredText) {
  const struct {
    const char *stored;
    const char *repaired;
    int errors;
  } cases[] = {
      {"Say \"hi", "&quot;Say &quot;hi&quot;", 3},
      {"\"raw\"", "&quot;raw&quot;", 1},
      {"&quot;fine&quot;", "&quot;fine&quot;", 0},
      {"&quot;open", "&quot;open&quot;", 1},
      {"close&quot;", "&quot;close&quot;", 1},
      {"", "", 0},
  };
  for (const auto &c : cases) {
    TVnV7Project project;
    VnLoadProjectText(project, Project((std::string("<row name=\"r\"><native>") + c.stored + "</native></row>").c_str()));
    QString report;
    EXPECT_EQ(project.CheckIntegrity(report, {}), c.errors == 0) << c.stored;
    EXPECT_STREQ(project.Targets().Item(0).child("stringdata").child("row").child("native").child_value(), c.repaired);
    EXPECT_EQ(project.Modified(), c.errors > 0);
    const QString expected = c.errors == 0 ? QStringLiteral("No errors found in project file.")
                                           : QStringLiteral("Row quots check: %1 errors found and corrected\r\n"
                                                            "Scanner languages check: No errors found.\r\n")
                                                 .arg(c.errors);
    EXPECT_EQ(report, expected) << c.stored;
  }
}

TEST(VnProjectIntegrity, TranslationsAndCustomRowsAreCheckedToo) {
  TVnV7Project project;
  VnLoadProjectText(project, "<xml><targets><target><options><encodings><native_encoding><code>en</code>"
                             "</native_encoding></encodings></options><stringdata><row><native>&quot;a&quot;</native>"
                             "<lang id=\"de\">b</lang></row></stringdata><customdata><row><native>c</native></row>"
                             "</customdata></target></targets></xml>");
  QString report;
  EXPECT_FALSE(project.CheckIntegrity(report, {true, false, false}));
  EXPECT_EQ(report, QStringLiteral("Row quots check: 4 errors found and corrected\r\n"));
}

TEST(VnProjectIntegrity, OldSerbianCodesAreMigrated) {
  TVnV7Project project;
  VnLoadProjectText(project, Project("<row name=\"r\"><native>&quot;a&quot;</native><lang id=\"sr_SP.lat\">&quot;b&quot;"
                                     "</lang></row>",
                                     "<language>de</language><language>sr_SP.lat</language>",
                                     "<language><code>de</code></language><language><code>SR_sp.lat</code></language>"));
  QString report;
  EXPECT_FALSE(project.CheckIntegrity(report, {false, true, false}));
  EXPECT_EQ(report, QStringLiteral("Old Serbian language code check: 1 errors found and corrected\r\n"));
  EXPECT_EQ(project.GetLanguage(1), QStringLiteral("sr_RS.lat"));
  pugi::xml_node target = project.Targets().Item(0);
  EXPECT_TRUE(target.select_node(".//lang[@id='sr_RS.lat']"));
  EXPECT_TRUE(target.select_node(".//output_language_list/language[code='sr_RS.lat']"));
  EXPECT_EQ(VnMigrateOldSerbianCode(QStringLiteral("sr_SP")), QStringLiteral("sr_RS"));
  EXPECT_EQ(VnMigrateOldSerbianCode(QStringLiteral("hr_SP")), QStringLiteral("hr_SP"));
}

TEST(VnProjectIntegrity, ScannerLanguagesAreCompleted) {
  TVnV7Project project;
  VnLoadProjectText(project, "<xml><targets><target><options/><stringdata/></target>"
                             "<target><options><encodings><native_encoding><code>fr</code></native_encoding>"
                             "<output_language_list><language><code>de</code></language><language><code>it</code>"
                             "</language></output_language_list></encodings></options></target></targets>"
                             "<languages><language>de</language><language>it</language></languages></xml>");
  QString report;
  EXPECT_FALSE(project.CheckIntegrity(report, {}));
  EXPECT_EQ(report, QStringLiteral("Row quots check: No errors found.\r\n"
                                   "Scanner languages check: 2 errors found and corrected\r\n"));
  EXPECT_EQ(project.GetTargetInfo(0).NativeLanguage, QStringLiteral("en"));
  EXPECT_EQ(project.GetTargetInfo(1).NativeLanguage, QStringLiteral("fr"));
  EXPECT_EQ(project.Targets().Item(0).select_nodes(".//output_language_list/language").size(), 2u);
  EXPECT_TRUE(project.CheckIntegrity(report, {}));
}

TEST(VnProjectFile, EverythingInAFileIsWrittenBackAsItWas) {
  const QByteArray original = VnTestReadBytes(VnTestData(QStringLiteral("project/everything.v7p")));
  ASSERT_TRUE(original.contains("second line&quot;</native>"));
  TVnV7Project project;
  VnLoadProjectText(project, original);
  QByteArray saved = Saved(project);
  // Only the version changes; "active" was already what the program writes.
  saved.replace(("version=\"" + VnProgramVersion() + " lite\"").toUtf8(), "version=\"7.2.8.1115\"");
  EXPECT_EQ(saved, original);
}

} // namespace
