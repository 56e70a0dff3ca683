#include "cli/VnCliMain.h"

#include "config/VnConfiguration.h"
#include "core/VnFolders.h"

#include "VnTestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

class VnCli : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(SharedApplicationFolder() + QStringLiteral("demo/Sample Editor.v7p"), FDemo));
  }

  int Run(QStringList args) {
    FOut.clear();
    FErr.clear();
    QTextStream out(&FOut), err(&FErr);
    return VnCliMain(args, out, err, FConfig);
  }

  QTemporaryDir FDir;
  QString FDemo = FDir.filePath(QStringLiteral("demo.v7p"));
  TVnConfiguration FConfig{FDir.filePath(QStringLiteral("settings.vno"))};
  QString FOut, FErr;
};

TEST_F(VnCli, ExitCodesAndMessages) {
  const QString missing = FDir.filePath(QStringLiteral("missing.v7p"));
  const struct {
    QStringList args;
    int code;
    const char *inOut;
    const char *inErr;
  } cases[] = {
      {{}, ecUsage, "", "Usage: vantria COMMAND"},
      {{"--help"}, ecSuccess, "Usage: vantria COMMAND", ""},
      {{"frobnicate"}, ecUsage, "", "Unknown command \"frobnicate\""},
      {{"info"}, ecUsage, "", "Usage: vantria info FILE"},
      {{"info", missing}, ecUsage, "", "missing.v7p"},
      {{"info", FDemo, "--fast"}, ecUsage, "", "Unknown option --fast"},
      {{"row", FDemo, "x", "0"}, ecUsage, "", "TARGET must be a number"},
      {{"row", FDemo, "2", "0"}, ecUsage, "", "has no target 2"},
      {{"row", FDemo, "1", "8"}, ecUsage, "", "has no row 8"},
      {{"row", FDemo, "0", "0", "--lang", "pt"}, ecUsage, "", "\"pt\" is not a language"},
      {{"row", FDemo, "0", "0", "--lang"}, ecUsage, "", "--lang needs a value"},
      {{"row", FDemo, "0", "1", "--lang", "ja"}, ecSuccess, "translation: 新規(&N)", ""},
      {{"info", FDemo}, ecSuccess, "Languages: de (active), fr, ja", ""},
      {{"check", FDemo}, ecSuccess, "No errors found in project file.", ""},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.args.join(' ').toStdString();
    EXPECT_TRUE(FOut.contains(QString::fromUtf8(c.inOut))) << FOut.toStdString();
    EXPECT_TRUE(FErr.contains(QString::fromUtf8(c.inErr))) << FErr.toStdString();
  }
}

TEST_F(VnCli, InfoAsJsonNamesItsKeysAfterTheDocument) {
  ASSERT_EQ(Run({"info", FDemo, "--json"}), ecSuccess);
  const QJsonObject info = QJsonDocument::fromJson(FOut.toUtf8()).object();
  EXPECT_EQ(info["root"].toString(), QStringLiteral("xml"));
  EXPECT_EQ(info["targets"].toArray().size(), 2);
  EXPECT_EQ(info["targets"][0]["filename"].toString(), QStringLiteral("SampleEditor.rc"));
  EXPECT_EQ(info["targets"][0]["native_encoding"]["code"].toString(), QStringLiteral("en_US"));
  EXPECT_EQ(info["targets"][1]["stringdata"].toInt(), 8);
  EXPECT_EQ(info["languages"]["active"].toInt(), 0);
  EXPECT_EQ(info["languages"]["language"].toArray().size(), 3);
  const QJsonObject statuses = info["rows"]["status"].toObject();
  int rows = 0;
  for (const QString &key : statuses.keys())
    rows += statuses[key].toInt();
  EXPECT_EQ(rows, 30);
  EXPECT_EQ(info["rows"]["lang"]["de"]["ready"].toInt(), 5);
}

TEST_F(VnCli, RowAsJsonReadsEveryFieldAndLanguage) {
  ASSERT_EQ(Run({"row", FDemo, "-1", "22", "--json"}), ecSuccess); // the first row of the second target
  const QJsonObject row = QJsonDocument::fromJson(FOut.toUtf8()).object();
  EXPECT_EQ(row["name"].toString(), QStringLiteral("confirm.save"));
  EXPECT_EQ(row["native"].toString(), QStringLiteral("Do you want to save changes to \"%s\"?"));
  EXPECT_EQ(row["comment"].toString(), QStringLiteral("%s: the document's file name"));
  EXPECT_EQ(row["lang"].toString(), QStringLiteral("de"));
  EXPECT_EQ(row["languages"]["fr"].toString(), QStringLiteral("Voulez-vous enregistrer les modifications de « %s » ?"));
}

