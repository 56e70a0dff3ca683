#include "ui/VnRowsPreviewModel.h"

#include "project/VnV7Project.h"

#include "core/VnLanguages.h"

namespace {

const struct {
  int Field;
  const char *Caption;
} kColumns[] = {
    {rfName, "Context"},
    {rfNative, "Native Text"},
    {rfTranslation, "Translation"},
    {rfTransStatus, "Status"},
};

} // namespace

TVnRowsPreviewModel::TVnRowsPreviewModel(TVnV7Project &project, QObject *parent)
    : QAbstractTableModel(parent), FProject(project) {}

void TVnRowsPreviewModel::Reload() {
  beginResetModel();
  FRows = FProject.Opened() ? FProject.RowCount() : 0;
  endResetModel();
}

int TVnRowsPreviewModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : FRows; }

int TVnRowsPreviewModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(std::size(kColumns));
}

QVariant TVnRowsPreviewModel::data(const QModelIndex &index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= FRows)
    return {};
  // One line per row: line breaks and tabs are shown as symbols.
  QString text = FProject.GetRowValue(index.row(), kColumns[index.column()].Field);
  text.replace(QLatin1String("\r\n"), QString(QChar(0x21B5)))
      .replace(QLatin1Char('\n'), QChar(0x21B5))
      .replace(QLatin1Char('\t'), QChar(0x2192));
  return text;
}

QVariant TVnRowsPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
    return {};
  QString caption = QString::fromLatin1(kColumns[section].Caption);
  if (kColumns[section].Field == rfTranslation) {
    const QString language = FProject.GetActiveLanguage();
    if (!language.isEmpty())
      caption = QStringLiteral("Translation (%1)").arg(DisplayNameOfCode(language));
  }
  return caption;
}

#include "moc_VnRowsPreviewModel.cpp"
