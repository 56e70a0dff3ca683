#include "project/VnProjectLanguages.h"

#include "project/VnV7Project.h"

#include "core/VnXml.h"

#include "VnProjectFixture.h"

#include <gtest/gtest.h>

namespace {

QStringList Languages(TVnV7Project &project) {
  QStringList codes;
  for (int l = 0; l < project.Languages().Count(); ++l)
    codes.append(project.GetLanguage(l));
  return codes;
}

QStringList OutputCodes(TVnV7Project &project, int target) {
  QStringList codes;
  for (pugi::xpath_node entry : project.Targets().Item(target).select_nodes("options/encodings/output_language_list/language"))
    codes.append(VnXmlText(entry.node().child("code")));
  return codes;
}

class VnProjectLanguages : public ::testing::Test {
protected:
  void SetUp() override { VnLoadProjectText(FProject, kVnSampleProject); } // de, fr, it; de active
  TVnV7Project FProject;
};

TEST_F(VnProjectLanguages, RemovedLanguagesGoWithTheirTranslationsAndNewOnesFollow) {
  FProject.Languages().SetItemIndex(1); // fr
  EXPECT_TRUE(ApplyProjectLanguages(FProject, QStringLiteral("en"), {"pt", "it", "fr", "ja"}));
  EXPECT_EQ(Languages(FProject), QStringList({"fr", "it", "pt", "ja"})) << "kept ones keep their order";
  EXPECT_EQ(FProject.GetActiveLanguage(), QStringLiteral("fr")) << "the active language follows its code";
  EXPECT_TRUE(FProject.Root().select_nodes("//lang[@id='de']").empty());
  // Every target translates into exactly the project languages (entries keep their places).
  for (int t = 0; t < FProject.Targets().Count(); ++t) {
    QStringList codes = OutputCodes(FProject, t);
    codes.sort();
    EXPECT_EQ(codes, QStringList({"fr", "it", "ja", "pt"})) << t;
  }
  EXPECT_TRUE(FProject.Modified());
}

TEST_F(VnProjectLanguages, RemovingTheActiveLanguageActivatesTheFirst) {
  EXPECT_TRUE(ApplyProjectLanguages(FProject, QStringLiteral("en"), {"it", "fr"}));
  EXPECT_EQ(FProject.Languages().ItemIndex(), 0);
  EXPECT_EQ(FProject.GetActiveLanguage(), QStringLiteral("fr"));
}

TEST_F(VnProjectLanguages, OnlyTheFirstTargetsNativeLanguageChanges) {
  EXPECT_TRUE(ApplyProjectLanguages(FProject, QStringLiteral("en_GB"), {"de", "fr", "it"}));
  EXPECT_EQ(FProject.GetTargetInfo(0).NativeLanguage, QStringLiteral("en_GB"));
  EXPECT_EQ(FProject.GetTargetInfo(2).NativeLanguage, QString());
  EXPECT_EQ(Languages(FProject), QStringList({"de", "fr", "it"}));
}

TEST_F(VnProjectLanguages, NothingChosenAnewChangesNothingButTheOutputLists) {
  // A broken entry without a code, and a target missing a language.
  pugi::xml_node list = FProject.Targets().Item(0).child("options").child("encodings").child("output_language_list");
  list.append_child("language").append_child("code");
  EXPECT_FALSE(ApplyProjectLanguages(FProject, QStringLiteral("en"), {"de", "fr", "it"}));
  EXPECT_FALSE(FProject.Modified());
  EXPECT_EQ(OutputCodes(FProject, 0), QStringList({"de", "fr", "it"}));
  EXPECT_EQ(OutputCodes(FProject, 1), QStringList({"de", "fr", "it"}));
  EXPECT_TRUE(FProject.Targets().Item(1).select_node(".//output_language_list/language/encoding"));
}

} // namespace
