#include "com/VnPluginRules.h"

#include "com/VnComText.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(VnPluginRules, ScanResultsAreReadFromShortPathsAndOnlyTemporaryFilesGo) {
  // A temporary folder of this test's own, and a user's folder beside it.
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("tmp")) && QDir(root.path()).mkpath(QStringLiteral("user")));
  const QByteArray savedTmp = qgetenv("TMPDIR");
  qputenv("TMPDIR", root.filePath(QStringLiteral("tmp")).toUtf8());
  QTemporaryDir temp; // under the temporary folder now
  const QString document = QStringLiteral("<result><stringdata/></result>");

  // A path of exactly 255 characters is read; 256 are the document itself.
  QString name = temp.filePath(QStringLiteral("r"));
  name += QString(255 - name.size() - 4, QLatin1Char('x')) + QStringLiteral(".xml");
  ASSERT_EQ(name.size(), 255);
  ASSERT_TRUE(VnTestWriteBytes(name, document.toUtf8()));
  EXPECT_EQ(VnReadScanResult(name), document);
  EXPECT_FALSE(QFile::exists(name)) << "a temporary result file is the host's to delete";
  const QString longer = name + QLatin1Char('x');
  ASSERT_TRUE(VnTestWriteBytes(longer, document.toUtf8()));
  EXPECT_EQ(VnReadScanResult(longer), longer);
  EXPECT_TRUE(QFile::exists(longer));

  // A result naming a file of the user's is read but never deleted.
  const QString own = root.filePath(QStringLiteral("user/scan-result.xml"));
  ASSERT_TRUE(VnTestWriteBytes(own, document.toUtf8()));
  EXPECT_EQ(VnReadScanResult(own), document);
  EXPECT_TRUE(QFile::exists(own));
  QFile::remove(own);

  EXPECT_EQ(VnReadScanResult(document), document);
  EXPECT_EQ(VnReadScanResult(QStringLiteral("/no/such/file.xml")), QStringLiteral("/no/such/file.xml"));
  qputenv("TMPDIR", savedTmp);
}

TEST(VnPluginRules, TranslationsDocuments) {
  const auto candidates = VnParseTranslations(
      QStringLiteral("<result><native>Open</native><translations>"
                     "<lang id=\"de\">Öffnen</lang>"
                     "<lang match=\"75\" comment=\"menu\" row_comment=\"File menu\">Aufmachen</lang>"
                     "<lang match=\"many\">Offen</lang></translations></result>"),
      QStringLiteral("TestImporter.so"));
  ASSERT_EQ(candidates.size(), 3);
  EXPECT_EQ(candidates[0], (TVnTranslationCandidate{QStringLiteral("Öffnen"), 100, {}, {}}));
  EXPECT_EQ(candidates[1], (TVnTranslationCandidate{QStringLiteral("Aufmachen"), 75, QStringLiteral("menu"),
                                                    QStringLiteral("File menu")}));
  EXPECT_EQ(candidates[2].Match, 100);

  for (const char *none : {"<result/>", "<result><translations/></result>", ""})
    EXPECT_TRUE(VnParseTranslations(QString::fromUtf8(none), QStringLiteral("p")).isEmpty()) << none;
  try {
    VnParseTranslations(QStringLiteral("<result><translations>"), QStringLiteral("BrokenImporter.so"));
    ADD_FAILURE();
  } catch (const EVnError &e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("BrokenImporter.so"))) << e.what();
  }
}

TEST(VnPluginRules, ConfigurationStringsAsShown) {
  const struct {
    const char *configuration, *shown;
  } cases[] = {
      {"/data/memory.tmx", "/data/memory.tmx"},
      {"", "<not configured>"},
      {"<?xml version=\"1.0\"?><settings><filename>/data/tm.db</filename></settings>", "/data/tm.db"},
      {"<?xml version=\"1.0\"?><settings><server>x</server></settings>", "<not configured>"},
      {"<?xml broken", "<not configured>"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(VnConfigurationDisplayText(QString::fromUtf8(c.configuration)), QString::fromUtf8(c.shown))
        << c.configuration;
}

TEST(VnPluginRules, TextFormsFollowThePluginsVersion) {
  const QString text = QStringLiteral("Grüße");
  for (const char *version : {"1.0.9.9", "1.1.0.0", "2.0"}) {
    const QString v = QString::fromLatin1(version);
    const TVnBstr passed = VnPluginText(text, v);
    EXPECT_EQ(VnPluginReturnedText(passed.Get(), v), text) << version;
  }
  EXPECT_FALSE(VnPluginUsesUtf16(QStringLiteral("1.0.0.0")));
  EXPECT_TRUE(VnPluginUsesUtf16(QStringLiteral("1.1")));
  const TVnBstr old = VnPluginText(text, QStringLiteral("1.0.0.0"));
  EXPECT_EQ(SysStringByteLen(old.Get()), std::uint32_t(text.toUtf8().size())) << "8-bit UTF-8 for old plug-ins";

  // Returned text with a UTF-8 byte order mark is UTF-8 whatever the version.
  const QByteArray marked = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
  const TVnBstr returned(SysAllocStringByteLen(marked.constData(), std::uint32_t(marked.size())));
  EXPECT_EQ(VnPluginReturnedText(returned.Get(), QStringLiteral("3.0.0.0")), text);
}

TEST(VnPluginRules, FailingResultsBecomeErrorsNamingThePlugin) {
  EXPECT_NO_THROW(VnCheckPluginCall(S_OK, QStringLiteral("TextScanner.so"), "Scan"));
  EXPECT_NO_THROW(VnCheckPluginCall(S_FALSE, QStringLiteral("TextScanner.so"), "Scan"));
  try {
    VnCheckPluginCall(E_FAIL, QStringLiteral("TextScanner.so"), "Scan");
    ADD_FAILURE();
  } catch (const EVnComError &e) {
    EXPECT_EQ(e.Result(), E_FAIL);
    EXPECT_TRUE(e.Message().contains(QStringLiteral("TextScanner.so")));
    EXPECT_TRUE(e.Message().contains(QStringLiteral("Scan")));
  }
}

} // namespace
