#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <vector>

class TVnV7Project;
class TVnV7ProjectTarget;

/// A named list of items kept as the children of one container element under
/// the root ("target" items in "targets", "language" in "languages", "exclude"
/// in "excludes", "info" in "infos"), with a current item.
class TVnV7ProjectSection {
public:
  TVnV7ProjectSection(TVnV7Project &project, QString name);
  ~TVnV7ProjectSection();

  const QString &Name() const { return FName; }
  /// The container element; null when it does not exist.
  pugi::xml_node Container() const;
  /// Number of items; 0 when the container does not exist.
  int Count() const;
  /// The item element at `index`; null when there is none.
  pugi::xml_node Item(int index) const;

  int ItemIndex() const { return FItemIndex; }
  /// Selects an item: an index past the end selects item 0 (none when the
  /// section is empty, without notification); a negative index is kept.
  void SetItemIndex(int index);

  /// Appends an item and returns its index. Targets get `value` as file name;
  /// languages as code (registered with every target); excludes as text with
  /// `kind` as type.
  int Add(const QString &value, const QString &kind = {});
  /// Deletes an item (a language with all its translations) and returns the new count.
  int Delete(int index);

  /// The rows of target `index`; -1 gives the all-targets view. Only for the
  /// target section.
  TVnV7ProjectTarget &GetTarget(int index);
  /// The view of the current target; the all-targets view when none is current.
  TVnV7ProjectTarget &GetCurrentTarget();
  /// Which target holds a row of the all-targets view, and the row within it.
  int TargetOfRow(int row, int *localRow);
  /// Re-reads the target objects from the document and recounts their rows.
  void Reload();
  /// Forgets every target object: the document they referred to is gone.
  void DropTargets();

private:
  bool TargetsStale(int index) const;
  void EnsureTargets();

  TVnV7Project &FProject;
  QString FName;
  QByteArray FItemElement;      // FName as an element name
  QByteArray FContainerElement; // FName followed by "s"
  int FItemIndex = -1;
  // Target section only: one view per target element and the all-targets view.
  std::vector<std::unique_ptr<TVnV7ProjectTarget>> FTargets;
  std::unique_ptr<TVnV7ProjectTarget> FAllTargets;
  pugi::xml_node FSeenContainer;
  quint64 FTargetsAt = 0; // structure counter the target views were read at
};
