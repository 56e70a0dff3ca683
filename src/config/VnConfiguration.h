#pragma once

#include "config/VnConfigDialogs.h"
#include "config/VnConfigEnvironment.h"
#include "config/VnConfigPluginSections.h"
#include "config/VnConfigProjects.h"
#include "config/VnConfigSegmentRules.h"
#include "config/VnConfigToolSections.h"
#include "config/VnConfigValidation.h"
#include "config/VnConfigViews.h"

#include <QString>

#include <pugixml.hpp>

/// The per-installation settings of the program: one XML document with a
/// section per child of the root "options". Every read finds or creates what it
/// needs, so the saved file holds a value for each setting the program used.
/// Destroying the store does not save it.
class TVnConfiguration {
public:
  /// A store over `fileName`; an empty name uses VnDefaultConfigFileName().
  explicit TVnConfiguration(QString fileName = {});
  TVnConfiguration(const TVnConfiguration &) = delete;
  TVnConfiguration &operator=(const TVnConfiguration &) = delete;

  /// Reads the configuration file. A missing file leaves the defaults. A file
  /// that parses is copied to the backup. A file that is not a settings
  /// document is set aside with the suffix ".broken", the user is told once,
  /// and the backup is read instead; when that fails too the defaults are
  /// used. A file that cannot be read at all is left alone and not saved over.
  /// Never throws; a half-read document is never kept. Then the validation
  /// settings are prepared (created with their defaults when missing).
  void LoadConfiguration();
  /// Reads the configuration without touching any file: no backup, nothing
  /// set aside, no message; an unreadable file gives the defaults. The store
  /// then refuses to save. For tools that only consult the user's settings.
  void LoadConfigurationReadOnly();
  /// Writes the whole document to the configuration file, replacing it only
  /// once the new content is on disk. Throws EVnError naming the file. Does
  /// nothing when the file existed but could not be read. Symbol edits held
  /// by the validation section are written into the document first.
  void SaveConfiguration();

  const QString &FileName() const { return FFileName; }
  QString BackupFileName() const { return FFileName + QStringLiteral(".bak"); }
  pugi::xml_document &Document() { return FDoc; }

  TVnConfigEnvironment &Environment() { return FEnvironment; }
  TVnConfigTree &Tree() { return FTree; }
  TVnConfigProjects &Projects() { return FProjects; }
  TVnConfigGrid &Grid() { return FGrid; }
  TVnConfigImporters &Importers() { return FImporters; }
  TVnConfigSegmentRules &SegmentRules() { return FSegmentRules; }
  TVnConfigTranslations &Translations() { return FTranslations; }
  TVnConfigDialogs &Dialogs() { return FDialogs; }
  TVnConfigVisEditors &VisEditors() { return FVisEditors; }
  TVnConfigTM &TM() { return FTM; }
  TVnConfigProjectCheck &ProjectCheck() { return FProjectCheck; }
  TVnConfigValidation &Validation() { return FValidation; }
  TVnConfigProductivity &Productivity() { return FProductivity; }
  TVnConfigBatchLangCopy &BatchLangCopy() { return FBatchLangCopy; }
  TVnConfigBatchTranslation &BatchTranslation() { return FBatchTranslation; }
  /// The section whose element is `elementName` (the section a generic key
  /// names); raises EVnAssertion for an unknown name.
  TVnConfigSection &Section(const char *elementName);

private:
  void Reset();
  void LoadDocument();
  /// Parses `bytes` into the document; false (document reset) when they are
  /// not XML or not a settings document.
  bool TryParse(const QByteArray &bytes, const QString &fileName, QString *error);
  bool TryLoadBackup();
  void SetAsideBrokenFile(const QString &error);
  QString UsedInstead(bool fromBackup) const;

  QString FFileName;
  bool FSaveBlocked = false; // the file exists but could not be read
  pugi::xml_document FDoc;
  // Sections in the order of the document's elements.
  TVnConfigEnvironment FEnvironment{FDoc};
  TVnConfigTree FTree{FDoc};
  TVnConfigProjects FProjects{FDoc};
  TVnConfigGrid FGrid{FDoc};
  TVnConfigImporters FImporters{FDoc};
  TVnConfigSegmentRules FSegmentRules{FDoc};
  TVnConfigTranslations FTranslations{FDoc};
  TVnConfigDialogs FDialogs{FDoc};
  TVnConfigVisEditors FVisEditors{FDoc};
  TVnConfigTM FTM{FDoc};
  TVnConfigProjectCheck FProjectCheck{FDoc};
  TVnConfigValidation FValidation{FDoc};
  TVnConfigProductivity FProductivity{FDoc};
  TVnConfigBatchLangCopy FBatchLangCopy{FDoc};
  TVnConfigBatchTranslation FBatchTranslation{FDoc};
};

/// Where the configuration lives: $VANTRIA_CONFIG when set; else
/// "vantriadesk.vno" beside the program when that file exists and is writable
/// (a portable installation); else ~/.config/vantria/vantriadesk.vno.
QString VnDefaultConfigFileName();

/// The process's one configuration store.
TVnConfiguration &VnConfig();
