// The plug-in managers over folders of files and over the test plug-ins,
// through the real class registry and loader.

#include "plugins/VnImporterManager.h"
#include "plugins/VnPluginManager.h"
#include "plugins/VnScannerManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "core/VnError.h"
#include "core/VnScriptedMessageBoxes.h"

#include "VnTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString TestPluginsFolder() {
  return QFileInfo(QStringLiteral(VN_TEST_SCANNER_PLUGIN)).absolutePath();
}

std::vector<std::unique_ptr<TVnPluginManager>> AllManagers() {
  std::vector<std::unique_ptr<TVnPluginManager>> managers;
  managers.push_back(std::make_unique<TVnScannerManager>());
  managers.push_back(std::make_unique<TVnImporterManager>());
  managers.push_back(std::make_unique<TVnTMManager>());
  managers.push_back(std::make_unique<TVnExporterManager>());
  managers.push_back(std::make_unique<TVnEditorManager>());
  return managers;
}

TEST(VnPluginManager, MissingFolderYieldsEmptyListsAndZeroCounts) {
  QTemporaryDir temp;
  const QString missing = temp.path() + QStringLiteral("/nowhere");
  qputenv("VANTRIA_PLUGINS", missing.toUtf8()); // the fallback is missing too
  const char *const expected[] = {"0 scanner(s) found in folder ", "0 importer(s) found in folder ",
                                  "0 TM(s) found in folder ", "0 exporter(s) found in folder ",
                                  "0 plug-in(s) found in folder "};
  auto managers = AllManagers();
  for (std::size_t i = 0; i < managers.size(); ++i) {
    int raised = 0;
    managers[i]->OnAfterScanFolder = [&](TVnPluginManager &) { ++raised; };
    managers[i]->SetFolder(missing);
    EXPECT_EQ(managers[i]->Count(), 0);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(managers[i]->FoundText(), QLatin1String(expected[i]) + missing + QLatin1Char('/'));
  }
  qunsetenv("VANTRIA_PLUGINS");
}

TEST(VnPluginManager, ListsTheFilesOfItsCategoryWithTheirProgIdsAndBaseNames) {
  QTemporaryDir temp;
  const QDir dir(temp.path());
  for (const char *name : {"xScanner.so", "Scanner.so", "a.bScanner.so", "xscanner.so", "xScanner.so.txt", "yImporter.so",
                           "zTM.so", "qEditor.so", "rExporter.so", ".hiddenScanner.so"})
    ASSERT_TRUE(VnTestWriteBytes(dir.filePath(QLatin1String(name)), "x"));
  ASSERT_TRUE(dir.mkdir(QStringLiteral("folderScanner.so")));

  TVnScannerManager scanners;
  scanners.SetFolder(temp.path());
  EXPECT_EQ(scanners.Folder(), temp.path());
  QStringList found;
  for (int i = 0; i < scanners.Count(); ++i)
    found << scanners.FileName(i) + QLatin1Char('|') + scanners.ProgId(i) + QLatin1Char('|') + scanners.BaseName(i);
  found.sort();
  EXPECT_EQ(found, QStringList({".hiddenScanner.so|.hiddenScanner.Scanner|.hidden", "Scanner.so|Scanner.Scanner|",
                                "a.bScanner.so|a.bScanner.Scanner|a.b", "xScanner.so|xScanner.Scanner|x"}));
  EXPECT_EQ(scanners.FoundText(), QStringLiteral("4 scanner(s) found in folder %1").arg(temp.path()));

  TVnEditorManager editors;
  editors.SetFolder(temp.path());
  ASSERT_EQ(editors.Count(), 1);
  EXPECT_EQ(editors.ProgId(0), QStringLiteral("qEditor.Vn7Editor"));
  TVnTMManager memories;
  memories.SetFolder(temp.path());
  ASSERT_EQ(memories.Count(), 1);
  EXPECT_EQ(memories.ProgId(0), QStringLiteral("zTM.TM"));
  EXPECT_EQ(memories.BaseName(0), QStringLiteral("z"));
  // Unregistered files have no class, so no class can be found among them.
  EXPECT_EQ(memories.GetClassID(0), QString());
  EXPECT_EQ(memories.IndexOfClassID(QStringLiteral("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B83}")), -1);
}

