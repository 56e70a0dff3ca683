#pragma once

#include <QString>

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class TVnV7Project;

/// The rows of one target, or of all targets together (the string rows of each
/// enabled target one after the other). Row elements are indexed in vectors
/// rebuilt when the project's structure counter changes, so reading any row
/// costs the same whether it is row 10 or row 900,000.
class TVnV7ProjectTarget {
public:
  /// A view of `element`; a null element stands for all targets.
  TVnV7ProjectTarget(TVnV7Project &project, pugi::xml_node element);

  pugi::xml_node Element() const { return FElement; }
  bool IsAllTargets() const { return !FElement; }

  /// Fixes the language of translation fields while on (a walk over many rows
  /// reads one language); off returns to the active language.
  void SetCaching(bool on);
  bool Caching() const { return FCaching; }

  /// Rows of `stringdata` (true), or of all row lists (false). A disabled
  /// target has no rows.
  int RowCount(bool stringRowsOnly);
  /// Forgets the counts and indexes; they are rebuilt on the next use. They
  /// are also rebuilt whenever the project's structure counter moved.
  void Recount();
  /// The element of a row of this view; null when there is none.
  pugi::xml_node GetRowXml(int row);
  /// Which target (index) holds the row of the all-targets view, and its row
  /// within that target; -1 when no target holds it.
  int TargetOfRow(int row, int *localRow);

  /// One field of a row as GetRowValue of the project describes it.
  QString GetRowValue(int row, int field);
  /// The first row whose name equals `text` (or begins with it); -1 when none.
  int FindRow(const QString &text, bool prefix);

  /// The language translation fields refer to, as stored in "lang" ids.
  const std::string &LanguageId();

private:
  void EnsureIndexed();
  /// The first row named `text` found through the name index; -1 when the
  /// index knows none (a row renamed since is then found by a full search).
  int IndexedRowNamed(const QString &text);
  void IndexTarget();
  void IndexAllTargets();
  /// A field of a row element; nothing for a field number that does not exist.
  std::optional<QString> ReadField(pugi::xml_node element, int field);

  TVnV7Project &FProject;
  pugi::xml_node FElement;
  bool FCaching = false;
  std::string FCachedLanguageId;

  quint64 FIndexedAt = 0;     // structure counter the indexes were built at
  bool FIndexed = false;
  std::vector<pugi::xml_node> FStringRows;
  std::vector<pugi::xml_node> FCustomRows;
  std::vector<int> FRowStarts; // all-targets view: first row of each target
  // Name index, built on the first search by name and again when rows or names
  // change: (hash of name, row) sorted, 16 bytes a row; every hit is checked
  // against the row's current name, and a name it lacks is searched in full
  // (code that edits the document directly may have renamed a row).
  std::vector<std::pair<std::size_t, int>> FNameHashes;
  quint64 FNamesAt = 0;
  quint64 FNamesVersion = 0;
  bool FNamesBuilt = false;
};
