#include "ui/VnTargetsVST.h"

#include "ui/VnGridModel.h"
#include "ui/VnGridVST.h"
#include "ui/VnGridVSTUI.h"
#include "ui/VnTargetsModel.h"

#include "config/VnConfiguration.h"

#include "VnGridProjectFixture.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VnTargetsVSTTest : public ::testing::Test {
protected:
  void SetUp() override {
    VnLoadTestProject(FProject, VnTestTargetXml("a.rc",
                                                {{"Dlg.Button1", "OK"}, {"Dlg.Label", "Name"}, {"Main.Title", "T"}},
                                                {{"Dlg.Button1.Data", "d"}, {"Other.X", "x"}}) +
                                    VnTestTargetXml("b.rc", {{"Dlg.Other", "o"}}));
    FTree.SetGridVST(&FGrid);
    FGridModel.RefreshView();
    FTreeModel.RefreshView();
  }

  QTemporaryDir FDir;
  TVnConfiguration FConfig{FDir.filePath(QStringLiteral("c.vno"))};
  TVnV7Project FProject;
  TVnGridModel FGridModel{FProject};
  TVnTargetsModel FTreeModel{FProject};
  TVnGridVST FGrid{FGridModel, FConfig};
  TVnTargetsVST FTree{FTreeModel, FConfig};
};

TEST_F(VnTargetsVSTTest, ChoosingNodesNarrowsTheGridAndSwitchesTargets) {
  EXPECT_EQ(FTreeModel.Kind(FTree.currentIndex()), TVnTargetsModel::nkStringData);
  FTree.FocusNode({0, 1, "Dlg"});
  EXPECT_EQ(FGridModel.ContextPrefix(), QStringLiteral("Dlg"));
  EXPECT_EQ(FGridModel.rowCount(), 2);
  FTree.FocusNode({1, 0, ""});
  EXPECT_EQ(FProject.Targets().ItemIndex(), 1);
  EXPECT_EQ(FGridModel.ContextPrefix(), QString());
  EXPECT_EQ(FGridModel.rowCount(), 1);
  FTree.FocusNode({-1, 0, ""});
  EXPECT_EQ(FProject.Targets().ItemIndex(), -1);
  EXPECT_EQ(FGridModel.rowCount(), 4);
  // A change of target made elsewhere moves the tree's focus along.
  FProject.Targets().SetItemIndex(0);
  EXPECT_EQ(FTreeModel.TargetOf(FTree.currentIndex()), 0);

  // ... and the grid with it: a group chosen before no longer narrows it.
  FTree.FocusNode({0, 1, "Main"});
  ASSERT_EQ(FGridModel.rowCount(), 1);
  FProject.Targets().SetItemIndex(1);
  EXPECT_EQ(FGridModel.ContextPrefix(), QString());
  EXPECT_EQ(FGridModel.rowCount(), 1);
  FTree.FocusNode({0, 1, "Main"});
  VnLoadTestProject(FProject, VnTestTargetXml("c.rc", {{"Dlg.A", "a"}, {"Dlg.B", "b"}})); // another project
  EXPECT_EQ(FGridModel.ContextPrefix(), QString());
  EXPECT_EQ(FGridModel.rowCount(), 2);
}

TEST_F(VnTargetsVSTTest, SwitchDataGroupFindsTheMatchingNodeOfTheOtherGroup) {
  FTree.FocusNode({0, 1, "Dlg"});
  FGrid.FocusRow(0); // "Dlg.Button1"
  ASSERT_TRUE(FTree.SwitchDataGroup());
  EXPECT_EQ(FTreeModel.NodeRef(FTree.currentIndex()), (TVnTreeNodeRef{0, 2, "Dlg.Button1"}));
  FTree.FocusNode({0, 2, "Other.X"});
  EXPECT_FALSE(FTree.SwitchDataGroup()); // string data has no group "Other.X"
  FTree.FocusNode({0, 2, "Dlg"});
  ASSERT_TRUE(FTree.SwitchDataGroup());
  EXPECT_EQ(FTreeModel.NodeRef(FTree.currentIndex()), (TVnTreeNodeRef{0, 1, "Dlg"}));
}

