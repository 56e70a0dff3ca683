#include "ui/VnTargetsModel.h"

#include "VnGridProjectFixture.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// The tree below `index` as text: "name(child child)".
QString Shape(const TVnTargetsModel &model, const QModelIndex &index) {
  QString text = model.data(index, Qt::DisplayRole).toString();
  const int rows = model.rowCount(index);
  if (rows == 0)
    return text;
  QStringList children;
  for (int i = 0; i < rows; ++i)
    children << Shape(model, model.index(i, 0, index));
  return text + QLatin1Char('(') + children.join(QLatin1Char(' ')) + QLatin1Char(')');
}

class VnTargetsModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    VnLoadTestProject(
        FProject,
        VnTestTargetXml("a.rc",
                        {
                            {"Form1.Caption", "a", "A", "", "status=\"translated\""},
                            {"form1.Hint", "b", "B", "readonly=\"yes\"", "status=\"ready\""},
                            {"Form1.Button1.Caption", "c"},
                            {"Form10.Label.Caption", "d", "D", "", "status=\"fuzzy\""},
                            {"NoDot", "e"},
                            {"Gone.X", "f", nullptr, "status=\"removed\""},
                        },
                        {{"Panel.A", "g"}, {"Panel.B", "h"}, {"Panel", "i"}}) +
            VnTestTargetXml("b.rc", {{"x", "x", "X", "", "status=\"qaed\""}, {"y", "y"}, {"z", "z", "", "readonly=\"yes\""}}));
  }

  QModelIndex Node(TVnTargetsModel &model, const TVnTreeNodeRef &ref) {
    const QModelIndex index = model.IndexOf(ref);
    EXPECT_EQ(model.NodeRef(index), ref) << ref.Path.toStdString();
    return index;
  }

  TVnV7Project FProject;
};

TEST_F(VnTargetsModelTest, GroupsContextsByDottedSegments) {
  TVnTargetsModel model(FProject);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.RefreshView();
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(Shape(model, model.index(0, 0)),
            QStringLiteral("a.rc(String data(Form1(Button1) Form10(Label)) Custom data(Panel(A B)))"));
  EXPECT_EQ(Shape(model, model.index(1, 0)), QStringLiteral("b.rc(String data Custom data)"));
  EXPECT_EQ(Shape(model, model.index(2, 0)), QStringLiteral("All strings"));
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), QStringLiteral("Project Tree"));
  EXPECT_EQ(model.Path(Node(model, {0, 1, "Form1.Button1"})), QStringLiteral("Form1.Button1"));
  // A path the tree no longer has ends at its deepest existing node.
  EXPECT_EQ(model.Path(model.IndexOf({0, 1, "Form1.Nothing"})), QStringLiteral("Form1"));
}

