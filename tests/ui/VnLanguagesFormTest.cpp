#include "VnUiFixture.h"

#include "ui/VnLanguagesForm.h"

#include "core/VnCustomLanguages.h"
#include "core/VnLanguages.h"

#include "VnProjectFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class VnLanguagesDialog : public VnUiTest {
protected:
  void SetUp() override {
    VnInstallLanguageTable();
    VnLoadProjectText(FProject, kVnSampleProject); // de, fr, it; the first target's native language is "en"
  }
  void TearDown() override { VnCustomLanguages().SetEntries({}); }

  // Selects the tree node showing `text` (searched at every level).
  static void SelectNode(TVnLanguagesForm &form, const QString &text) {
    const auto found = form.Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    form.Tree()->setCurrentItem(found.first());
  }

  static QStringList ListTexts(TVnLanguagesForm &form) {
    QStringList texts;
    for (int i = 0; i < form.Targets()->count(); ++i)
      texts.append(form.Targets()->item(i)->text());
    return texts;
  }

  TVnV7Project FProject;
};

TEST_F(VnLanguagesDialog, ShowsTheProjectsLanguagesAndNativeLanguage) {
  TVnLanguagesForm form(FProject);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Project Languages"));
  EXPECT_EQ(form.TargetCodes(), QStringList({"de", "fr", "it"}));
  EXPECT_EQ(ListTexts(form), QStringList({DisplayNameOfCode("de"), DisplayNameOfCode("fr"), DisplayNameOfCode("it")}));
  EXPECT_EQ(form.NativeBox()->currentText(), DisplayNameOfCode("en"));
  EXPECT_GT(form.Tree()->topLevelItemCount(), 50);
  EXPECT_TRUE(form.OkButton()->isEnabled());
}

TEST_F(VnLanguagesDialog, AddingIsRefusedForListedLanguagesAndRemovingAsks) {
  TVnLanguagesForm form(FProject);
  SelectNode(form, DisplayNameOfCode("de"));
  EXPECT_FALSE(form.AddButton()->isEnabled());
  form.AddSelected();
  EXPECT_EQ(form.TargetCodes().size(), 3) << "a listed language is not added twice";

  SelectNode(form, DisplayNameOfCode("ja"));
  EXPECT_TRUE(form.AddButton()->isEnabled());
  form.AddSelected();
  EXPECT_EQ(form.TargetCodes().last(), QStringLiteral("ja"));

  form.Targets()->setCurrentRow(0);
  FMessages.Answer(TVnMsgButton::No);
  form.RemoveSelected();
  EXPECT_EQ(form.TargetCodes().size(), 4);
  EXPECT_EQ(FMessages.Shown().last().Text,
            QStringLiteral("You are about to remove a language. All translations of the language will be deleted\r\n"
                           "Press \"Yes\" to remove language"));
  for (int i = 0; i < 4; ++i) {
    FMessages.Answer(TVnMsgButton::Yes);
    form.RemoveSelected();
  }
  EXPECT_TRUE(form.TargetCodes().isEmpty());
  EXPECT_FALSE(form.OkButton()->isEnabled());
  form.accept(); // only Cancel can close it now
  EXPECT_EQ(form.result(), 0);
  EXPECT_EQ(FProject.Languages().Count(), 3);
}

TEST_F(VnLanguagesDialog, DropsAndTheEnterKeyAddAndRemove) {
  TVnLanguagesForm form(FProject);
  SelectNode(form, DisplayNameOfCode("ja"));
  form.DroppedOnTargets(form.Tree());
  EXPECT_EQ(form.TargetCodes().last(), QStringLiteral("ja"));
  form.DroppedOnTargets(form.Targets()); // a move within the list adds nothing
  EXPECT_EQ(form.TargetCodes().size(), 4);

  FMessages.Answer(TVnMsgButton::Yes);
  form.DroppedOnTree(form.Targets());
  EXPECT_EQ(form.TargetCodes(), QStringList({"de", "fr", "it"}));

  form.Targets()->setCurrentRow(1);
  FMessages.Answer(TVnMsgButton::Yes);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(form.Targets(), &enter);
  EXPECT_EQ(form.TargetCodes(), QStringList({"de", "it"}));
}

TEST_F(VnLanguagesDialog, OkAppliesTheChoiceToTheProject) {
  TVnLanguagesForm form(FProject);
  SelectNode(form, DisplayNameOfCode("ja"));
  form.AddSelected();
  form.Targets()->setCurrentRow(0);
  FMessages.Answer(TVnMsgButton::Yes);
  form.RemoveSelected(); // de
  form.NativeBox()->setCurrentIndex(form.NativeBox()->findData(QStringLiteral("en_GB")));
  ASSERT_GE(form.NativeBox()->currentIndex(), 0);
  form.accept();
  EXPECT_EQ(FProject.GetLanguage(0), QStringLiteral("fr"));
  EXPECT_EQ(FProject.Languages().Count(), 3);
  EXPECT_EQ(FProject.GetLanguage(2), QStringLiteral("ja"));
  EXPECT_EQ(FProject.GetTargetInfo(0).NativeLanguage, QStringLiteral("en_GB"));
  EXPECT_TRUE(FProject.Modified());
}

TEST_F(VnLanguagesDialog, ACustomLanguageShowsUnderItsOwnName) {
  VnCustomLanguages().Add(QStringLiteral("xx_YY"), QStringLiteral("Example"));
  TVnLanguagesForm form(FProject);
  const auto nodes = form.Tree()->findItems(QStringLiteral("Example"), Qt::MatchExactly);
  ASSERT_EQ(nodes.size(), 1);
  form.Tree()->setCurrentItem(nodes.first());
  form.AddSelected();
  EXPECT_EQ(ListTexts(form).last(), QStringLiteral("Example"));
  EXPECT_EQ(form.TargetCodes().last(), QStringLiteral("xx_YY"));
}

} // namespace
