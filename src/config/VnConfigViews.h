#pragma once

// Sections of the views: the target tree, the grid and the translation area.

#include "config/VnConfigSection.h"
#include "config/VnConfigValues.h"

#include <optional>

/// Section "tree": the target tree's font and switches.
class TVnConfigTree : public TVnConfigSection {
public:
  explicit TVnConfigTree(pugi::xml_document &doc) : TVnConfigSection(doc, "tree") {}
  /// No font when none is configured: the tree keeps its built-in font.
  std::optional<TVnFont> GetFont();
};

/// Section "grid": columns, font and whether find passes over removed rows.
class TVnConfigGrid : public TVnConfigSection {
public:
  explicit TVnConfigGrid(pugi::xml_document &doc) : TVnConfigSection(doc, "grid") {}

  /// Columns 1 and 2 (native text and translation) are visible by default.
  bool GetColumnVisible(int column);
  void SetColumnVisible(int column, bool visible);
  int GetColumnWidth(int column, int def);
  void SetColumnWidth(int column, int width);

  std::optional<TVnFont> GetFont();
  /// Stores the font; no font leaves the stored one.
  void SetFont(const std::optional<TVnFont> &font);

  bool GetShowRemoved();
  void SetShowRemoved(bool show);

private:
  pugi::xml_node ColumnNode(int column);
};

/// How a scan treats translations already in the project.
enum class TVnOverwriteTranslations { Always = 0, OnlyEmpty = 1, Never = 2 };

/// Section "translations": the translation area and how translations are kept.
class TVnConfigTranslations : public TVnConfigSection {
public:
  explicit TVnConfigTranslations(pugi::xml_document &doc) : TVnConfigSection(doc, "translations") {}

  std::optional<TVnFont> GetFont();
  void SetFont(const std::optional<TVnFont> &font);

  TVnOverwriteTranslations GetOverwriteTranslations();
  void SetOverwriteTranslations(TVnOverwriteTranslations mode);
  /// Memories store and look up translations by language without country.
  bool GetUseCountryNeutral();
  void SetUseCountryNeutral(bool neutral);
  /// False when absent; reading does not create it.
  bool GetOverrideProjectLangs();
  /// Empty when absent; reading does not create it.
  QString GetImportersSourceLang();
  void SetImportersSourceLang(const QString &code);
};
