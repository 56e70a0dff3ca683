#include "project/VnV7Project.h"

#include "core/VnXml.h"

#include "VnProjectFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class VnV7ProjectModel : public ::testing::Test, public TVnProjectListener {
protected:
  void SetUp() override {
    VnLoadProjectText(FProject, kVnSampleProject);
    FProject.AddListener(this);
  }
  void ProjectUpdated(int kind) override { FHeard.append(QStringLiteral("listener %1").arg(kind)); }

  TVnV7Project FProject;
  QStringList FHeard;
};

TEST_F(VnV7ProjectModel, ActiveLanguageComesFromTheFile) {
  const struct {
    const char *languages;
    int expected;
  } cases[] = {
      {"<languages active=\"1\"><language>de</language><language>fr</language></languages>", 1},
      {"<languages active=\"7\"><language>de</language><language>fr</language></languages>", 0},
      {"<languages active=\"-1\"><language>de</language></languages>", -1},
      {"<languages><language>de</language></languages>", 0},
      {"<languages active=\"x\"><language>de</language></languages>", 0},
      {"<languages active=\"0\"/>", -1},
      {"", -1},
  };
  for (const auto &c : cases) {
    TVnV7Project project;
    VnLoadProjectText(project, QByteArray("<xml>") + c.languages + "</xml>");
    EXPECT_EQ(project.Languages().ItemIndex(), c.expected) << c.languages;
    EXPECT_TRUE(project.Opened());
    EXPECT_FALSE(project.Modified());
  }
}

TEST_F(VnV7ProjectModel, ReadsEveryRowField) {
  const struct {
    int target, row, field;
    const char *expected;
  } cases[] = {
      {0, 0, rfName, "r0"},
      {0, 0, rfNative, "Open & go"},
      {0, 0, rfTranslation, "Öffnen"},
      {0, 0, rfRowComment, "greeting"},
      {0, 0, rfTransComment, "ok"},
      {0, 0, rfMaxLength, "10"},
      {0, 0, rfTransStatus, "translated"},
      {0, 0, rfRowStatus, "new"},
      {0, 0, rfLanguage + 1, "Ouvrir"},
      {0, 0, rfLanguage + 2, ""},
      {0, 1, rfReadOnly, "yes"},
      {0, 1, rfTranslation, "[Close]"}, // empty translation: the test text stands in
      {0, 1, rfTransStatus, "auto"},
      {0, 1, rfTestTranslation, "[Close]"},
      {0, 3, rfNative, "Custom"},    // custom rows follow the string rows
      {0, 3, rfTranslation, ""},
      {0, 4, rfName, "An error occured when reading string at row 4 col 0"},
      {2, 1, rfNative, "Four"},
      {-1, 3, rfName, "t0"},          // all targets: string rows of enabled targets
      {-1, 2, rfName, "r2"},
      {-1, 5, rfName, "An error occured when reading string at row 5 col 0"},
  };
  for (const auto &c : cases) {
    FProject.Targets().SetItemIndex(c.target);
    EXPECT_EQ(FProject.GetRowValue(c.row, c.field), QString::fromUtf8(c.expected))
        << c.target << "/" << c.row << "/" << c.field;
  }
}

TEST_F(VnV7ProjectModel, RowCountsPerView) {
  const struct {
    int target, strings, all;
  } cases[] = {{0, 3, 4}, {1, 0, 0}, {2, 2, 2}, {-1, 5, 5}};
  for (const auto &c : cases) {
    FProject.Targets().SetItemIndex(c.target);
    EXPECT_EQ(FProject.RowCount(), c.strings) << c.target;
    EXPECT_EQ(FProject.RowCountAll(), c.all) << c.target;
  }
  int local = -1;
  EXPECT_EQ(FProject.Targets().TargetOfRow(4, &local), 2);
  EXPECT_EQ(local, 1);
  EXPECT_EQ(FProject.Targets().TargetOfRow(5, &local), -1);
  EXPECT_THROW(FProject.Targets().GetTarget(-1).GetRowXml(5), EVnAssertion);
  EXPECT_THROW(FProject.Languages().GetTarget(0), EVnAssertion);
}

