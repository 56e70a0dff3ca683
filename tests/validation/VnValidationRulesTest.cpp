#include "validation/VnValidationRules.h"

#include "core/VnError.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(VnValidationRules, TheCatalogueHasOneRowPerRuleInItsFixedOrder) {
  ASSERT_EQ(VnValidationRuleKeys().size(), 37u);
  EXPECT_EQ(RuleKey(0), QStringLiteral("MissTranslation"));
  EXPECT_EQ(RuleKey(20), QStringLiteral("InvalidUserSymbols"));
  EXPECT_EQ(RuleKey(30), QStringLiteral("LostedVNZLink"));
  EXPECT_EQ(RuleKey(36), QStringLiteral("MissLinefeed"));
  QSet<QString> keys;
  for (int i = 0; i < VnValidationRuleCount; ++i)
    keys.insert(RuleKey(i));
  EXPECT_EQ(keys.size(), 37) << "keys are unique";
}

TEST(VnValidationRules, SeveritiesGroupsAndFixesPerRule) {
  const QSet<int> fatal{1, 2, 3, 15, 17, 23, 24, 25, 30, 34};
  const QSet<int> fixable{6, 7, 8, 9, 10, 11, 12, 13, 19, 22, 26, 31, 32};
  const QSet<int> source{14, 15, 21, 34}, target{19, 24, 29}, project{27};
  const QSet<int> settings{19, 24, 27, 28, 29};
  for (int i = 0; i < VnValidationRuleCount; ++i) {
    const int expected = i == 0 ? 0 : fatal.contains(i) ? 2 : 1;
    EXPECT_EQ(DefaultSeverity(i), expected) << i;
    EXPECT_EQ(IsFixable(i), fixable.contains(i)) << i;
    EXPECT_EQ(IsSettingsCheck(i), settings.contains(i)) << i;
    const TVnCheckGroup group = i == 20               ? TVnCheckGroup::Symbols
                                : source.contains(i)  ? TVnCheckGroup::Source
                                : target.contains(i)  ? TVnCheckGroup::Target
                                : project.contains(i) ? TVnCheckGroup::Project
                                                      : TVnCheckGroup::Row;
    EXPECT_EQ(CheckGroup(i), group) << i;
  }
  EXPECT_EQ(CheckGroupHeading(TVnCheckGroup::Source), QStringLiteral("Localization source validations"));
  EXPECT_EQ(CheckGroupHeading(TVnCheckGroup::Row), QStringLiteral("Row validations"));
}

TEST(VnValidationRules, BadIndexesAndSeveritiesAreRefused) {
  for (int i : {-1, 37}) {
    EXPECT_THROW(RuleKey(i), EVnAssertion) << i;
    EXPECT_THROW(DefaultSeverity(i), EVnAssertion) << i;
    EXPECT_THROW(IsSettingsCheck(i), EVnAssertion) << i;
  }
  EXPECT_EQ(SeverityString(0), QStringLiteral("None"));
  EXPECT_EQ(SeverityString(1), QStringLiteral("Normal"));
  EXPECT_EQ(SeverityString(2), QStringLiteral("Fatal"));
  try {
    SeverityString(3);
    ADD_FAILURE() << "no error";
  } catch (const EVnError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Invalid param in VnValidation.GetSeverityString"));
  }
}

} // namespace
