#include "project/VnV7Project.h"

#include "core/VnScriptedMessageBoxes.h"
#include "core/VnVersion.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include "VnProjectFixture.h"
#include "VnTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

namespace {

class VnV7ProjectFiles : public ::testing::Test {
protected:
  QString Path(const QString &name) const { return FDir.filePath(name); }

  QString WriteSample(const QString &name) {
    const QString path = Path(name);
    EXPECT_TRUE(VnTestWriteBytes(path, kVnSampleProject));
    return path;
  }

  // A ZIP archive with the given entries, as an exchange package would be.
  QString WritePackage(const QString &name, const std::vector<std::pair<const char *, QByteArray>> &entries) {
    const QString path = Path(name);
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(zip, nullptr);
    for (const auto &[entry, bytes] : entries) {
      zip_source_t *source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
      EXPECT_GE(zip_file_add(zip, entry, source, ZIP_FL_OVERWRITE), 0);
    }
    EXPECT_EQ(zip_close(zip), 0);
    return path;
  }

  QTemporaryDir FDir;
  TVnScriptedMessageBoxes FMessages;
};

TEST_F(VnV7ProjectFiles, SaveWritesVersionAndActiveAndKeepsABackup) {
  TVnV7Project project;
  ASSERT_TRUE(project.Open(WriteSample(QStringLiteral("p.v7p"))));
  project.Languages().SetItemIndex(2);
  project.Save();
  const QByteArray first = VnTestReadBytes(project.FileName());
  project.SetRowValue(0, rfTranslation, QStringLiteral("Auf"));
  project.Save();

  EXPECT_FALSE(project.Modified());
  EXPECT_EQ(VnTestReadBytes(Path(QStringLiteral("p.~v7p"))), first);
  pugi::xml_document saved;
  VnXmlLoadFile(saved, project.FileName());
  EXPECT_EQ(VnXmlAttr(saved.child("xml"), "version"), VnProgramVersion() + QStringLiteral(" lite"));
  EXPECT_STREQ(saved.child("xml").child("languages").attribute("active").value(), "2");

  TVnV7Project reopened;
  ASSERT_TRUE(reopened.Open(project.FileName()));
  EXPECT_EQ(reopened.Languages().ItemIndex(), 2);
  EXPECT_EQ(reopened.GetRowValue(0, rfTranslation), QStringLiteral("Auf")); // written for "it"
  EXPECT_EQ(reopened.GetRowValue(0, rfLanguage), QStringLiteral("Öffnen"));
}

TEST_F(VnV7ProjectFiles, OpeningAndSavingReportProgress) {
  TVnProgress progress;
  QStringList heard;
  progress.OnProgress = [&](TVnProgress &p) { heard.append(QStringLiteral("%1 %2").arg(p.Text()).arg(p.Percent())); };
  TVnV7Project project(&progress);
  ASSERT_TRUE(project.Open(WriteSample(QStringLiteral("p.v7p"))));
  EXPECT_EQ(heard, QStringList({QStringLiteral("Loading from file... 0"), QStringLiteral("Loading from file... 100"),
                                QStringLiteral("Ready 100")}));
  heard.clear();
  project.Save();
  EXPECT_EQ(heard, QStringList({QStringLiteral("Saving to file... 0"), QStringLiteral("Ready 100")}));
}

TEST_F(VnV7ProjectFiles, OtherRootNamesAndProjectsWithoutLanguagesSurviveSaving) {
  TVnV7Project project;
  VnLoadProjectText(project, "<project version=\"2.0\" owner=\"me\"><targets/></project>");
  project.SaveAs(Path(QStringLiteral("sub/folder/new.v7p")));
  pugi::xml_document saved;
  VnXmlLoadFile(saved, project.FileName());
  pugi::xml_node root = saved.document_element();
  EXPECT_STREQ(root.name(), "project");
  EXPECT_STREQ(root.attribute("owner").value(), "me");
  EXPECT_STREQ(root.child("languages").attribute("active").value(), "-1");
  EXPECT_TRUE(VnTestReadBytes(project.FileName()).startsWith("\xEF\xBB\xBF<?xml version=\"1.0\""));

  project.Clear();
  EXPECT_STREQ(project.Root().name(), "project");
  EXPECT_FALSE(project.Root().first_child());
  EXPECT_TRUE(project.FileName().isEmpty());
}

TEST_F(VnV7ProjectFiles, FailedOpenLeavesTheProjectAsItWas) {
  TVnV7Project project;
  const QString good = WriteSample(QStringLiteral("good.v7p"));
  ASSERT_TRUE(project.Open(good));
  const QByteArray before = VnXmlSerialize(project.Document());

  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("bad.v7p")), "<xml><targets>"));
  for (const QString &name : {Path(QStringLiteral("bad.v7p")), Path(QStringLiteral("missing.v7p"))}) {
    try {
      project.Open(name);
      ADD_FAILURE() << "opened " << name.toStdString();
    } catch (const EVnError &e) {
      EXPECT_TRUE(e.Message().contains(name)) << e.what();
    }
    EXPECT_EQ(project.FileName(), good);
    EXPECT_TRUE(project.Opened());
    EXPECT_EQ(VnXmlSerialize(project.Document()), before);
  }
}