TEST_F(VnV7ProjectModel, WritingTranslationsSetsStatusAndQuotes) {
  FProject.Targets().SetItemIndex(2);
  FProject.SetRowValue(0, rfTranslation, QStringLiteral("Drei \"3\""));
  EXPECT_TRUE(FProject.Modified());
  EXPECT_EQ(FProject.GetRowValue(0, rfTranslation), QStringLiteral("Drei \"3\""));
  EXPECT_EQ(FProject.GetRowValue(0, rfTransStatus), QStringLiteral("translated"));
  pugi::xml_node lang = FProject.CurrentTargetElement().child("stringdata").child("row").child("lang");
  EXPECT_STREQ(lang.child_value(), "&quot;Drei &quot;3&quot;&quot;");

  FProject.SetRowValue(0, rfTranslation, QString()); // deletes the translation
  EXPECT_FALSE(FProject.CurrentTargetElement().child("stringdata").child("row").child("lang"));
  FProject.SetRowValue(0, rfTranslation, QString()); // none there: an empty one appears
  lang = FProject.CurrentTargetElement().child("stringdata").child("row").child("lang");
  EXPECT_EQ(VnXmlText(lang), QStringLiteral("\"\""));
  EXPECT_EQ(VnXmlAttr(lang, "status"), QString());

  FProject.SetRowValue(0, rfNative, QStringLiteral("New native"));
  FProject.SetRowValue(0, rfCheckout, QStringLiteral("me"));
  FProject.SetRowValue(0, rfLanguage, QStringLiteral("ignored"));
  EXPECT_EQ(FProject.GetRowValue(0, rfNative), QStringLiteral("New native"));
  EXPECT_EQ(FProject.GetRowValue(0, rfCheckout), QStringLiteral("me"));
  EXPECT_EQ(FProject.GetRowValue(0, rfLanguage), QString());
  EXPECT_TRUE(FProject.RemoveTranslation(0));
  EXPECT_FALSE(FProject.RemoveTranslation(0));
}

TEST_F(VnV7ProjectModel, SelectingItems) {
  TVnV7ProjectSection &targets = FProject.Targets();
  FHeard.clear();
  targets.SetItemIndex(5);
  EXPECT_EQ(targets.ItemIndex(), 0);
  EXPECT_EQ(FHeard, QStringList{QStringLiteral("listener 1")});

  TVnV7Project empty;
  empty.AddListener(this);
  FHeard.clear();
  empty.Targets().SetItemIndex(3);
  EXPECT_EQ(empty.Targets().ItemIndex(), -1);
  EXPECT_TRUE(FHeard.isEmpty());
}

TEST_F(VnV7ProjectModel, DeletingTargetsMovesTheCurrentOne) {
  TVnV7ProjectSection &targets = FProject.Targets();
  targets.SetItemIndex(2);
  EXPECT_EQ(targets.Delete(2), 2);
  EXPECT_EQ(targets.ItemIndex(), 1);
  targets.SetItemIndex(0);
  targets.Delete(0);
  EXPECT_EQ(targets.ItemIndex(), 0);
  EXPECT_EQ(FProject.GetCurrentTargetInfo().FileName, QStringLiteral("two.rc"));
  EXPECT_TRUE(FProject.Modified());
}

TEST_F(VnV7ProjectModel, DeletingALanguageRemovesItsTranslationsEverywhere) {
  FProject.Languages().Delete(0); // "de"
  EXPECT_EQ(FProject.Languages().Count(), 2);
  EXPECT_EQ(FProject.GetLanguage(0), QStringLiteral("fr"));
  EXPECT_TRUE(FProject.Root().select_nodes("//lang[@id='de']").empty());
  EXPECT_FALSE(FProject.Root().select_nodes("//lang[@id='fr']").empty());
  pugi::xml_node list = FProject.Targets().Item(0).child("options").child("encodings").child("output_language_list");
  EXPECT_EQ(VnXmlText(list.child("language").child("code")), QStringLiteral("fr"));
  EXPECT_FALSE(list.child("language").next_sibling("language"));
}

TEST_F(VnV7ProjectModel, LanguagesAreRegisteredWithEveryTarget) {
  const int index = FProject.Languages().Add(QStringLiteral("pt_BR"));
  EXPECT_EQ(index, 3);
  TVnV7ProjectSection &targets = FProject.Targets();
  for (int t = 0; t < targets.Count(); ++t) {
    auto hits = targets.Item(t).select_nodes("options/encodings/output_language_list/language[code='pt_BR']");
    EXPECT_EQ(hits.size(), 1u) << t;
  }
  FProject.SetLanguage(0, QStringLiteral("de")); // known already: nothing added
  EXPECT_EQ(targets.Item(0).select_nodes(".//output_language_list/language[code='de']").size(), 1u);
}

