#include "config/VnConfigValidation.h"

#include "config/VnConfigValues.h"
#include "core/VnError.h"
#include "core/VnFolders.h"
#include "core/VnXml.h"
#include "core/VnXmlWriter.h"

#include <QFileInfo>

#include <cstring>

namespace {

constexpr const char *kSection = "validation_settings";
constexpr const char *kSeveritySet = "severity_set";
constexpr const char *kCharacterSet = "character_set";
constexpr const char *kItem = "item";
constexpr const char *kIndexRule = "index_rule";

constexpr bool ValidSeverity(int severity) { return severity >= 0 && severity <= 2; }

// A stored severity, or nothing when it is missing, malformed or not one of
// the three severities (a hand-edited 7 would otherwise reach every caller
// that names severities).
std::optional<int> StoredSeverity(pugi::xml_node item) {
  const std::optional<int> value = VnXmlParseInt(VnXmlAttr(item, "severity"));
  return value && ValidSeverity(*value) ? value : std::nullopt;
}

pugi::xml_node FindItem(pugi::xml_node severitySet, const char *ruleName) {
  const QLatin1String name(ruleName);
  for (pugi::xml_node item : severitySet.children(kItem))
    if (VnXmlAttr(item, kIndexRule) == name)
      return item;
  return {};
}

QString DefaultTemplateFile() {
  return UserDocumentsFolder() + QStringLiteral("Templates/Default.validationsettings");
}

} // namespace

TVnConfigValidation::TVnConfigValidation(pugi::xml_document &doc) : TVnConfigSection(doc, kSection) {
  ClearSeverityCache();
}

TVnConfigValidation::~TVnConfigValidation() {
  try {
    StoreCharacterSet();
  } catch (...) {
    // Nothing may leave a destructor; the store saved the list before saving.
  }
}

void TVnConfigValidation::ClearSeverityCache() { FSeverity.fill(-1); }

void TVnConfigValidation::Prepare() {
  ClearSeverityCache();
  FCharSet.clear();
  pugi::xml_node root = Document().document_element();
  if (!root || !root.child(kSection)) {
    GetSectionNode();
    ResetToDefaults();
  }
  RebuildCharSet();
}

// --- rules ------------------------------------------------------------------

pugi::xml_node TVnConfigValidation::FindRuleItem(int rule) {
  return FindItem(GetSectionNode().child(kSeveritySet), VnValidationRuleKey(rule).Name);
}

pugi::xml_node TVnConfigValidation::EnsureRuleItem(int rule) {
  const char *name = VnValidationRuleKey(rule).Name;
  return VnXmlEnsureChildWith(VnXmlEnsureChild(GetSectionNode(), kSeveritySet), kItem, kIndexRule,
                              QString::fromLatin1(name));
}

int TVnConfigValidation::GetSeverity(int rule) {
  const TVnValidationRuleKey &key = VnValidationRuleKey(rule);
  if (FSeverity[rule] >= 0)
    return FSeverity[rule];
  const pugi::xml_node item = FindRuleItem(rule);
  const int severity = item ? StoredSeverity(item).value_or(key.DefaultSeverity) : key.DefaultSeverity;
  FSeverity[rule] = severity;
  return severity;
}

void TVnConfigValidation::SetSeverity(int rule, int severity) {
  VnCheckValidationRuleIndex(rule);
  VnAssert(ValidSeverity(severity), "TVnConfigValidation.SetSeverity: a severity is 0, 1 or 2");
  FSeverity[rule] = severity;
  VnConfigSetAttrInt(EnsureRuleItem(rule), "severity", severity);
}

int TVnConfigValidation::GetTimeFix(int rule) {
  const pugi::xml_node item = FindRuleItem(rule);
  return item ? VnConfigGetAttrInt(item, "time_fix", VnDefaultTimeFix) : VnDefaultTimeFix;
}

void TVnConfigValidation::SetTimeFix(int rule, int seconds) {
  VnConfigSetAttrInt(EnsureRuleItem(rule), "time_fix", seconds);
}

int TVnConfigValidation::GetErrorStatus() { return VnConfigGetAttrInt(GetSectionNode(), "error_status", -1); }
void TVnConfigValidation::SetErrorStatus(int status) { VnConfigSetAttrInt(GetSectionNode(), "error_status", status); }
int TVnConfigValidation::GetNoErrorStatus() { return VnConfigGetAttrInt(GetSectionNode(), "no_error_status", -1); }
void TVnConfigValidation::SetNoErrorStatus(int status) {
  VnConfigSetAttrInt(GetSectionNode(), "no_error_status", status);
}

bool TVnConfigValidation::GetEnableLengthCheck() {
  return VnConfigGetElementBool(GetSectionNode(), "enable_length_check", true);
}
void TVnConfigValidation::SetEnableLengthCheck(bool enable) {
  VnConfigSetElementBool(GetSectionNode(), "enable_length_check", enable);
}
int TVnConfigValidation::GetLengthCheckPercent() {
  return VnConfigGetElementInt(GetSectionNode(), "length_check_percent", 20);
}
void TVnConfigValidation::SetLengthCheckPercent(int percent) {
  VnConfigSetElementInt(GetSectionNode(), "length_check_percent", percent);
}

// --- symbols ----------------------------------------------------------------

void TVnConfigValidation::RebuildCharSet() {
  FCharSet.clear();
  for (pugi::xml_node item : GetSectionNode().child(kCharacterSet).children(kItem))
    FCharSet.append({VnXmlText(item), VnConfigGetAttrBool(item, "checked", true)});
}

