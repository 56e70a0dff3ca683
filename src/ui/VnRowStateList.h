#pragma once

#include <QString>

#include <vector>

class TVnV7Project;
class TVnProgress;

/// Translation progress by context: one entry per string row of the current
/// target view with the row's context (and, for all targets, its target's
/// file path) and its state, sorted by context so that the rows of a tree
/// group are found by a binary search.
class TVnRowStateList {
public:
  /// States below 0: -2 a read-only row, -1 no translation status; 0..4 the
  /// statuses "fuzzy" to "ready".
  enum : int { stReadOnly = -2, stNone = -1 };

  struct TEntry {
    QString Key; // case-folded context (followed by the file path for all targets)
    int State = stNone;
    int Row = 0;
  };

  /// Rebuilds the list from the project's current target view. With `reuse`
  /// and a list of the same length only the states are renewed, row by row;
  /// rows that share a context keep entries of their own either way.
  void Rebuild(TVnV7Project &project, bool allTargets, bool reuse, TVnProgress *progress);
  void Clear();
  int Size() const { return int(FEntries.size()); }
  bool IsEmpty() const { return FEntries.empty(); }
  const std::vector<TEntry> &Entries() const { return FEntries; }

  /// Counts the entries of group `path` (its rows' contexts begin with
  /// `path` + "."; every entry for an empty path): read-only entries are
  /// skipped, the others add to `total` and, with a status, to `translated`.
  void Counts(const QString &path, int &translated, int &total) const;

private:
  std::vector<TEntry> FEntries;
  std::vector<int> FPositionOfRow; // row -> index into FEntries
};

/// The state of one row as the list keeps it.
int VnRowState(const QString &readOnly, const QString &transStatus);
