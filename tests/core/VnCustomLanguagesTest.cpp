#include "core/VnCustomLanguages.h"

#include "core/VnError.h"
#include "core/VnLanguages.h"
#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VnCustomLanguagesTest : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FileName() const { return FDir.path() + QStringLiteral("/settings/customlangs.xml"); }
};

TEST_F(VnCustomLanguagesTest, MissingFileGivesAnEmptyStoreAndItsFolder) {
  TVnCustomLanguages store(FileName());
  store.Load();
  EXPECT_TRUE(store.Entries().isEmpty());
  EXPECT_TRUE(QFileInfo(FDir.path() + QStringLiteral("/settings")).isDir());
  EXPECT_FALSE(QFileInfo::exists(FileName()));
}

TEST_F(VnCustomLanguagesTest, LoadsEntriesInOrderAndKeepsRepeatedCodes) {
  ASSERT_TRUE(QDir().mkpath(FDir.path() + QStringLiteral("/settings")));
  ASSERT_TRUE(VnTestWriteBytes(FileName(), "<?xml version=\"1.0\"?>\n<custom_languages>\n"
                                           "  <xx name=\"First &amp; best\" code=\"xx\"/>\n"
                                           "  <xx name=\"Klingon\" code=\"xx_YY.zz\"/>\n"
                                           "  <xx name=\"Second\" code=\"xx\"/>\n"
                                           "  <group><qq name=\"Nested\" code=\"qq_QQ\"/></group>\n"
                                           "</custom_languages>\n"));
  TVnCustomLanguages store(FileName());
  store.Load();
  const QList<TVnCustomLanguage> entries = store.Entries();
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(entries[0], (TVnCustomLanguage{QStringLiteral("xx"), QStringLiteral("First & best")}));
  EXPECT_EQ(entries[2], (TVnCustomLanguage{QStringLiteral("xx"), QStringLiteral("Second")}));
  EXPECT_EQ(store.NameOf(QStringLiteral("xx")), QStringLiteral("First & best"));
  EXPECT_EQ(store.NameOf(QStringLiteral("xx_YY.zz")), QStringLiteral("Klingon"));
  EXPECT_EQ(store.NameOf(QStringLiteral("qq_QQ")), QStringLiteral("Nested")); // searched below the root too
  EXPECT_EQ(store.NameOf(QStringLiteral("xx_YY")), QString());
  EXPECT_EQ(store.NameOf(QString()), QString());
}

TEST_F(VnCustomLanguagesTest, RejectsAFileThatIsNotAStore) {
  ASSERT_TRUE(QDir().mkpath(FDir.path() + QStringLiteral("/settings")));
  ASSERT_TRUE(VnTestWriteBytes(FileName(), "<custom_languages><xx name="));
  TVnCustomLanguages store(FileName());
  EXPECT_THROW(store.Load(), EVnXmlError);
  ASSERT_TRUE(VnTestWriteBytes(FileName(), "<project><xx name=\"Not mine\" code=\"xx\"/></project>"));
  EXPECT_THROW(store.Load(), EVnError);
  // The store stays usable and empty; saving it must not keep the foreign root.
  EXPECT_EQ(store.NameOf(QStringLiteral("xx")), QString());
  store.Add(QStringLiteral("xx"), QStringLiteral("Mine"));
  EXPECT_EQ(store.Entries(), (QList<TVnCustomLanguage>{{QStringLiteral("xx"), QStringLiteral("Mine")}}));
}