pugi::xml_node TVnConfigValidation::CharSetItem(int index, bool create) {
  pugi::xml_node set = create ? VnXmlEnsureChild(GetSectionNode(), kCharacterSet) : GetSectionNode().child(kCharacterSet);
  int i = 0;
  for (pugi::xml_node item : set.children(kItem))
    if (i++ == index)
      return item;
  if (!create)
    return {};
  pugi::xml_node item;
  for (; i <= index; ++i)
    item = set.append_child(kItem);
  return item;
}

QString TVnConfigValidation::CharSetText(int index) const {
  return ValidCharSetIndex(index) ? FCharSet[index].Text : QString();
}

void TVnConfigValidation::SetCharSetText(int index, const QString &text) {
  if (ValidCharSetIndex(index))
    FCharSet[index].Text = text;
}

bool TVnConfigValidation::CharSetChecked(int index) const {
  return ValidCharSetIndex(index) && FCharSet[index].Checked;
}

void TVnConfigValidation::SetCharSetChecked(int index, bool checked) {
  if (!ValidCharSetIndex(index))
    return;
  VnConfigSetAttrBoolNumeric(CharSetItem(index, true), "checked", checked);
  FCharSet[index].Checked = checked;
}

void TVnConfigValidation::AddCharSet(const QString &text) {
  pugi::xml_node item = VnXmlEnsureChild(GetSectionNode(), kCharacterSet).append_child(kItem);
  VnXmlSetText(item, text);
  FCharSet.append({text, false});
}

void TVnConfigValidation::DeleteCharSet(int index) {
  if (!ValidCharSetIndex(index))
    return;
  if (pugi::xml_node item = CharSetItem(index, false))
    item.parent().remove_child(item);
  FCharSet.removeAt(index);
}

void TVnConfigValidation::StoreCharacterSet() {
  for (int i = 0; i < CharSetCount(); ++i) {
    pugi::xml_node item = CharSetItem(i, true);
    VnXmlSetText(item, FCharSet[i].Text);
    VnConfigSetAttrBoolNumeric(item, "checked", FCharSet[i].Checked);
  }
}

// --- whole settings -----------------------------------------------------------

void TVnConfigValidation::ResetToDefaults() {
  const QString templateFile = DefaultTemplateFile();
  if (QFileInfo::exists(templateFile)) {
    try {
      ImportSettings(templateFile);
      return;
    } catch (const EVnError &) {
      // A template that cannot be read must not leave the settings half
      // reset (nor stop the program loading them): the built-in ones apply.
    }
  }
  ResetBuiltIn();
}

void TVnConfigValidation::ResetBuiltIn() {
  SetNoErrorStatus(-1);
  SetErrorStatus(-1);
  for (int rule = 0; rule < VnValidationRuleCount; ++rule) {
    FSeverity[rule] = -1;
    pugi::xml_node item = EnsureRuleItem(rule);
    VnConfigSetAttrInt(item, "severity", VnValidationRuleKey(rule).DefaultSeverity);
    VnConfigSetAttrInt(item, "time_fix", VnDefaultTimeFix);
  }
  pugi::xml_node set = VnXmlEnsureChild(GetSectionNode(), kCharacterSet);
  while (set.first_child())
    set.remove_child(set.first_child());
  FCharSet.clear();
}

void TVnConfigValidation::ImportSettings(const QString &fileName) {
  pugi::xml_document file;
  VnXmlLoadFile(file, fileName);
  pugi::xml_node root = file.document_element();
  // A project or any other document would replace the settings with content
  // that holds none of them.
  if (std::strcmp(root.name(), kSection) != 0)
    throw EVnError(QStringLiteral("The file \"%1\" does not hold validation settings.").arg(fileName));

  pugi::xml_node severitySet = VnXmlEnsureChild(root, kSeveritySet);
  std::array<int, VnValidationRuleCount> severities;
  for (int rule = 0; rule < VnValidationRuleCount; ++rule) {
    const char *name = VnValidationRuleKey(rule).Name;
    if (pugi::xml_node item = FindItem(severitySet, name)) {
      severities[rule] = StoredSeverity(item).value_or(-1);
      continue;
    }
    pugi::xml_node item = severitySet.append_child(kItem);
    VnXmlSetAttr(item, kIndexRule, QString::fromLatin1(name));
    VnConfigSetAttrInt(item, "severity", 1);
    VnConfigSetAttrInt(item, "time_fix", VnDefaultTimeFix);
    severities[rule] = 1;
  }

  // The statuses and the build switch belong to this installation, not to
  // the rule set.
  const int noErrorStatus = GetNoErrorStatus();
  const int errorStatus = GetErrorStatus();
  const bool validateBuild = GetBool(TVnConfigBoolKey::ValidateBuild);
  VnConfigReplaceContent(GetSectionNode(), root);
  SetNoErrorStatus(noErrorStatus);
  SetErrorStatus(errorStatus);
  SetBool(TVnConfigBoolKey::ValidateBuild, validateBuild);
  FSeverity = severities;
  RebuildCharSet();
}

void TVnConfigValidation::ExportSettings(const QString &fileName) {
  // Symbols edited since the last save are part of the settings written.
  StoreCharacterSet();
  pugi::xml_document file;
  file.append_copy(GetSectionNode());
  VnXmlSaveFile(file, fileName);
}

void TVnConfigValidation::ReplaceFrom(pugi::xml_node element) {
  // Copied first: the element may be part of this very section.
  pugi::xml_document copy;
  const pugi::xml_node source = copy.append_copy(element);
  VnConfigReplaceContent(GetSectionNode(), source);
  // Severities read before would otherwise outlive the settings they came from.
  ClearSeverityCache();
  RebuildCharSet();
}
