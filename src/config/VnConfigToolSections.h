#pragma once

// Sections of the visual editors, the integrity check and the batch tools.

#include "config/VnConfigSection.h"

#include <QString>

/// Section "visualeditors": the visual editor plug-ins the user switched off.
class TVnConfigVisEditors : public TVnConfigSection {
public:
  explicit TVnConfigVisEditors(pugi::xml_document &doc) : TVnConfigSection(doc, "visualeditors") {}
  /// False when a "disableeditor" element anywhere in the section names the
  /// editor's file name (its extension removed, case ignored).
  bool IsEditorEnabled(const QString &fileName);
};

/// Section "project_integrity_check": generic keys only.
class TVnConfigProjectCheck : public TVnConfigSection {
public:
  explicit TVnConfigProjectCheck(pugi::xml_document &doc)
      : TVnConfigSection(doc, "project_integrity_check") {}
};

/// Section "productivity_expert": generic keys only.
class TVnConfigProductivity : public TVnConfigSection {
public:
  explicit TVnConfigProductivity(pugi::xml_document &doc)
      : TVnConfigSection(doc, "productivity_expert") {}
};

/// Section "batch_lang_copy": the batch language copy's languages and switches.
class TVnConfigBatchLangCopy : public TVnConfigSection {
public:
  explicit TVnConfigBatchLangCopy(pugi::xml_document &doc) : TVnConfigSection(doc, "batch_lang_copy") {}
  /// Empty when absent; reading does not create it.
  QString GetSourceLang();
  void SetSourceLang(const QString &code);
  /// Empty when absent; reading does not create it.
  QString GetTargetLang();
  void SetTargetLang(const QString &code);
};

/// Section "batch_translation_settings": generic keys only.
class TVnConfigBatchTranslation : public TVnConfigSection {
public:
  explicit TVnConfigBatchTranslation(pugi::xml_document &doc)
      : TVnConfigSection(doc, "batch_translation_settings") {}
};
