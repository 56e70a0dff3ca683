#include "core/VnFileVersion.h"

#include "core/VnError.h"
#include "core/VnVersion.h"

#include "VnPeTestImage.h"
#include "VnTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(VnFileVersion, CompareVersions) {
  struct Case {
    const char *A, *B;
    int Expected;
  };
  const Case cases[] = {
      {"1.0.3.2", "1.1.0.0", -1}, {"1.1", "1.1.0.0", 0},   {"2", "1.9", 1},         {"1.1.0.0", "1.1", 0},
      {"1.2.3.4", "1.2.3.4", 0},  {"1.10", "1.9", 1},      {"1.9", "1.10", -1},     {"01.2", "1.2", 0},
      {"1.0.0.1", "1", 1},        {"", "", 0},             {"abc", "abc", 0},       {"1.x", "2.y", -1},
      {"4294967296", "1", 1},     {"65535.0", "65536", -1},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CompareVersions(QString::fromLatin1(c.A), QString::fromLatin1(c.B)), c.Expected) << c.A << " " << c.B;
}

TEST(VnFileVersion, CompareVersionsRefusesPartsThatAreNoIntegers) {
  const char *cases[][2] = {{"1.a", "1.0"},  {"1..2", "1.0.2"}, {"1.0", "1. 0"}, {"1.0x1", "1.0"},
                            {"1.0", "1.0 "}, {"", "1"},         {"1.5", "1.1e2"}, {"1", "99999999999999999999"}};
  for (const auto &c : cases) {
    try {
      CompareVersions(QString::fromLatin1(c[0]), QString::fromLatin1(c[1]));
      ADD_FAILURE() << c[0] << " " << c[1];
    } catch (const EVnError &e) {
      EXPECT_TRUE(e.Message().contains(QStringLiteral("not an integer"))) << e.what();
    }
  }
}

TEST(VnFileVersion, FileVersionTextPicksTheReaderByFile) {
  QTemporaryDir dir;
  const QString exe = dir.filePath(QStringLiteral("tool.exe"));
  const QString plugin = dir.filePath(QStringLiteral("xScanner.so"));
  ASSERT_TRUE(VnTestWriteBytes(exe, VnTestPeImage(false, {3, 1, 4, 1}).Bytes));
  ASSERT_TRUE(VnTestWriteBytes(plugin, VnTestPeImage(false, {9, 9, 9, 9}).Bytes));

  EXPECT_EQ(FileVersionText(QString()), VnProgramVersion());
  EXPECT_EQ(FileVersionText(exe), QStringLiteral("3.1.4.1"));
  EXPECT_EQ(FileVersionText(dir.filePath(QStringLiteral("missing.exe"))), QString());
  // A plug-in is never read as an executable, whatever its bytes.
  EXPECT_EQ(FileVersionText(plugin), QString());

  QStringList asked;
  VnSetPluginVersionReader([&asked](const QString &name) {
    asked.append(name);
    return QStringLiteral("5.6.7.8");
  });
  EXPECT_EQ(FileVersionText(plugin), QStringLiteral("5.6.7.8"));
  EXPECT_EQ(FileVersionText(exe), QStringLiteral("3.1.4.1"));
  VnSetPluginVersionReader({});
  EXPECT_EQ(FileVersionText(plugin), QString());
  EXPECT_EQ(asked, QStringList{plugin});
}

} // namespace