TEST_F(VnV7ProjectFiles, CancellingTheSaveQuestionStopsOpening) {
  TVnV7Project project;
  const QString first = WriteSample(QStringLiteral("first.v7p"));
  const QString second = WriteSample(QStringLiteral("second.v7p"));
  ASSERT_TRUE(project.Open(first));
  project.SetRowValue(0, rfRowComment, QStringLiteral("edited"));
  project.OnChangedClose = [](TVnCustomProject &) { return TVnCloseAnswer::Cancel; };
  EXPECT_FALSE(project.Open(second));
  EXPECT_EQ(project.FileName(), first);
  EXPECT_TRUE(project.Modified());
  EXPECT_TRUE(project.Opened());
  EXPECT_EQ(project.GetRowValue(0, rfRowComment), QStringLiteral("edited"));

  project.OnChangedClose = [](TVnCustomProject &) { return TVnCloseAnswer::Close; };
  EXPECT_TRUE(project.Open(second));
  EXPECT_EQ(project.FileName(), second);
}

TEST_F(VnV7ProjectFiles, SaveFailureIsReportedAndTheProjectStaysModified) {
  TVnV7Project project;
  ASSERT_TRUE(project.Open(WriteSample(QStringLiteral("p.v7p"))));
  project.SetRowValue(0, rfRowComment, QStringLiteral("edited"));
  QDir().mkpath(Path(QStringLiteral("taken.v7p"))); // a folder where the file should go
  project.SaveAs(Path(QStringLiteral("taken.v7p")));
  EXPECT_TRUE(project.Modified());
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_TRUE(FMessages.Shown()[0].Text.startsWith(QStringLiteral("File %1 could not be saved.").arg(project.FileName())));

  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("file")), "x"));
  project.SetRowValue(0, rfRowComment, QStringLiteral("again"));
  EXPECT_THROW(project.SaveAs(Path(QStringLiteral("file/under/a/file.v7p"))), EVnError);
}

TEST_F(VnV7ProjectFiles, ExchangePackagesAreExtractedBesideTheArchive) {
  const QString package = WritePackage(QStringLiteral("job.v7x"), {{"job.v7p", kVnSampleProject}, {"notes/readme.txt", "hi"}});
  TVnV7Project project;
  ASSERT_TRUE(project.Open(package));
  EXPECT_EQ(project.FileName(), Path(QStringLiteral("job.v7p")));
  EXPECT_EQ(project.Targets().Count(), 3);
  EXPECT_EQ(VnTestReadBytes(Path(QStringLiteral("notes/readme.txt"))), QByteArray("hi"));

  const QString hostile = WritePackage(QStringLiteral("evil.v7x"),
                                       {{"first.v7p", kVnSampleProject}, {"../escaped.v7p", kVnSampleProject}});
  EXPECT_THROW(project.Open(hostile), EVnError);
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(FDir.path()).dir().filePath(QStringLiteral("escaped.v7p"))));
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("first.v7p")))) << "nothing is written from a refused package";
  EXPECT_EQ(project.FileName(), Path(QStringLiteral("job.v7p")));
}

TEST_F(VnV7ProjectFiles, ExtractingOverExistingFilesNeedsTheUsersConsent) {
  const QString package = WritePackage(QStringLiteral("job.v7x"), {{"job.v7p", kVnSampleProject}});
  const QByteArray mine = "<xml><targets/></xml>";
  const struct {
    TVnMsgButton answer;
    bool opened;
    bool replaced;
  } cases[] = {{TVnMsgButton::Cancel, false, false}, {TVnMsgButton::No, true, false}, {TVnMsgButton::Yes, true, true}};
  for (const auto &c : cases) {
    ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("job.v7p")), mine));
    TVnV7Project project;
    FMessages.Answer(c.answer);
    EXPECT_EQ(project.Open(package), c.opened) << VnButtonCaption(c.answer).toStdString();
    EXPECT_EQ(VnTestReadBytes(Path(QStringLiteral("job.v7p"))) != mine, c.replaced);
    EXPECT_TRUE(FMessages.Shown().last().Text.contains(Path(QStringLiteral("job.v7p"))));
  }
  const QString empty = WritePackage(QStringLiteral("empty.v7x"), {});
  TVnV7Project project;
  EXPECT_THROW(project.Open(empty), EVnError);
}

