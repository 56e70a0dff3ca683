#include "VnUiFixture.h"

#include "ui/VnCommandCatalogue.h"

#include "core/VnXml.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

using B = TVnMsgButton;

class VnDataModuleCommands : public VnUiTest {};

TEST_F(VnDataModuleCommands, OpenPutsTheProjectOnTopOfTheReopenList) {
  TVnDataModule &data = Start();
  const QString a = WriteProject(QStringLiteral("a.v7p")), b = WriteProject(QStringLiteral("b.v7p"));
  FDialogs.Answer({a});
  data.FileOpen();
  FDialogs.Answer({b});
  data.FileOpen();
  EXPECT_EQ(data.Project().FileName(), b);
  EXPECT_EQ(data.RecentFiles(), QStringList({b, a}));
  ASSERT_EQ(FDialogs.Asked().size(), 2);
  EXPECT_EQ(FDialogs.Asked()[0].Title, QStringLiteral("Open project file"));
  EXPECT_TRUE(FDialogs.Asked()[0].Filter.startsWith(QStringLiteral("Vantria 7 projects (*.v7p)|*.v7p|")));

  data.FileReopen(a);
  EXPECT_EQ(data.RecentFiles(), QStringList({a, b}));
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnDataModuleCommands, TheReopenListKeepsItsOrderAcrossRestarts) {
  const QStringList paths{WriteProject(QStringLiteral("c.v7p")), WriteProject(QStringLiteral("b.v7p")),
                          WriteProject(QStringLiteral("a.v7p"))};
  TVnDataModule &first = Start();
  for (auto it = paths.rbegin(); it != paths.rend(); ++it)
    first.OpenProject(*it);
  ASSERT_EQ(first.RecentFiles(), paths);
  Stop();
  EXPECT_EQ(Start().RecentFiles(), paths);
  Stop();
  EXPECT_EQ(Start().RecentFiles(), paths);
}

TEST_F(VnDataModuleCommands, FailuresToOpenAreReported) {
  TVnDataModule &data = Start();
  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("bad.v7p")), "<xml><targets>"));
  FDialogs.Answer({Path(QStringLiteral("bad.v7p"))});
  data.FileOpen();
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_EQ(FMessages.Shown()[0].HelpContext, hcCannotOpenProject);
  EXPECT_EQ(FMessages.Shown()[0].Buttons, B::OK | B::Help);
  EXPECT_FALSE(data.Project().Opened());
  EXPECT_TRUE(data.RecentFiles().isEmpty());

  FDialogs.Answer({Path(QStringLiteral("old.vpr"))});
  data.FileOpen();
  EXPECT_EQ(FMessages.Shown().last().HelpContext, hcOldProjectVersion);
  EXPECT_TRUE(FMessages.Shown().last().Text.startsWith(QStringLiteral("This project is created with an old version")));

  const QString gone = Path(QStringLiteral("gone.v7p"));
  data.SetRecentFiles({gone});
  data.FileReopen(gone);
  EXPECT_EQ(FMessages.Shown().last().Text, QStringLiteral("Project file %1 no more exists").arg(gone));
  EXPECT_EQ(FMessages.Shown().last().HelpContext, hcProjectMissing);
  EXPECT_TRUE(data.RecentFiles().isEmpty());
}

TEST_F(VnDataModuleCommands, SaveKeepsABackupOfThePreviousFile) {
  TVnDataModule &data = Start();
  const QString path = WriteProject(QStringLiteral("p.v7p"));
  const QByteArray original = VnTestReadBytes(path);
  ASSERT_TRUE(data.OpenProject(path));
  EXPECT_FALSE(data.Commands().Action(QStringLiteral("aFileSave"))->isEnabled());
  data.Project().SetRowValue(0, rfTranslation, QStringLiteral("Hallo"));
  EXPECT_TRUE(data.Commands().Action(QStringLiteral("aFileSave"))->isEnabled());

  EXPECT_TRUE(data.FileSave());
  EXPECT_EQ(VnTestReadBytes(Path(QStringLiteral("p.~v7p"))), original);
  EXPECT_TRUE(VnTestReadBytes(path).contains("&quot;Hallo&quot;"));
  EXPECT_FALSE(data.Commands().Action(QStringLiteral("aFileSave"))->isEnabled());
  EXPECT_TRUE(FDialogs.Asked().isEmpty());
}