TEST_F(VnV7ProjectModel, TargetInfoReadsAndWrites) {
  FProject.Languages().SetItemIndex(0);
  TVnTargetInfo info = FProject.GetTargetInfo(0);
  EXPECT_EQ(info.FileName, QStringLiteral("one.rc"));
  EXPECT_EQ(info.NativeLanguage, QStringLiteral("en"));
  EXPECT_EQ(info.NativeEncoding, QStringLiteral("utf-8"));
  EXPECT_EQ(info.TranslatedEncoding, QStringLiteral("cp1252"));
  EXPECT_EQ(info.Scanner, QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
  EXPECT_TRUE(info.Visible);
  EXPECT_FALSE(FProject.GetTargetInfo(1).Enabled);

  int languageChanges = 0;
  FProject.OnLanguageChanged = [&](TVnCustomProject &) { ++languageChanges; };
  info.NativeLanguage = QStringLiteral("en_GB");
  info.Visible = false;
  FProject.SetTargetInfo(0, info);
  EXPECT_EQ(languageChanges, 1);
  EXPECT_EQ(FProject.GetTargetInfo(0), info);
  EXPECT_EQ(FProject.GetProjectNativeLanguage(), QStringLiteral("en_GB"));

  TVnTargetInfo enabled = FProject.GetTargetInfo(1);
  enabled.Enabled = true;
  FProject.SetTargetInfo(1, enabled);
  FProject.Targets().SetItemIndex(1);
  EXPECT_EQ(FProject.RowCount(), 1);

  try {
    FProject.GetTargetInfo(9);
    ADD_FAILURE();
  } catch (const EVnError &e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Internal error in GetTargetInfo(9): \""))) << e.what();
  }
}

TEST_F(VnV7ProjectModel, ListenersHearFirstThenOnUpdate) {
  FProject.OnUpdate = [&](TVnCustomProject &) { FHeard.append(QStringLiteral("OnUpdate")); };
  FHeard.clear();
  FProject.BeginUpdate();
  FProject.Update(0, false); // held back during the update
  FProject.EndUpdate(true);
  FProject.Languages().SetItemIndex(1);
  EXPECT_EQ(FHeard, QStringList({QStringLiteral("listener 0"), QStringLiteral("OnUpdate"),
                                 QStringLiteral("listener 1"), QStringLiteral("OnUpdate")}));

  int changes = 0;
  FProject.OnChanged = [&](TVnCustomProject &) { ++changes; };
  FProject.SetModified(true);
  FProject.SetModified(true); // already modified: silent
  FProject.SetModified(false);
  FProject.SetModified(false); // raised again
  EXPECT_EQ(changes, 3);
}

TEST_F(VnV7ProjectModel, RemoveRemovedRowsAndFindRow) {
  FProject.RemoveRemovedRows();
  EXPECT_TRUE(FProject.Root().select_nodes("//row[@status='removed']").empty());
  EXPECT_TRUE(FProject.Modified());
  FProject.Targets().SetItemIndex(0);
  EXPECT_EQ(FProject.RowCountAll(), 3);
  EXPECT_EQ(FProject.FindRow(QStringLiteral("c0"), false), 2);
  EXPECT_EQ(FProject.FindRow(QStringLiteral("r"), true), 0);
  EXPECT_EQ(FProject.FindRow(QStringLiteral("r2"), false), -1);
  // Renamed rows are found by their new names only, index or not.
  EXPECT_EQ(FProject.FindRow(QStringLiteral("r1"), false), 1);
  FProject.SetRowValue(1, rfName, QStringLiteral("renamed"));
  EXPECT_EQ(FProject.FindRow(QStringLiteral("renamed"), false), 1);
  EXPECT_EQ(FProject.FindRow(QStringLiteral("r1"), false), -1);
  FProject.SetRowValue(0, rfName, QStringLiteral("c0")); // now a name two rows share
  EXPECT_EQ(FProject.FindRow(QStringLiteral("c0"), false), 0); // the first of them
  FProject.Targets().SetItemIndex(-1);
  EXPECT_EQ(FProject.FindRow(QStringLiteral("t0"), false), FProject.RowCountAll() - 1);
}