TEST_F(VnV7ProjectFiles, AFullDiskKeepsTheOldFileAndTheModifiedFlag) {
  TVnV7Project project;
  const QString path = WriteSample(QStringLiteral("p.v7p"));
  ASSERT_TRUE(project.Open(path));
  project.SetRowValue(0, rfTranslation, QStringLiteral("Auf"));
  {
    TVnFileSizeLimit full(1024);
    project.Save();
  }
  EXPECT_TRUE(project.Modified());
  EXPECT_EQ(VnTestReadBytes(path), QByteArray(kVnSampleProject));
  ASSERT_FALSE(FMessages.Shown().isEmpty());
  EXPECT_TRUE(FMessages.Shown().last().Text.startsWith(QStringLiteral("File %1 could not be saved.").arg(path)));

  // Saved as its own backup name: no backup step copies the file onto itself.
  project.SaveAs(Path(QStringLiteral("p.~v7p")));
  EXPECT_FALSE(project.Modified());
  EXPECT_TRUE(VnTestReadBytes(Path(QStringLiteral("p.~v7p"))).contains("&quot;Auf&quot;"));
}

TEST_F(VnV7ProjectFiles, BadInputEndsInAClearErrorOrTheDefaults) {
  const QByteArray sample(kVnSampleProject);
  const struct {
    const char *what;
    QByteArray bytes;
    bool loads;
    int rows; // of the all-targets view, when it loads
  } cases[] = {
      {"empty file", "", false, 0},
      {"truncated", sample.left(sample.size() / 2), false, 0},
      {"not XML", "This is a text file, not a project.", false, 0},
      {"binary garbage", QByteArray("\x00\xFF\xFE<\x01\x02>\x00", 8), false, 0},
      {"row outside stringdata", "<xml><targets><target><options/><row name=\"stray\"/><stringdata><row name=\"r\"/>"
                                 "</stringdata></target></targets></xml>", true, 1},
      {"active not a number", "<xml><languages active=\"two\"><language>de</language></languages></xml>", true, 0},
      {"deep nesting", QByteArray(20000, '<'), false, 0},
  };
  for (const auto &c : cases) {
    const QString path = Path(QStringLiteral("bad.v7p"));
    ASSERT_TRUE(VnTestWriteBytes(path, c.bytes));
    TVnV7Project project;
    try {
      EXPECT_TRUE(project.Open(path)) << c.what;
      EXPECT_TRUE(c.loads) << c.what;
      EXPECT_EQ(project.RowCount(), c.rows) << c.what;
      EXPECT_EQ(project.Languages().ItemIndex(), project.Languages().Count() > 0 ? 0 : -1) << c.what;
    } catch (const EVnError &e) {
      EXPECT_FALSE(c.loads) << c.what << ": " << e.what();
      EXPECT_TRUE(e.Message().contains(path)) << c.what;
      EXPECT_FALSE(project.Opened());
    }
  }
}

TEST_F(VnV7ProjectFiles, DeeplyNestedFilesAreHandledWithoutRecursion) {
  // Deeper than the stack would take with one frame per level.
  constexpr int depth = 200000;
  QByteArray xml = "<xml><targets><target><options/><stringdata><row name=\"r\"><native>&quot;n&quot;</native>"
                   "<lang id=\"de\">&quot;t&quot;</lang>";
  xml.reserve(xml.size() + depth * 7 + 200);
  for (int i = 0; i < depth; ++i)
    xml += "<d>";
  xml += "<lang id=\"de\"/>";
  for (int i = 0; i < depth; ++i)
    xml += "</d>";
  xml += "</row></stringdata></target></targets><languages><language>de</language></languages></xml>";
  const QString path = Path(QStringLiteral("deep.v7p"));
  ASSERT_TRUE(VnTestWriteBytes(path, xml));
  TVnV7Project project;
  ASSERT_TRUE(project.Open(path));
  EXPECT_EQ(project.GetRowValue(0, rfTranslation), QStringLiteral("t"));
  project.Save(); // serialises every level
  EXPECT_FALSE(project.Modified());
  project.Languages().Delete(0); // looks for translations at every level
  EXPECT_TRUE(project.Root().select_nodes("//lang").empty());
}

TEST_F(VnV7ProjectFiles, TargetFileNamesAreMadeAbsoluteAgainstTheProject) {
  TVnV7Project project;
  ASSERT_TRUE(project.Open(WriteSample(QStringLiteral("p.v7p"))));
  EXPECT_EQ(project.GetTargetFileName(0), Path(QStringLiteral("one.rc")));
  EXPECT_EQ(project.GetTargetFileName(2), QStringLiteral("/abs/three.txt"));
  TVnTargetInfo info = project.GetTargetInfo(0);
  info.FileName = QStringLiteral("C:\\work\\one.rc");
  project.SetTargetInfo(0, info);
  EXPECT_EQ(project.GetTargetFileName(0), QStringLiteral("C:\\work\\one.rc"));
}

} // namespace
