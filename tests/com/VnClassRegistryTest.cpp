#include "com/VnClassRegistry.h"

#include "com/VnComText.h"
#include "core/VnError.h"

#include "VnTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr CLSID ClassA = VnGuid("{11111111-2222-3333-4444-555555555555}");
constexpr CLSID ClassB = VnGuid("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}");

TEST(VnClassRegistry, FileFollowsTheEnvironment) {
  // The test main points the registry into its sandbox.
  EXPECT_EQ(VnClassRegistryFile(), qEnvironmentVariable("VANTRIA_CLASS_REGISTRY"));
  const QByteArray saved = qgetenv("VANTRIA_CLASS_REGISTRY");
  qunsetenv("VANTRIA_CLASS_REGISTRY");
  EXPECT_TRUE(VnClassRegistryFile().endsWith(QStringLiteral("/.config/vantria/classes.xml")));
  qputenv("VANTRIA_CLASS_REGISTRY", saved);
}

TEST(VnClassRegistry, AddLookUpRemoveAndPersist) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("sub/classes.xml")); // folder made on save
  {
    TVnClassRegistry registry(file);
    EXPECT_FALSE(registry.ClassOf(QStringLiteral("x.Scanner")));
    registry.Add(QStringLiteral("x.Scanner"), ClassA, QStringLiteral("/p/x & y.so"));
    registry.Add(QStringLiteral("y.Scanner"), ClassB, QStringLiteral("/p/y.so"));
    registry.Save();
  }
  TVnClassRegistry reread(file);
  struct Case {
    const char *progId;
    std::optional<CLSID> clsid;
  };
  const Case cases[] = {{"x.Scanner", ClassA}, {"X.SCANNER", ClassA}, {"y.Scanner", ClassB},
                        {"z.Scanner", std::nullopt}, {"", std::nullopt}};
  for (const Case &c : cases)
    EXPECT_EQ(reread.ClassOf(QString::fromLatin1(c.progId)), c.clsid) << c.progId;
  EXPECT_EQ(reread.LibraryOf(ClassA), QStringLiteral("/p/x & y.so"));
  EXPECT_EQ(reread.LibraryOf(ClassB), QStringLiteral("/p/y.so"));
  EXPECT_TRUE(VnTestReadBytes(file).contains("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}"));

  reread.Remove(QStringLiteral("x.scanner"), ClassA);
  reread.Save();
  TVnClassRegistry after(file);
  EXPECT_FALSE(after.ClassOf(QStringLiteral("x.Scanner")));
  EXPECT_EQ(after.LibraryOf(ClassA), QString());
  EXPECT_EQ(after.ClassOf(QStringLiteral("y.Scanner")), ClassB);
}

TEST(VnClassRegistry, AddReplacesInsteadOfDuplicating) {
  QTemporaryDir dir;
  TVnClassRegistry registry(dir.filePath(QStringLiteral("classes.xml")));
  registry.Add(QStringLiteral("x.Scanner"), ClassA, QStringLiteral("/old.so"));
  registry.Add(QStringLiteral("X.Scanner"), ClassB, QStringLiteral("/new.so"));
  registry.Add(QStringLiteral("x.Scanner"), ClassB, QStringLiteral("/newer.so"));
  EXPECT_EQ(registry.ClassOf(QStringLiteral("x.Scanner")), ClassB);
  EXPECT_EQ(registry.LibraryOf(ClassB), QStringLiteral("/newer.so"));
  registry.Remove(QStringLiteral("x.Scanner"), ClassB);
  EXPECT_FALSE(registry.ClassOf(QStringLiteral("x.Scanner"))) << "one entry per ProgID";
  EXPECT_EQ(registry.LibraryOf(ClassA), QStringLiteral("/old.so"));
}

TEST(VnClassRegistry, RemoveKeepsAProgIdTakenByAnotherClass) {
  QTemporaryDir dir;
  TVnClassRegistry registry(dir.filePath(QStringLiteral("classes.xml")));
  registry.Add(QStringLiteral("x.Scanner"), ClassB, QStringLiteral("/b.so"));
  registry.Remove(QStringLiteral("x.Scanner"), ClassA);
  EXPECT_EQ(registry.ClassOf(QStringLiteral("x.Scanner")), ClassB);
}

TEST(VnClassRegistry, DamagedEntriesAreNotFound) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("classes.xml"));
  ASSERT_TRUE(VnTestWriteBytes(file, "<classes>"
                                     "<progid name=\"bad.Guid\" clsid=\"{1111}\"/>"
                                     "<progid clsid=\"{11111111-2222-3333-4444-555555555555}\"/>"
                                     "<class clsid=\"not a guid\" library=\"/x.so\"/>"
                                     "</classes>"));
  TVnClassRegistry registry(file);
  EXPECT_FALSE(registry.ClassOf(QStringLiteral("bad.Guid")));
  EXPECT_FALSE(registry.ClassOf(QString()));
  EXPECT_EQ(registry.LibraryOf(ClassA), QString());
}

TEST(VnClassRegistry, BrokenFileIsReportedByName) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("classes.xml"));
  ASSERT_TRUE(VnTestWriteBytes(file, "<classes><progid"));
  try {
    TVnClassRegistry registry(file);
    ADD_FAILURE() << "a broken file was accepted";
  } catch (const EVnError &error) {
    EXPECT_TRUE(error.Message().contains(file)) << error.Message().toStdString();
  }
}

} // namespace
