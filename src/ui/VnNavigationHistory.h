#pragma once

#include <QList>
#include <QString>

/// A node of the project tree, named so that it survives a rebuild of the tree.
struct TVnTreeNodeRef {
  /// Target index; -1 is the "All strings" node.
  int Target = -1;
  /// 0 the target node itself, 1 "String data", 2 "Custom data".
  int Group = 0;
  /// Segments below the group joined by "."; empty for the group itself.
  QString Path;
  bool operator==(const TVnTreeNodeRef &) const = default;
};

/// One step of the grid's navigation history.
struct TVnTreeNavigationItem {
  int RowPosition = -1; // the focused row's position in display order
  int TargetIndex = -1; // the project's current target then
  TVnTreeNodeRef Node;  // the tree's focused node then
  bool operator==(const TVnTreeNavigationItem &) const = default;
};

/// The back and forward history of focused grid rows.
class TVnNavigationHistory {
public:
  /// While off (during Navigate), Record does nothing.
  bool Recording() const { return FRecording; }
  void SetRecording(bool on) { FRecording = on; }

  /// Drops every entry after the current one and appends `item`.
  void Record(const TVnTreeNavigationItem &item);
  /// Drops every entry after the current one.
  void Truncate();
  void Clear();
  /// Moves by `offset` entries; the entry to show, or null when out of range.
  const TVnTreeNavigationItem *Move(int offset);
  /// Entries before the current one, oldest first.
  QList<TVnTreeNavigationItem> BackList() const;
  /// Entries after the current one, newest first.
  QList<TVnTreeNavigationItem> ForwardList() const;
  int Position() const { return FPosition; }
  int Count() const { return int(FItems.size()); }

private:
  QList<TVnTreeNavigationItem> FItems;
  int FPosition = -1;
  bool FRecording = true;
};
