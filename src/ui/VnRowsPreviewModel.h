#pragma once

#include <QAbstractTableModel>

class TVnV7Project;

/// A read-only table of the current target view's rows (name, native text,
/// translation, status), asking the project for each cell. It holds the place
/// of the translation grid in the main window.
class TVnRowsPreviewModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit TVnRowsPreviewModel(TVnV7Project &project, QObject *parent = nullptr);

  /// Re-reads the row count after the project changed.
  void Reload();

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  TVnV7Project &FProject; // not owned
  int FRows = 0;
};
