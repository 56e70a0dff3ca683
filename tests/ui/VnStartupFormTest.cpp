#include "VnUiFixture.h"

#include "ui/VnStartupEntries.h"
#include "ui/VnStartupForm.h"

#include "core/VnFolders.h"

#include <QDir>
#include <QCheckBox>
#include <QTreeWidget>

namespace {

TEST(VnStartupEntries, SizesInKilobytesWithGroupedDigits) {
  const struct {
    qint64 bytes;
    const char *text;
  } cases[] = {{0, "0 KB"}, {1023, "0 KB"}, {10 * 1024, "10 KB"}, {1234 * 1024, "1 234 KB"}, {1234567LL * 1024, "1 234 567 KB"}};
  for (const auto &c : cases)
    EXPECT_EQ(VnStartupSizeText(c.bytes), QLatin1String(c.text)) << c.bytes;
}

class VnStartupDialog : public VnUiTest {};

TEST_F(VnStartupDialog, ListsRecentProjectsAndMarksMissingOnes) {
  TVnDataModule &data = Start();
  const QString here = WriteProject(QStringLiteral("here.v7p")), gone = Path(QStringLiteral("gone.v7p"));
  data.SetRecentFiles({here, gone});
  TVnStartupForm form(data);
  form.SetTab(TVnStartupForm::tabRecent);
  ASSERT_EQ(form.List()->topLevelItemCount(), 2);
  EXPECT_EQ(form.List()->topLevelItem(0)->text(0), here);
  EXPECT_EQ(form.List()->topLevelItem(0)->text(2), QStringLiteral("0 KB"));
  EXPECT_EQ(form.List()->topLevelItem(1)->text(1), QStringLiteral("(file not found)"));

  form.RemoveDeletedEntries();
  EXPECT_EQ(data.RecentFiles(), QStringList{here});
  EXPECT_TRUE(form.OpenEntry(0));
  EXPECT_EQ(data.Project().FileName(), here);
}

TEST_F(VnStartupDialog, ListsTheDemoProjectsWithTheirDescriptions) {
  TVnDataModule &data = Start(); // copies the demos on first start
  TVnStartupForm form(data);
  form.SetTab(TVnStartupForm::tabDemo);
  ASSERT_GE(form.List()->topLevelItemCount(), 1);
  EXPECT_EQ(form.List()->topLevelItem(0)->text(0), QStringLiteral("Sample Editor.v7p"));
  EXPECT_TRUE(form.List()->topLevelItem(0)->text(1).startsWith(QStringLiteral("A small text editor")));
  EXPECT_TRUE(form.OpenEntry(0));
  EXPECT_EQ(data.Project().FileName(), DemoProjectsFolder() + QStringLiteral("Sample Editor.v7p"));
}

TEST_F(VnStartupDialog, ADamagedProjectOffersItsBackup) {
  TVnDataModule &data = Start();
  const QString path = Path(QStringLiteral("p.v7p"));
  ASSERT_TRUE(VnTestWriteBytes(path, "<xml><targets"));
  WriteProject(QStringLiteral("p.~v7p"), "From the backup");
  data.SetRecentFiles({path});
  TVnStartupForm form(data);
  form.SetTab(TVnStartupForm::tabRecent);
  FMessages.Answer(TVnMsgButton::OK);  // the file cannot be opened
  FMessages.Answer(TVnMsgButton::Yes); // open the backup
  EXPECT_TRUE(form.OpenEntry(0));
  EXPECT_EQ(data.Project().GetRowValue(0, rfNative), QStringLiteral("From the backup"));
  ASSERT_EQ(FMessages.Shown().size(), 2);
  EXPECT_TRUE(FMessages.Shown()[1].Text.startsWith(QStringLiteral("Project file is corrupted. Project backup found in ")));
  EXPECT_FALSE(data.RecentFiles().contains(path));
}

TEST_F(VnStartupDialog, TheCheckBoxIsTheInvertedStartupOption) {
  TVnDataModule &data = Start();
  TVnStartupForm form(data);
  auto *box = form.findChild<QCheckBox *>();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isChecked());
  box->setChecked(true);
  EXPECT_FALSE(data.Config().Dialogs().GetShowStartup());
}

} // namespace