TEST_F(VnV7ProjectModel, UndoAndRedoExchangeTheSnapshot) {
  EXPECT_FALSE(FProject.GetHistoryStatus(0));
  FProject.Targets().SetItemIndex(0);
  FProject.PerformHistory(4);
  EXPECT_TRUE(FProject.GetHistoryStatus(0));
  FProject.SetRowValue(0, rfTranslation, QStringLiteral("Auf"));
  FProject.Languages().SetItemIndex(1);

  FProject.PerformHistory(0);
  EXPECT_TRUE(FProject.Modified()); // undo does not touch the modified flag
  EXPECT_EQ(FProject.Languages().ItemIndex(), 1) << "the language chosen before undo stays";
  FProject.Languages().SetItemIndex(0);
  FProject.Targets().SetItemIndex(0);
  EXPECT_EQ(FProject.GetRowValue(0, rfTranslation), QStringLiteral("Öffnen"));
  EXPECT_TRUE(FProject.GetHistoryStatus(1));
  EXPECT_FALSE(FProject.GetHistoryStatus(0));

  FProject.PerformHistory(1);
  FProject.Targets().SetItemIndex(0);
  EXPECT_EQ(FProject.GetRowValue(0, rfTranslation), QStringLiteral("Auf"));
  EXPECT_TRUE(FProject.GetHistoryStatus(0));

  EXPECT_NO_THROW(FProject.PerformHistory(2));
  EXPECT_THROW(FProject.PerformHistory(7), EVnError);
  EXPECT_THROW(FProject.GetHistoryStatus(2), EVnError);

  // A snapshot belongs to its document: another document cannot be undone into it.
  VnLoadProjectText(FProject, "<xml><targets/></xml>");
  EXPECT_FALSE(FProject.GetHistoryStatus(0));
  EXPECT_FALSE(FProject.GetHistoryStatus(1));
  FProject.PerformHistory(4);
  FProject.Clear();
  EXPECT_FALSE(FProject.GetHistoryStatus(0));
}

TEST_F(VnV7ProjectModel, RowIndexesFollowStructureChangesWithoutAnUpdate) {
  const struct {
    const char *what;
    std::function<void(TVnV7Project &)> change;
    int target, rows;
  } cases[] = {
      {"removed rows, views silent", [](TVnV7Project &p) {
         p.BeginUpdate();
         p.RemoveRemovedRows();
       }, 0, 3},
      {"target disabled", [](TVnV7Project &p) {
         TVnTargetInfo info = p.GetTargetInfo(0);
         info.Enabled = false;
         p.BeginUpdate();
         p.SetTargetInfo(0, info);
       }, 0, 0},
      {"row deleted in the document", [](TVnV7Project &p) {
         pugi::xml_node rows = p.Targets().Item(2).child("stringdata");
         rows.remove_child(rows.first_child());
         p.StructureChanged();
       }, 2, 1},
  };
  for (const auto &c : cases) {
    TVnV7Project project;
    VnLoadProjectText(project, kVnSampleProject);
    project.Targets().SetItemIndex(c.target);
    ASSERT_GT(project.RowCountAll(), 0);
    project.GetRowValue(project.RowCountAll() - 1, rfName); // the index is built
    c.change(project);
    EXPECT_EQ(project.RowCountAll(), c.rows) << c.what;
    for (int row = 0; row < c.rows; ++row)
      EXPECT_FALSE(project.GetRowValue(row, rfName).startsWith(QStringLiteral("An error"))) << c.what;
  }
}

TEST(VnV7ProjectRows, RowListsAreFoundByName) {
  TVnV7Project project;
  VnLoadProjectText(project, "<xml><targets>"
                             "<target><stringdata><row name=\"s\"/></stringdata><options/></target>"
                             "<target><stringdata><row name=\"a\"/></stringdata><bookmarks><b/><b/></bookmarks>"
                             "<customdata><row name=\"c\"/></customdata></target>"
                             "</targets><languages><language>de</language></languages></xml>");
  EXPECT_EQ(project.RowCountAll(), 1);
  EXPECT_EQ(project.GetRowValue(0, rfName), QStringLiteral("s"));
  project.Targets().SetItemIndex(1);
  EXPECT_EQ(project.RowCountAll(), 2);
  EXPECT_EQ(project.GetRowValue(1, rfName), QStringLiteral("c"));
}