TEST_F(VnCli, CheckFixSavesTheRepairedProjectWithABackup) {
  const QByteArray broken = "<xml><targets><target><options><encodings><native_encoding><code>en</code>"
                            "</native_encoding></encodings></options><stringdata><row name=\"r\"><native>Say \"hi"
                            "</native></row></stringdata></target></targets></xml>";
  const QString path = FDir.filePath(QStringLiteral("broken.v7p"));
  ASSERT_TRUE(VnTestWriteBytes(path, broken));
  EXPECT_EQ(Run({"check", path}), ecCheckFoundErrors);
  EXPECT_TRUE(FOut.contains(QStringLiteral("Row quots check: 3 errors found and corrected")));
  EXPECT_EQ(VnTestReadBytes(path), broken) << "without --fix nothing is written";

  EXPECT_EQ(Run({"check", path, "--fix"}), ecSuccess);
  EXPECT_TRUE(VnTestReadBytes(path).contains("&quot;Say &quot;hi&quot;"));
  EXPECT_EQ(VnTestReadBytes(FDir.filePath(QStringLiteral("broken.~v7p"))), broken);
  EXPECT_EQ(Run({"check", path}), ecSuccess);
}

TEST_F(VnCli, ChecksFollowTheUsersOptions) {
  const QString path = FDir.filePath(QStringLiteral("quotes.v7p"));
  ASSERT_TRUE(VnTestWriteBytes(path, "<xml><targets><target><options/><stringdata><row><native>x</native></row>"
                                     "</stringdata></target></targets></xml>"));
  FConfig.ProjectCheck().SetBool(TVnConfigBoolKey::CheckQuots, false);
  FConfig.ProjectCheck().SetBool(TVnConfigBoolKey::CheckScannerLangs, false);
  EXPECT_EQ(Run({"check", path}), ecSuccess);
  EXPECT_TRUE(FOut.contains(QStringLiteral("No errors found in project file.")));
}

TEST_F(VnCli, LanguagesListsEveryCodeWithItsName) {
  ASSERT_EQ(Run({"languages"}), ecSuccess);
  const QStringList lines = FOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_GE(lines.size(), 165);
  EXPECT_TRUE(lines.contains(QStringLiteral("de_DE\tGerman (Germany)"))) << FOut.left(400).toStdString();
  for (const QString &line : lines)
    EXPECT_EQ(line.count(QLatin1Char('\t')), 1) << line.toStdString();
  EXPECT_EQ(Run({"languages", "extra"}), ecUsage);
}

TEST_F(VnCli, PluginsListsEachCategoryAndExplainsABrokenPlugin) {
  ASSERT_EQ(Run({"plugins"}), ecSuccess) << FErr.toStdString(); // the build tree's folder
  EXPECT_TRUE(FOut.contains(QStringLiteral("3 scanner(s) found in folder "))) << FOut.toStdString();
  EXPECT_TRUE(FOut.contains(QStringLiteral("  TestScanner.so\n    Name: Test Scanner\n    Supported Extensions: "
                                           "*.vntest\n    Description: Scans files for the tests.\n")))
      << FOut.toStdString();
  // Broken on purpose: a library without the exports of a plug-in.
  EXPECT_TRUE(FOut.contains(QStringLiteral("  TestBrokenScanner.so\n    cannot be used: Failed to register OCX.")))
      << FOut.toStdString();
  for (const char *found : {"1 importer(s) found", "1 TM(s) found", "1 exporter(s) found", "0 plug-in(s) found"})
    EXPECT_TRUE(FOut.contains(QLatin1String(found))) << found;
  EXPECT_TRUE(FOut.contains(QStringLiteral("  TestTM.so\n    ProgID: TestTM.TM\n")));

  ASSERT_EQ(Run({"plugins", FDir.path()}), ecSuccess);
  EXPECT_TRUE(FOut.startsWith(QStringLiteral("0 scanner(s) found in folder %1\n").arg(FDir.path())));
  EXPECT_EQ(Run({"plugins", FDemo}), ecUsage);
  EXPECT_EQ(Run({"plugins", FDir.path(), FDir.path()}), ecUsage);
}

TEST(VnCliProgram, ReadsTheSettingsButNeverWritesThem) {
  QTemporaryDir dir;
  const QString settings = dir.filePath(QStringLiteral("settings.vno"));
  const QByteArray broken = "<options><project_integrity_check><check_quots>False";
  ASSERT_TRUE(VnTestWriteBytes(settings, broken));
  QProcess tool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("VANTRIA_CONFIG"), settings);
  tool.setProcessEnvironment(environment);
  tool.start(QStringLiteral(VN_VANTRIA_PROGRAM), {QStringLiteral("info"), dir.filePath(QStringLiteral("none.v7p"))});
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), ecUsage);
  EXPECT_TRUE(tool.readAllStandardError().contains("none.v7p"));
  EXPECT_EQ(VnTestReadBytes(settings), broken);
  EXPECT_FALSE(QFile::exists(settings + QStringLiteral(".bak")));
  EXPECT_FALSE(QFile::exists(settings + QStringLiteral(".broken")));
}

} // namespace
