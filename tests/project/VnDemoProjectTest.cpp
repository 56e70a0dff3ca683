// The demo project is what a new user sees first: it must show every state a
// row and a translation can be in.

#include "project/VnV7Project.h"

#include "core/VnFolders.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(VnDemoProject, ShowsEveryRowAndTranslationState) {
  TVnV7Project project;
  ASSERT_TRUE(project.Open(SharedApplicationFolder() + QStringLiteral("demo/Sample Editor.v7p")));
  EXPECT_EQ(project.Targets().Count(), 2);
  EXPECT_EQ(project.Languages().Count(), 3);

  QSet<QString> rowStatuses, transStatuses;
  bool comment = false, maxLength = false, readOnly = false, testTranslation = false;
  project.Targets().SetItemIndex(-1);
  for (int language = 0; language < project.Languages().Count(); ++language) {
    project.Languages().SetItemIndex(language);
    for (int row = 0; row < project.RowCount(); ++row) {
      rowStatuses.insert(project.GetRowValue(row, rfRowStatus));
      transStatuses.insert(project.GetRowValue(row, rfTransStatus));
      comment |= !project.GetRowValue(row, rfRowComment).isEmpty();
      maxLength |= !project.GetRowValue(row, rfMaxLength).isEmpty();
      readOnly |= project.GetRowValue(row, rfReadOnly) == QLatin1String("yes");
      testTranslation |= !project.GetRowValue(row, rfTestTranslation).isEmpty();
    }
  }
  for (const char *status : kVnRowStatuses)
    EXPECT_TRUE(rowStatuses.contains(QLatin1String(status))) << status;
  for (const char *status : kVnTransStatuses)
    EXPECT_TRUE(transStatuses.contains(QLatin1String(status))) << status;
  EXPECT_TRUE(comment && maxLength && readOnly && testTranslation);
}

} // namespace
