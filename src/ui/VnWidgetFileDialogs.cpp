#include "ui/VnWidgetFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace {

// The first extension of a filter's patterns ("*.tmx" gives "tmx").
QString ExtensionOf(const QString &nameFilter) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(nameFilter);
  return m.hasMatch() ? m.captured(1) : QString();
}

TVnFileDialogResult Run(const TVnFileDialogRequest &request, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), request.Title);
  const QStringList filters = VnQtNameFilters(request.Filter);
  dialog.setNameFilters(filters);
  if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.FilterIndex - 1]);
  dialog.setDefaultSuffix(request.DefaultExt);
  if (!request.FileName.isEmpty())
    dialog.selectFile(request.FileName);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
    // Choosing another file type changes the extension a bare name gets.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
      const QString extension = ExtensionOf(filter);
      if (!extension.isEmpty())
        dialog.setDefaultSuffix(extension);
    });
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.MultiSelect ? QFileDialog::ExistingFiles
                                           : (request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
  }
  if (dialog.exec() != QDialog::Accepted)
    return {};
  return {dialog.selectedFiles(), int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

} // namespace

QStringList VnQtNameFilters(const QString &filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses of the description.
    QString description = parts[i];
    const qsizetype paren = description.indexOf(QLatin1Char('('));
    if (paren >= 0)
      description = description.left(paren).trimmed();
    result.append(QStringLiteral("%1 (%2)").arg(description, patterns));
  }
  return result;
}

TVnFileDialogResult TVnWidgetFileDialogs::Open(const TVnFileDialogRequest &request) { return Run(request, false); }

TVnFileDialogResult TVnWidgetFileDialogs::Save(const TVnFileDialogRequest &request) { return Run(request, true); }