TEST_F(VnCustomLanguagesTest, AddRenameRemoveAndSaveRoundTrip) {
  TVnCustomLanguages store(FileName());
  store.Load();
  store.Add(QStringLiteral("xx"), QStringLiteral("Elvish \"Quenya\""));
  store.Add(QStringLiteral("xx_YY"), QStringLiteral("Elvish <Sindarin>"));
  store.Add(QStringLiteral("qq_QQ.ab"), QStringLiteral("Other"));
  store.Rename(QStringLiteral("xx_YY"), QStringLiteral("Sindarin"));
  EXPECT_TRUE(store.Remove(QStringLiteral("qq_QQ.ab")));
  EXPECT_FALSE(store.Remove(QStringLiteral("qq_QQ.ab")));
  store.Save();

  const QByteArray bytes = VnTestReadBytes(FileName());
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml")) << bytes.constData();
  EXPECT_TRUE(bytes.contains("<xx name=\"Elvish &quot;Quenya&quot;\" code=\"xx\""));

  TVnCustomLanguages reread(FileName());
  reread.Load();
  EXPECT_EQ(reread.Entries(),
            (QList<TVnCustomLanguage>{{QStringLiteral("xx"), QStringLiteral("Elvish \"Quenya\"")},
                                      {QStringLiteral("xx_YY"), QStringLiteral("Sindarin")}}));
}

TEST_F(VnCustomLanguagesTest, RefusesCodesThatAlreadyExistOrAreMalformed) {
  TVnCustomLanguages store(FileName());
  store.Load();
  store.Add(QStringLiteral("xx"), QStringLiteral("Mine"));
  const struct {
    const char *Code;
    const char *MessagePart; // the message names the reason
  } refused[] = {
      {"xx", "already exists"},     {"de", "German"},      {"de_DE", "German (Germany)"},
      {"pt_BR", "Brazil"},          {"x", "not a valid"},  {"xx_yy", "not a valid"},
      {"xx_YY.lat", "not a valid"}, {"XX", "not a valid"}, {"", "not a valid"},
  };
  for (const auto &c : refused) {
    try {
      store.Add(QLatin1String(c.Code), QStringLiteral("Another"));
      ADD_FAILURE() << c.Code << " was accepted";
    } catch (const EVnError &error) {
      EXPECT_TRUE(error.Message().contains(QLatin1String(c.MessagePart))) << error.what();
    }
  }
  EXPECT_THROW(store.Add(QStringLiteral("qq"), QStringLiteral("  ")), EVnError);
  EXPECT_THROW(store.Rename(QStringLiteral("zz"), QStringLiteral("Nobody")), EVnError);
  EXPECT_EQ(store.Entries().size(), 1);
  // Not table codes: a country the language lacks, or a suffix that is no script.
  store.Add(QStringLiteral("de_FR"), QStringLiteral("Alsatian"));
  store.Add(QStringLiteral("sr_RS.ab"), QStringLiteral("Serbian, other"));
  EXPECT_EQ(store.Entries().size(), 3);
}

TEST_F(VnCustomLanguagesTest, ProgramStoreLivesInTheWritableSharedDataFolder) {
  const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  EXPECT_EQ(CustomLanguagesFile(), appData + QStringLiteral("/settings/customlangs.xml"));
  EXPECT_EQ(VnCustomLanguages().FileName(), CustomLanguagesFile());
}

TEST_F(VnCustomLanguagesTest, DisplayNameOfCodeAsksTheProgramStoreFirst) {
  TVnCustomLanguages &store = VnCustomLanguages();
  const QList<TVnCustomLanguage> saved = store.Entries();
  store.SetEntries({{QStringLiteral("xx_YY.zz"), QStringLiteral("Custom")},
                    {QStringLiteral("xx"), QStringLiteral("Bare")}});
  EXPECT_EQ(DisplayNameOfCode(QStringLiteral("xx_YY.zz")), QStringLiteral("Custom"));
  EXPECT_EQ(DisplayNameOfCode(QStringLiteral("xx")), QStringLiteral("Bare"));
  EXPECT_EQ(DisplayNameOfCode(QStringLiteral("de")), QStringLiteral("German"));
  store.SetEntries(saved);
  EXPECT_EQ(DisplayNameOfCode(QStringLiteral("xx_YY.zz")), QStringLiteral("xx (YY)"));
}

} // namespace
