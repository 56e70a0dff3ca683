#pragma once

#include "config/VnConfigSection.h"

#include <QString>

/// One segmentation rule: how the delimiter splits a text (0 before, 1 at,
/// 2 after, 3 at a tag), the delimiter or its name, and whether it is found
/// with regard to case.
struct TVnSegmentRule {
  int Mode = 0;
  QString Delimiter;
  bool CaseSensitive = false;

  bool operator==(const TVnSegmentRule &) const = default;
};

/// Section "rulesset": the ordered segmentation rules, one "rule" element
/// each, addressed by position. Rule indexes outside 0..RuleCount()-1 raise
/// EVnAssertion.
class TVnConfigSegmentRules : public TVnConfigSection {
public:
  explicit TVnConfigSegmentRules(pugi::xml_document &doc) : TVnConfigSection(doc, "rulesset") {}

  int RuleCount();
  TVnSegmentRule GetRule(int index);
  void AddRule(const TVnSegmentRule &rule);
  void ChangeRule(int index, const TVnSegmentRule &rule);
  void DeleteRule(int index);
  /// Removes every rule (the section's whole content).
  void ClearRules();

  /// Writes the section as a rules file ("*.segrules"); throws EVnError naming the file.
  void ExportRules(const QString &fileName);
  /// Replaces the rules with those of a rules file. A file that cannot be
  /// read, is not XML or is not a rules file raises EVnError and leaves the
  /// rules as they were.
  void ImportRules(const QString &fileName);

private:
  pugi::xml_node RuleNode(int index);
};
