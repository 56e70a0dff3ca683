#include "VnUiFixture.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnMainForm.h"
#include "ui/VnStartupForm.h"

#include "core/VnVersion.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

class VnMainFormWindow : public VnUiTest {};

TEST_F(VnMainFormWindow, ARelativePathOnTheCommandLineOpensUnderItsAbsolutePath) {
  const QString path = WriteProject(QStringLiteral("cmd.v7p"));
  const QString saved = QDir::currentPath();
  QDir::setCurrent(FDir.path());
  TVnDataModule &data = Start();
  TMainForm window(data, {QStringLiteral("cmd.v7p")});
  window.show();
  QDir::setCurrent(saved);
  EXPECT_EQ(data.Project().FileName(), path);
  EXPECT_EQ(data.RecentFiles().first(), path);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("cmd.v7p - ") + VnProgramName());
  EXPECT_EQ(window.StartupForm(), nullptr);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgRows);
  QMenu *reopen = data.Commands().Submenu(QStringLiteral("mReopen"));
  ASSERT_EQ(reopen->actions().size(), 1);
  EXPECT_EQ(reopen->actions()[0]->text(), path);
}

TEST_F(VnMainFormWindow, AMissingFileOnTheCommandLineShowsNeitherProjectNorStartupDialog) {
  TVnDataModule &data = Start();
  TMainForm window(data, {Path(QStringLiteral("nowhere.v7p"))});
  window.show();
  EXPECT_FALSE(data.Project().Opened());
  EXPECT_EQ(window.StartupForm(), nullptr);
  EXPECT_EQ(window.windowTitle(), VnProgramName());
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnMainFormWindow, WithoutParametersTheStartupDialogShowsUntilAProjectOpens) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_NE(window.StartupForm(), nullptr);
  EXPECT_TRUE(window.StartupForm()->isVisible());
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  EXPECT_FALSE(window.StartupForm()->isVisible());
  data.FileClose();
  EXPECT_TRUE(window.StartupForm()->isVisible());
}

TEST_F(VnMainFormWindow, PagesTellWhyThereAreNoRows) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("t.v7p")),
                               "<xml><targets><target enabled=\"False\"><options/></target><target><options/></target>"
                               "</targets></xml>"));
  ASSERT_TRUE(data.OpenProject(Path(QStringLiteral("t.v7p"))));
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgDisabledTarget);
  data.Project().Targets().SetItemIndex(1);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgEmptyTarget);
  data.Project().Targets().Delete(1);
  data.Project().Targets().Delete(0);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgNoTargets);
}

TEST_F(VnMainFormWindow, ClosingTheWindowRunsCloseAndHonoursCancel) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  data.Project().SetRowValue(0, rfRowComment, QStringLiteral("edited"));
  FMessages.Answer(TVnMsgButton::Cancel);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  FMessages.Answer(TVnMsgButton::No);
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(data.Project().Opened());
}

} // namespace

#include "ui/VnRowsPreviewModel.h"

#include "core/VnFolders.h"

#include <QAbstractItemModelTester>

namespace {

TEST_F(VnMainFormWindow, TheRowsModelPassesTheModelChecks) {
  TVnDataModule &data = Start();
  TVnRowsPreviewModel model(data.Project());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  ASSERT_TRUE(data.OpenProject(SharedApplicationFolder() + QStringLiteral("demo/Sample Editor.v7p")));
  model.Reload();
  EXPECT_EQ(model.rowCount(), 22);
  EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("&New\u2192Ctrl+N"));
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Translation (German)"));
  data.Project().Targets().SetItemIndex(-1);
  model.Reload();
  EXPECT_EQ(model.rowCount(), 30);
}

} // namespace

#include "ui/VnWidgetText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

TEST(VnWidgetText, TheTextAWidgetShows) {
  QLineEdit line(QStringLiteral("typed"));
  QTextEdit area;
  area.setPlainText(QStringLiteral("first\nsecond"));
  QPushButton button(QStringLiteral("&OK"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("Title"));
  EXPECT_EQ(WindowText(&line), QStringLiteral("typed"));
  EXPECT_EQ(WindowText(&area), QStringLiteral("first\nsecond"));
  EXPECT_EQ(WindowText(&button), QStringLiteral("&OK"));
  EXPECT_EQ(WindowText(&window), QStringLiteral("Title"));
  EXPECT_EQ(WindowText(nullptr), QString());
}

} // namespace