TEST_F(VnTargetsModelTest, CountsPerNodeFromTheRowStateList) {
  TVnTargetsModel model(FProject);
  model.RefreshView();
  const struct {
    TVnTreeNodeRef Node;
    bool Has;
    int Translated, Total;
    const char *Colour;
  } cases[] = {
      {{0, 0, ""}, true, 2, 5, "#ffff80"},  {{0, 1, ""}, true, 2, 5, "#ffff80"},
      {{0, 1, "Form1"}, true, 1, 2, "#ffff80"}, {{0, 1, "Form1.Button1"}, true, 0, 1, "#ff8080"},
      {{0, 1, "Form10"}, true, 1, 1, "#80ff80"}, {{0, 2, "Panel"}, false, 0, 0, "#dddddd"},
      {{1, 0, ""}, true, 1, 2, "#ffff80"},  {{1, 1, ""}, false, 0, 0, "#dddddd"},
      {{-1, 0, ""}, true, 3, 7, "#ffff80"},
  };
  for (const auto &c : cases) {
    const QModelIndex index = Node(model, c.Node);
    int translated = -1, total = -1;
    EXPECT_EQ(model.Counts(index, translated, total), c.Has) << c.Node.Target << c.Node.Path.toStdString();
    if (c.Has) {
      EXPECT_EQ(translated, c.Translated) << c.Node.Path.toStdString();
      EXPECT_EQ(total, c.Total) << c.Node.Path.toStdString();
      EXPECT_EQ(model.data(index.siblingAtColumn(1), Qt::DisplayRole).toString(),
                QStringLiteral("%1 of %2").arg(c.Translated).arg(c.Total));
    }
    EXPECT_EQ(model.data(index.siblingAtColumn(1), Qt::BackgroundRole).value<QColor>().name(), QLatin1String(c.Colour));
  }
  EXPECT_EQ(model.data(model.IndexOf({0, 1, "Form1"}), Qt::ToolTipRole).toString(),
            QStringLiteral("1 strings of 2 translated\n50%"));
  // A translation in another target shows once the figures are renewed.
  FProject.Targets().SetItemIndex(1);
  FProject.SetRowValue(1, rfTranslation, QStringLiteral("Y"));
  model.RefreshProgress();
  int translated = 0, total = 0;
  ASSERT_TRUE(model.Counts(model.TargetIndex(-1), translated, total));
  EXPECT_EQ(translated, 4);
  EXPECT_EQ(total, 7);
  ASSERT_TRUE(model.Counts(model.TargetIndex(1), translated, total));
  EXPECT_EQ(translated, 2);
  // An edit in "All strings" renews every target's figures, not only the current view's.
  FProject.Targets().SetItemIndex(-1);
  ASSERT_TRUE(model.Counts(model.TargetIndex(0), translated, total)); // cached now
  const int before = translated;
  ASSERT_EQ(FProject.GetRowValue(2, rfName), QStringLiteral("Form1.Button1.Caption"));
  FProject.SetRowValue(2, rfTransStatus, QStringLiteral("ready"));
  model.RefreshCurrentProgress();
  ASSERT_TRUE(model.Counts(model.TargetIndex(0), translated, total));
  EXPECT_EQ(translated, before + 1);
  ASSERT_TRUE(model.Counts(model.TargetIndex(-1), translated, total));
  EXPECT_EQ(translated, 5);
}

TEST(VnRowStateList, DuplicateContextsKeepAnEntryEachAcrossReuse) {
  TVnV7Project project;
  VnLoadTestProject(project, VnTestTargetXml("a.rc", {{"Dup.A", "a", "A", "", "status=\"fuzzy\""},
                                                      {"Dup.A", "b"},
                                                      {"dup.a", "c"},
                                                      {"Other.B", "d"}}));
  TVnRowStateList list;
  list.Rebuild(project, false, false, nullptr);
  ASSERT_EQ(list.Size(), 4);
  int translated = 0, total = 0;
  list.Counts(QStringLiteral("Dup"), translated, total);
  EXPECT_EQ(translated, 1);
  EXPECT_EQ(total, 3);
  // The second and third duplicates change; reusing the list must renew exactly those rows.
  project.SetRowValue(1, rfTransStatus, QStringLiteral("ready"));
  project.SetRowValue(2, rfReadOnly, QStringLiteral("yes"));
  list.Rebuild(project, false, true, nullptr);
  list.Counts(QStringLiteral("DUP"), translated, total);
  EXPECT_EQ(translated, 2);
  EXPECT_EQ(total, 2);
  list.Counts(QString(), translated, total);
  EXPECT_EQ(total, 3);
}

TEST_F(VnTargetsModelTest, RebuildsOnStructureChangesAndShowsDecodedPaths) {
  TVnTargetsModel model(FProject);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QList<bool> rebuilt;
  QObject::connect(&model, &TVnTargetsModel::Rebuilt, [&](bool changed) { rebuilt << changed; });
  model.RefreshView();
  model.RefreshView(); // nothing changed: no rebuild
  TVnTargetInfo info = FProject.GetTargetInfo(1);
  info.Enabled = false;
  info.Visible = false;
  FProject.SetTargetInfo(1, info);
  model.RefreshView();
  EXPECT_EQ(rebuilt, (QList<bool>{true, false}));
  EXPECT_EQ(model.rowCount(model.index(1, 0)), 0);
  EXPECT_FALSE(model.data(model.index(1, 0), TVnTargetsModel::VisibleRole).toBool());
  EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(109, 109, 109));
  // Absolute target paths can show relative to the project file.
  QTemporaryDir dir;
  FProject.SaveAs(dir.filePath(QStringLiteral("p.v7p")));
  FProject.Targets().Add(dir.filePath(QStringLiteral("sub/c.rc")));
  model.RefreshView();
  EXPECT_EQ(rebuilt.last(), true);
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), dir.filePath(QStringLiteral("sub/c.rc")));
  model.SetDecodeTargetPath(true);
  EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("sub/c.rc"));
  FProject.Clear();
  model.RefreshView();
  EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
