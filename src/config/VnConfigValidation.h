#pragma once

#include "config/VnConfigSection.h"
#include "config/VnValidationRuleKeys.h"

#include <QList>
#include <QString>

#include <array>

/// Section "validation_settings": severity and time to fix of every validation
/// rule, the translation statuses given after validation, the user symbols
/// (character-set entries) and the length check.
///
/// Severities are cached (refilled lazily after a load, reset, import or
/// replacement). The symbols are edited in a list held here; the list is
/// written back into the document by StoreCharacterSet, which the store calls
/// before every save and the destructor calls once more. Rule indexes outside
/// 0..36 raise EVnAssertion.
class TVnConfigValidation : public TVnConfigSection {
public:
  explicit TVnConfigValidation(pugi::xml_document &doc);
  ~TVnConfigValidation() override;

  /// After the document was loaded: creates the section with the default
  /// settings when it is missing, forgets cached severities and rebuilds the
  /// symbol list. Never throws.
  void Prepare();

  int GetSeverity(int rule);
  void SetSeverity(int rule, int severity);
  /// Seconds to fix an issue of the rule; 30 when not stored.
  int GetTimeFix(int rule);
  void SetTimeFix(int rule, int seconds);

  /// Translation status given to strings that fail, respectively pass,
  /// validation; -1 leaves the status unchanged.
  int GetErrorStatus();
  void SetErrorStatus(int status);
  int GetNoErrorStatus();
  void SetNoErrorStatus(int status);

  /// The user symbols. Indexes at or beyond the count are ignored (reads give
  /// an empty text or false).
  int CharSetCount() const { return int(FCharSet.size()); }
  QString CharSetText(int index) const;
  /// Changes the text in the list; it reaches the document with StoreCharacterSet.
  void SetCharSetText(int index, const QString &text);
  bool CharSetChecked(int index) const;
  void SetCharSetChecked(int index, bool checked);
  /// Appends an entry, unchecked.
  void AddCharSet(const QString &text);
  void DeleteCharSet(int index);
  /// Writes the symbol list into the document's "character_set" items.
  void StoreCharacterSet();

  /// The default settings: the user's "Templates/Default.validationsettings"
  /// when there is one that can be read, else the built-in defaults.
  void ResetToDefaults();
  /// Replaces the settings with those of a validation settings file, keeping
  /// the current statuses and "validatebuild"; rules the file lacks get
  /// severity 1 and 30 seconds. A file that cannot be read or is not a
  /// validation settings file raises EVnError and changes nothing.
  void ImportSettings(const QString &fileName);
  /// Writes the section (with the current symbols) as a validation settings file.
  void ExportSettings(const QString &fileName);
  /// Replaces the whole section by a copy of `element`.
  void ReplaceFrom(pugi::xml_node element);

  bool GetEnableLengthCheck();
  void SetEnableLengthCheck(bool enable);
  int GetLengthCheckPercent();
  void SetLengthCheckPercent(int percent);

private:
  struct TCharSetEntry {
    QString Text;
    bool Checked = true;
  };

  void ResetBuiltIn();
  void ClearSeverityCache();
  void RebuildCharSet();
  pugi::xml_node FindRuleItem(int rule);
  pugi::xml_node EnsureRuleItem(int rule);
  pugi::xml_node CharSetItem(int index, bool create);
  bool ValidCharSetIndex(int index) const { return index >= 0 && index < CharSetCount(); }

  std::array<int, VnValidationRuleCount> FSeverity;
  QList<TCharSetEntry> FCharSet;
};
