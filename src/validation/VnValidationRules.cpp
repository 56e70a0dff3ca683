#include "validation/VnValidationRules.h"

#include "core/VnError.h"

QString RuleKey(int index) { return QLatin1String(VnValidationRuleKey(index).Name); }

int DefaultSeverity(int index) { return VnValidationRuleKey(index).DefaultSeverity; }

TVnCheckGroup CheckGroup(int index) { return VnValidationRuleKey(index).Group; }

bool IsFixable(int index) { return VnValidationRuleKey(index).Fixable; }

bool IsSettingsCheck(int index) { return VnValidationRuleKey(index).SettingsCheck; }

QString SeverityString(int severity) {
  switch (severity) {
  case vsNone:
    return QStringLiteral("None");
  case vsNormal:
    return QStringLiteral("Normal");
  case vsFatal:
    return QStringLiteral("Fatal");
  }
  throw EVnError(QStringLiteral("Invalid param in VnValidation.GetSeverityString"));
}

QString CheckGroupHeading(TVnCheckGroup group) {
  switch (group) {
  case TVnCheckGroup::Source:
    return QStringLiteral("Localization source validations");
  case TVnCheckGroup::Project:
    return QStringLiteral("Project-wide validations");
  case TVnCheckGroup::Target:
    return QStringLiteral("Target-specific validations");
  case TVnCheckGroup::Row:
    return QStringLiteral("Row validations");
  case TVnCheckGroup::Symbols:
    break;
  }
  return {};
}