TEST(VnV7ProjectRows, TranslationsNeedAnActiveLanguage) {
  TVnV7Project project;
  VnLoadProjectText(project, "<xml><targets><target><options/><stringdata><row name=\"r\"/></stringdata></target>"
                             "</targets></xml>");
  EXPECT_THROW(project.SetRowValue(0, rfTranslation, QStringLiteral("x")), EVnError);
  EXPECT_FALSE(project.Targets().Item(0).child("stringdata").child("row").child("lang"));
  project.SetRowValue(0, rfRowComment, QStringLiteral("row fields need none"));
  EXPECT_EQ(project.GetRowValue(0, rfRowComment), QStringLiteral("row fields need none"));
}

// A scanner that cannot be bound, as when its plug-in is missing.
class TFailingBindProject : public TVnV7Project {
protected:
  void BindScannerOfCurrentTarget() override { throw EVnError(QStringLiteral("no scanner")); }
};

TEST(VnV7ProjectRows, AnErrorDuringLoadingDoesNotLeaveTheProjectUpdating) {
  TFailingBindProject project;
  EXPECT_THROW(VnLoadProjectText(project, kVnSampleProject), EVnError);
  EXPECT_FALSE(project.Updating());
  int changes = 0;
  project.OnChanged = [&](TVnCustomProject &) { ++changes; };
  project.SetModified(true);
  EXPECT_EQ(changes, 1);
}

TEST_F(VnV7ProjectModel, NewsThatComesWhileListenersHearTheLastIsPassedOnAfterwards) {
  // A view that lets events run while it refreshes may see the project change
  // again (another target chosen, the project closed): the others must hear it.
  struct TYielder : TVnProjectListener {
    TVnV7Project *Project = nullptr;
    QList<int> Heard;
    void ProjectUpdated(int kind) override {
      Heard.append(kind);
      if (Heard.size() == 1) {
        Project->Update(1, false);
        Project->Update(0, false); // the more general news wins
      }
    }
  };
  struct TCounter : TVnProjectListener {
    QList<int> Heard;
    void ProjectUpdated(int kind) override { Heard.append(kind); }
  };
  TYielder yielder;
  yielder.Project = &FProject;
  TCounter other;
  FProject.AddListener(&yielder);
  FProject.AddListener(&other);
  FProject.Update(1, false);
  EXPECT_EQ(yielder.Heard, QList<int>({1, 0}));
  EXPECT_EQ(other.Heard, QList<int>({1, 0}));

  // A listener that changes the project every time cannot loop forever.
  struct TRestless : TVnProjectListener {
    TVnV7Project *Project = nullptr;
    int Heard = 0;
    void ProjectUpdated(int) override {
      ++Heard;
      Project->Update(0, false);
    }
  };
  FProject.RemoveListener(&yielder);
  FProject.RemoveListener(&other);
  TRestless restless;
  restless.Project = &FProject;
  FProject.AddListener(&restless);
  FProject.Update(0, false);
  EXPECT_GT(restless.Heard, 1);
  EXPECT_LT(restless.Heard, 100);
  FProject.RemoveListener(&restless);
}

TEST_F(VnV7ProjectModel, AListenerMayRemoveAnotherWhileHearingTheNews) {
  struct TRemover : TVnProjectListener {
    TVnV7Project *Project = nullptr;
    TVnProjectListener *Victim = nullptr;
    int Heard = 0;
    void ProjectUpdated(int) override {
      ++Heard;
      Project->RemoveListener(Victim);
    }
  };
  struct TCounter : TVnProjectListener {
    int Heard = 0;
    void ProjectUpdated(int) override { ++Heard; }
  };
  auto victim = std::make_unique<TCounter>();
  TRemover remover;
  remover.Project = &FProject;
  remover.Victim = victim.get();
  FProject.AddListener(&remover);
  FProject.AddListener(victim.get());
  FProject.Update(0, false);
  victim.reset(); // gone, as a closed view would be
  FProject.Update(0, false);
  EXPECT_EQ(remover.Heard, 2);
  FProject.RemoveListener(&remover);
}

} // namespace
