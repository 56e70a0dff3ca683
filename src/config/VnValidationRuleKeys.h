#pragma once

// The validation rules as the configuration stores them. One table, one row per
// rule, in the rules' fixed order: the key under which a rule's settings are
// stored, its default severity, the heading it is listed under, whether the
// rule can repair a translation and whether it judges settings rather than rows. The validation settings read the keys and
// defaults; the validation engine (src/validation) reads the same rows.
//
// The table lives here rather than in the validation library because the
// configuration store sits below it and needs the keys and defaults when it
// loads; the validation library builds its catalogue on these rows.

#include <span>

/// The heading under which a rule is listed.
enum class TVnCheckGroup {
  Row,     ///< "Row validations"
  Source,  ///< "Localization source validations": the native text only
  Target,  ///< "Target-specific validations"
  Project, ///< "Project-wide validations"
  Symbols, ///< the user symbols, listed in their own pane
};

/// One validation rule.
struct TVnValidationRuleKey {
  const char *Name;    ///< key of its settings ("index_rule")
  int DefaultSeverity; ///< 0 none, 1 normal, 2 fatal
  TVnCheckGroup Group;
  bool Fixable;       ///< the rule can repair the translation
  bool SettingsCheck; ///< judged over targets and the project, not per row
};

/// Number of validation rules; indexes run from 0 to VnValidationRuleCount - 1.
inline constexpr int VnValidationRuleCount = 37;

/// Every rule in index order.
std::span<const TVnValidationRuleKey> VnValidationRuleKeys();
/// The row of rule `index`; an index outside the table raises EVnAssertion.
const TVnValidationRuleKey &VnValidationRuleKey(int index);
/// Raises EVnAssertion unless `index` names a rule.
void VnCheckValidationRuleIndex(int index);

/// Time to fix, in seconds, of a rule whose settings give none.
inline constexpr int VnDefaultTimeFix = 30;