TEST_F(VnTargetsVSTTest, TargetFlagsToggleForTheSelectedTarget) {
  QSignalSpy changed(&FTree, &TVnTargetsVST::ViewChanged);
  FTree.FocusNode({1, 0, ""});
  changed.clear();
  FTree.ToggleTargetFlags(1);
  EXPECT_FALSE(FProject.GetTargetInfo(1).Enabled);
  EXPECT_EQ(FTreeModel.rowCount(FTreeModel.TargetIndex(1)), 0);
  EXPECT_EQ(changed.count(), 1);
  FTree.setCurrentIndex(FTreeModel.TargetIndex(1));
  FTree.ToggleTargetFlags(2);
  EXPECT_FALSE(FProject.GetTargetInfo(1).Visible);
  EXPECT_TRUE(FTree.isRowHidden(1, QModelIndex()));
  EXPECT_EQ(changed.count(), 1); // visibility alone changes no view
}

TEST_F(VnTargetsVSTTest, ProgressColumnShowsWithItsHeaderAndStaysSo) {
  FTree.ShowProgress(false);
  EXPECT_TRUE(FTree.isHeaderHidden());
  EXPECT_FALSE(FConfig.Tree().GetBool(TVnConfigBoolKey::ShowProgress));
  FConfig.Tree().SetBool(TVnConfigBoolKey::ShowProgress, true);
  FTree.ReadOptions();
  EXPECT_TRUE(FTree.ProgressShown());
  FTree.ShowProgress(true);
  EXPECT_TRUE(FTree.ProgressShown());
  EXPECT_FALSE(FTree.isHeaderHidden());
}

TEST_F(VnTargetsVSTTest, GridKeysSortingAndTypingWithoutALanguage) {
  TVnGridVSTUI ui(FGrid);
  QTextEdit translation;
  ui.SetByIndex(rfTranslation, &translation);
  FTree.FocusNode({0, 1, ""});
  FGrid.FocusRow(1);
  QTest::keyClick(&FGrid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(FGrid.currentIndex().row(), 2);
  EXPECT_EQ(FGrid.SelectedRows(), QList<int>{2});
  QTest::keyClick(&FGrid, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(FGrid.currentIndex().row(), 0);
  // Header double-clicks: ascending, descending, project order.
  const QStringList orders[] = {{"Dlg.Button1", "Dlg.Label", "Main.Title"},
                                {"Main.Title", "Dlg.Label", "Dlg.Button1"},
                                {"Dlg.Button1", "Dlg.Label", "Main.Title"}};
  for (const QStringList &order : orders) {
    emit FGrid.header()->sectionDoubleClicked(rfName);
    QStringList shown;
    for (int i = 0; i < FGridModel.rowCount(); ++i)
      shown << FGridModel.index(i, rfName).data().toString();
    EXPECT_EQ(shown, order);
  }
  EXPECT_EQ(FGridModel.SortColumn(), -1);
  // With no active language typing asks for one instead of editing.
  int asked = 0;
  FGrid.OnLanguageRequest = [&] { ++asked; };
  FProject.Languages().Delete(1);
  FProject.Languages().Delete(0);
  FGrid.FocusRow(0);
  QTest::keyClicks(&FGrid, QStringLiteral("x"));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(translation.toPlainText().isEmpty());
}

TEST_F(VnTargetsVSTTest, TheTranslationEditorMovesBetweenRows) {
  TVnGridVSTUI ui(FGrid);
  QTextEdit translation;
  ui.SetByIndex(rfTranslation, &translation);
  FTree.FocusNode({0, 1, ""});
  FGrid.FocusRow(0);
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    bool Simple;
    int Row;
  } cases[] = {
      {Qt::Key_PageDown, Qt::ControlModifier, false, 2}, {Qt::Key_PageUp, Qt::ControlModifier, false, 0},
      {Qt::Key_End, Qt::ControlModifier, false, 2},      {Qt::Key_Home, Qt::ControlModifier, false, 0},
      {Qt::Key_Down, Qt::ControlModifier, false, 1},     {Qt::Key_Down, Qt::NoModifier, false, 1},
      {Qt::Key_Down, Qt::NoModifier, true, 2},           {Qt::Key_Up, Qt::NoModifier, true, 1},
  };
  for (const auto &c : cases) {
    FConfig.Grid().SetBool(TVnConfigBoolKey::SimpleNavigation, c.Simple);
    QTest::keyClick(&translation, c.Key, c.Modifiers);
    EXPECT_EQ(FGrid.currentIndex().row(), c.Row) << c.Key;
  }
}

} // namespace
