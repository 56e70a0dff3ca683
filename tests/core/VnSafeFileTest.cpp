#include "core/VnSafeFile.h"

#include "core/VnError.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

ino_t Inode(const QString &fileName) {
  struct stat info {};
  return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 ? info.st_ino : 0;
}

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

TEST(VnSafeFile, AFullDiskNeverReplacesTheOldFile) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("p.v7p"));
  VnWriteFile(name, "old content");
  {
    TVnFileSizeLimit full(64);
    EXPECT_THROW(VnWriteFile(name, QByteArray(5000, 'x')), EVnError);
  }
  EXPECT_EQ(VnReadFile(name), QByteArray("old content"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.v7p")}); // no temporary left
}

TEST(VnSafeFile, BackupOverwritesAnOlderBackupAndSkipsItself) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("p.v7p"));
  const QString backup = dir.filePath(QStringLiteral("p.~v7p"));
  ASSERT_TRUE(VnTestWriteBytes(file, "new"));
  ASSERT_TRUE(VnTestWriteBytes(backup, "old backup"));
  VnBackupFile(file, backup);
  EXPECT_EQ(VnTestReadBytes(backup), QByteArray("new"));

  // The same file under other names: left untouched (a rewrite would give it a new inode).
  const QString link = dir.filePath(QStringLiteral("link.v7p"));
  ASSERT_TRUE(QFile::link(file, link));
  const auto inode = Inode(file);
  for (const QString &same : {dir.path() + QStringLiteral("/./p.v7p"), link}) {
    EXPECT_TRUE(VnSameFile(file, same)) << same.toStdString();
    VnBackupFile(file, same);
  }
  EXPECT_EQ(Inode(file), inode);
  EXPECT_TRUE(VnSameFile(file, dir.path() + QStringLiteral("/sub/../p.v7p")));
  EXPECT_FALSE(VnSameFile(file, backup));
}

} // namespace
