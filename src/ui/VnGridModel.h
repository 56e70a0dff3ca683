#pragma once

#include "ui/VnFilterConfig.h"
#include "ui/VnGridRules.h"

#include "project/VnCustomProject.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <optional>
#include <vector>

class TVnV7Project;
class TVnV7ProjectTarget;

/// The translation grid's model: one line per shown row of the project's
/// current target view, one column per row value kind (then one per project
/// language). It keeps only the display order of the shown rows; every cell
/// is read from the project when asked for, and edits go back through
/// SetRowValue unchanged.
class TVnGridModel : public QAbstractTableModel, public TVnProjectListener {
  Q_OBJECT
public:
  enum TRole {
    /// Whether the cell's comment (row comment for column 1, translation
    /// comment for column 2) is not empty: the view marks such cells.
    CommentRole = Qt::UserRole + 1,
    /// The project row shown on a line.
    ProjectRowRole,
  };
  /// Columns before the per-language preview columns.
  static constexpr int kFixedColumns = 12;

  explicit TVnGridModel(TVnV7Project &project, QObject *parent = nullptr);
  ~TVnGridModel() override;

  TVnV7Project &Project() { return FProject; }
  TVnFilterConfig &FilterConfig() { return FFilter; }

  /// Rebuilds the shown rows from the project with every filter applied.
  void RefreshView();
  /// Ends a running refresh at its next row.
  void CancelRefresh();
  bool Refreshing() const { return FRefreshing; }
  /// Rows hidden by the last refresh because their status is "removed".
  int RemovedCount() const { return FRemovedCount; }

  /// Narrows the grid to a group of contexts; refreshes when it changed and `refresh`.
  void SetContextPrefix(const QString &prefix, bool refresh = true);
  const QString &ContextPrefix() const { return FPrefix; }
  void SetLengthCheck(const TVnLengthCheck &check) { FLengthCheck = check; }
  const TVnLengthCheck &LengthCheck() const { return FLengthCheck; }

  /// Sorts by a column's cell texts (locale-aware, case-sensitive); column -1
  /// restores project order.
  void SetSortColumn(int column, Qt::SortOrder order);
  int SortColumn() const { return FSortColumn; }
  Qt::SortOrder SortOrder() const { return FSortOrder; }

  /// The project row on a line; -1 when there is none.
  int ProjectRow(int position) const;
  /// The line showing a project row; -1 when the row is hidden.
  int PositionOfRow(int row) const;
  /// Whether a project row passes the visibility rule (without the
  /// same-native filter, which looks at all rows together).
  bool RowVisible(int row);

  bool IsReadOnly(int row);
  void SetReadOnly(int row, bool readOnly);
  /// Advances the row status and/or the translation status of every given row,
  /// telling the views once.
  void ToggleStatuses(const QList<int> &rows, bool rowStatus, bool transStatus);
  /// Writes a cell as an edit does; false when the text was already there.
  bool WriteCell(int row, int column, const QString &text);
  /// Writes one column of many rows, telling the views once.
  void WriteCells(const QList<int> &rows, int column, const QString &text);

  /// Called about every 16 ms during a refresh so that the window stays alive.
  std::function<void()> OnYield;
  /// How often OnYield runs, in milliseconds (16 unless changed).
  void SetYieldInterval(int ms) { FYieldMs = ms; }
  /// Seam for the validation engine: a row checked on its own, 0 without a
  /// failure, 1 a warning, 2 an error. Until it is set the validation
  /// filters let every row pass.
  std::function<int(int row)> ValidateRow;
  /// Seam for the validation engine: a cell's background, when it has one.
  std::function<std::optional<QColor>(int row, int column)> CellColour;
  /// Seam for bookmarks: the image of a row's native cell, when it has one.
  std::function<QVariant(int row)> BookmarkImage;

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role) override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
  /// A refresh finished (also after the grid was emptied).
  void Refreshed();
  /// A cell was written through the model; row -1 after a write to many rows.
  void CellWritten(int row, int column);

protected:
  void ProjectUpdated(int kind) override;

private:
  /// One pass of a refresh; false when the view changed under it and the
  /// pass must start over.
  bool CollectRows();
  bool RowVisibleIn(TVnV7ProjectTarget &view, int row, bool *removed);
  void ApplySameNativeFilter(TVnV7ProjectTarget &view, std::vector<int> &rows);
  void SortRows(TVnV7ProjectTarget &view, std::vector<int> &rows);
  void Install(std::vector<int> rows, int languages);
  QVariant Background(int row, int column) const;

  TVnV7Project &FProject; // not owned
  TVnFilterConfig FFilter;
  std::vector<int> FRows; // display order -> project row
  std::vector<int> FPositionOf; // project row -> display order, -1 when hidden
  bool FBulk = false; // one notification for a write to many rows
  int FLanguages = 0;
  QString FPrefix;
  int FRemovedCount = 0;
  int FYieldMs = 16;
  bool FRefreshing = false;
  quint64 FRefreshGeneration = 0;
  TVnLengthCheck FLengthCheck;
  int FSortColumn = -1;
  Qt::SortOrder FSortOrder = Qt::AscendingOrder;
};