TEST(VnPluginManager, FindsRegisteredClassesAndTellsWhetherTheirLibraryExists) {
  TVnTMManager memories;
  memories.SetFolder(TestPluginsFolder());
  ASSERT_EQ(memories.Count(), 1);
  VnUnregisterServer(memories.FilePath(0));
  EXPECT_TRUE(memories.GetClassID(0).isEmpty());
  RegisterServer(memories.FilePath(0));
  const QString classId = memories.GetClassID(0);
  EXPECT_EQ(classId, QStringLiteral("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B83}"));
  EXPECT_EQ(memories.IndexOfClassID(classId), 0);
  EXPECT_EQ(memories.IndexOfClassID(classId.toLower()), -1); // exact text
  EXPECT_TRUE(IsClassRegistered(classId));
  EXPECT_FALSE(IsClassRegistered(QStringLiteral("{00000000-0000-0000-0000-000000000001}")));
  EXPECT_FALSE(IsClassRegistered(QStringLiteral("not a class")));

  // A class whose library has gone is not registered in any useful sense.
  QTemporaryDir temp;
  const QString copy = temp.filePath(QStringLiteral("GoneTM.so"));
  ASSERT_TRUE(QFile::copy(memories.FilePath(0), copy));
  RegisterServer(copy);
  ASSERT_TRUE(QFile::remove(copy));
  EXPECT_FALSE(IsClassRegistered(classId));
}

TEST(VnPluginManager, RegisterServerNamesTheFileWhenItFails) {
  const QString broken = TestPluginsFolder() + QStringLiteral("/TestBrokenScanner.so");
  try {
    RegisterServer(broken);
    FAIL() << "a library without exports registered";
  } catch (const EVnError &e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Failed to register OCX. File name: \"%1\"").arg(broken)))
        << e.Message().toStdString();
  }
}

TEST(VnScannerManager, ReadsInfoRegisteringOnFirstUseAndReportsScannersThatFail) {
  TVnScriptedMessageBoxes boxes;
  TVnScannerManager scanners;
  scanners.SetFolder(TestPluginsFolder());
  int good = -1, broken = -1, notScanner = -1;
  for (int i = 0; i < scanners.Count(); ++i) {
    const QString name = scanners.FileName(i);
    (name == QLatin1String("TestScanner.so")          ? good
     : name == QLatin1String("TestBrokenScanner.so") ? broken
                                                       : notScanner) = i;
  }
  ASSERT_GE(good, 0);
  ASSERT_GE(broken, 0);
  ASSERT_GE(notScanner, 0);

  VnUnregisterServer(scanners.FilePath(good));
  ASSERT_TRUE(scanners.GetClassID(good).isEmpty());
  QStringList lines{QStringLiteral("stale")};
  scanners.ShowDetails(lines, good);
  EXPECT_EQ(lines, QStringList({QStringLiteral("Name: Test Scanner"), QStringLiteral("Supported Extensions: *.vntest"),
                                QStringLiteral("Description: Scans files for the tests.")}));
  EXPECT_FALSE(scanners.GetClassID(good).isEmpty());
  EXPECT_TRUE(boxes.Shown().isEmpty());

  for (int failing : {broken, notScanner}) {
    const TVnScannerInfo info = scanners.GetScannerInfo(failing);
    EXPECT_TRUE(info.Name.isEmpty() && info.SupportedExtensions.isEmpty() && info.ShortDescription.isEmpty());
    ASSERT_FALSE(boxes.Shown().isEmpty());
    EXPECT_EQ(boxes.Shown().last().Type, TVnMsgType::Error);
    EXPECT_EQ(boxes.Shown().last().Text,
              scanners.BaseName(failing) +
                  QStringLiteral(" - Requested plug-in could not be initialized.\r\nTo correct this issue, please "
                                 "re-install Vantria."));
    EXPECT_THROW(scanners.ReadScannerInfo(failing), EVnError); // the reason, for callers that explain it
  }
}

TEST(VnScannerManager, AnswerThatIsNotXmlRaisesInvalidDataWithBothRenderings) {
  TVnScannerManager scanners;
  scanners.SetFolder(TestPluginsFolder());
  int good = -1;
  for (int i = 0; i < scanners.Count(); ++i)
    if (scanners.FileName(i) == QLatin1String("TestScanner.so"))
      good = i;
  ASSERT_GE(good, 0);
  qputenv("VN_TEST_SCANNER_INFO", "<info><name>broken");
  try {
    scanners.GetScannerInfo(good);
    ADD_FAILURE() << "invalid data accepted";
  } catch (const EVnError &e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Scanner TestScanner.so returned invalid data:\n\"<info><name>broken\"\n\"")))
        << e.Message().toStdString();
  }
  qunsetenv("VN_TEST_SCANNER_INFO");
}

} // namespace
