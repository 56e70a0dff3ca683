#pragma once

// The catalogue of validation rules as the validation engine and its dialogs
// see it: one row per rule (see config/VnValidationRuleKeys.h), read here by
// index, with the headings of the groups and the names of the severities.

#include "config/VnValidationRuleKeys.h"

#include <QString>

/// Severities of a rule.
enum TVnSeverity { vsNone = 0, vsNormal = 1, vsFatal = 2 };

/// The key under which the rule's settings are stored. Every index operation
/// here raises EVnAssertion for an index outside 0..36.
QString RuleKey(int index);
int DefaultSeverity(int index);
TVnCheckGroup CheckGroup(int index);
/// The rule can repair a translation.
bool IsFixable(int index);
/// The rule looks at a target's or the project's settings rather than at one
/// row; the row engine treats it as passed.
bool IsSettingsCheck(int index);

/// "None", "Normal" or "Fatal"; any other value raises EVnError.
QString SeverityString(int severity);
/// The heading the rules of a group are listed under; empty for the user
/// symbols, which have a pane of their own.
QString CheckGroupHeading(TVnCheckGroup group);