TEST_F(VnDataModuleCommands, SaveAsForcesTheExtensionAndRoutesTmxElsewhere) {
  TVnDataModule &data = Start();
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  FDialogs.Answer({Path(QStringLiteral("copy.txt"))});
  EXPECT_TRUE(data.FileSaveAs());
  EXPECT_EQ(data.Project().FileName(), Path(QStringLiteral("copy.v7p")));
  EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("copy.v7p"))));
  EXPECT_EQ(data.RecentFiles().first(), Path(QStringLiteral("copy.v7p")));
  EXPECT_EQ(FDialogs.Asked().last().FileName, Path(QStringLiteral("p")));
  EXPECT_TRUE(FDialogs.Asked().last().ConfirmOverwrite);

  QString tmxPath;
  data.SaveAsTmx = [&](const QString &path) { tmxPath = path; };
  FDialogs.Answer({Path(QStringLiteral("memory"))}, 2);
  data.FileSaveAs();
  EXPECT_EQ(tmxPath, Path(QStringLiteral("memory.tmx")));
  EXPECT_EQ(data.Project().FileName(), Path(QStringLiteral("copy.v7p")));
}

TEST_F(VnDataModuleCommands, SaveAsProposesANameFromTheTarget) {
  TVnDataModule &data = Start();
  QByteArray xml = "<xml><targets><target><options><filename>/work/app/main.rc</filename></options></target></targets></xml>";
  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("t.v7p")), xml));
  ASSERT_TRUE(data.OpenProject(Path(QStringLiteral("t.v7p"))));
  data.Project().Clear();
  data.Project().Targets().Add(QStringLiteral("/work/app/main.rc"));
  data.FileSaveAs(); // cancelled
  EXPECT_EQ(FDialogs.Asked().last().FileName, QStringLiteral("/work/app/main.v7p"));
}

TEST_F(VnDataModuleCommands, CloseAsksAndFollowsEachAnswer) {
  const struct {
    B answer;
    bool closed;
    bool saved;
  } cases[] = {{B::Yes, true, true}, {B::No, true, false}, {B::Cancel, false, false}};
  for (const auto &c : cases) {
    TVnDataModule &data = Start();
    const QString path = WriteProject(QStringLiteral("p.v7p"));
    ASSERT_TRUE(data.OpenProject(path));
    data.Project().SetRowValue(0, rfRowComment, QStringLiteral("edited"));
    FMessages.Answer(c.answer);
    EXPECT_EQ(data.FileClose(), c.closed) << VnButtonCaption(c.answer).toStdString();
    EXPECT_EQ(data.LastCloseSucceeded(), c.closed);
    EXPECT_EQ(data.Project().Opened(), !c.closed);
    EXPECT_EQ(VnTestReadBytes(path).contains("edited"), c.saved);
    EXPECT_EQ(FMessages.Shown().last().Text, QStringLiteral("Save changes to project p.v7p?"));
    EXPECT_EQ(FMessages.Shown().last().Type, TVnMsgType::Confirmation);
    if (!c.closed) {
      // A cancelled close makes Open do nothing.
      const qsizetype asked = FDialogs.Asked().size();
      FMessages.Answer(B::Cancel);
      data.FileOpen();
      EXPECT_EQ(FDialogs.Asked().size(), asked);
      EXPECT_TRUE(data.Project().Modified());
    }
    Stop();
  }
}

TEST_F(VnDataModuleCommands, AFailedSaveOnCloseStopsTheCloseAndLosesNothing) {
  TVnDataModule &data = Start();
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  data.Project().Clear();
  data.Project().Targets().Add(QStringLiteral("new.rc")); // an untitled project
  FMessages.Answer(B::Yes);
  FDialogs.Cancel(); // the Save As dialog of the Yes answer
  EXPECT_FALSE(data.FileClose());
  EXPECT_TRUE(data.Project().Opened());
  EXPECT_EQ(data.Project().Targets().Count(), 1);

  QDir().mkpath(Path(QStringLiteral("taken.v7p"))); // cannot be written
  FMessages.Answer(B::Yes);
  FDialogs.Answer({Path(QStringLiteral("taken.v7p"))});
  EXPECT_FALSE(data.FileClose());
  EXPECT_TRUE(data.Project().Modified());
  EXPECT_EQ(data.Project().Targets().Count(), 1);
}

} // namespace
