#include "core/VnSafeFile.h"

#include "core/VnError.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(VnSafeFile, WriteReplacesAndReadReturnsTheBytes) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("a.txt"));
  VnWriteFile(name, "first, longer content");
  VnWriteFile(name, "second");
  EXPECT_EQ(VnReadFile(name), QByteArray("second"));
}

TEST(VnSafeFile, FailuresNameTheFile) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("missing.txt"));
  const QString folder = dir.filePath(QStringLiteral("folder"));
  QDir().mkpath(folder);
  for (auto [name, action] : {std::pair{missing, 0}, std::pair{folder, 1}}) {
    try {
      if (action == 0)
        VnReadFile(name);
      else
        VnWriteFile(name, "x"); // a folder cannot be replaced by a file
      ADD_FAILURE() << name.toStdString();
    } catch (const EVnError &e) {
      EXPECT_TRUE(e.Message().contains(name)) << e.what();
    }
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(VnSafeFile, BackupOverwritesAnOlderBackupAndSkipsItself) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("p.v7p"));
  const QString backup = dir.filePath(QStringLiteral("p.~v7p"));
  ASSERT_TRUE(VnTestWriteBytes(file, "new"));
  ASSERT_TRUE(VnTestWriteBytes(backup, "old backup"));
  VnBackupFile(file, backup);
  EXPECT_EQ(VnTestReadBytes(backup), QByteArray("new"));

  VnBackupFile(file, dir.path() + QStringLiteral("/./p.v7p"));
  EXPECT_EQ(VnTestReadBytes(file), QByteArray("new"));
  EXPECT_TRUE(VnSameFile(file, dir.path() + QStringLiteral("/sub/../p.v7p")));
}

} // namespace
