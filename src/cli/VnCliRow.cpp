// vantria row: one row, field by field, as the program reads it.

#include "cli/VnCliMain.h"
#include "cli/VnCliProject.h"

#include "project/VnV7Project.h"

#include <QTextStream>

namespace {

// The fields in their numbered order, with their names in text and in JSON.
const struct {
  int Field;
  const char *Label;
  const char *Key;
} kFields[] = {
    {rfName, "name", "name"},
    {rfNative, "native text", "native"},
    {rfTranslation, "translation", "translation"},
    {rfRowComment, "row comment", "comment"},
    {rfTransComment, "translation comment", "translation_comment"},
    {rfMaxLength, "maximum length", "maxchar"},
    {rfReadOnly, "read-only", "readonly"},
    {rfTransStatus, "translation status", "translation_status"},
    {rfTestTranslation, "test translation", "test"},
    {rfEditorNote, "editor note", "editor"},
    {rfCheckout, "check-out mark", "checkout"},
    {rfRowStatus, "row status", "status"},
};

void SelectLanguage(TVnV7Project &project, const QString &code) {
  for (int l = 0; l < project.Languages().Count(); ++l)
    if (project.GetLanguage(l) == code) {
      project.Languages().SetItemIndex(l);
      return;
    }
  throw EVnUsage(QStringLiteral("\"%1\" is not a language of the project \"%2\".").arg(code, project.FileName()));
}

} // namespace

int VnCliRow(const QStringList &args, QTextStream &out) {
  const TVnCliArgs parsed(args, {QStringLiteral("--json")}, {QStringLiteral("--lang")});
  const QStringList &positional = parsed.Expect(3, "row FILE TARGET ROW [--lang CODE] [--json]");
  const int target = VnCliInt(positional[1], "TARGET");
  const int row = VnCliInt(positional[2], "ROW");
  TVnV7Project project;
  VnCliOpen(project, positional[0]);
  if (target < -1 || target >= project.Targets().Count())
    throw EVnUsage(QStringLiteral("The project \"%1\" has no target %2 (it has %3).")
                       .arg(project.FileName()).arg(target).arg(project.Targets().Count()));
  project.Targets().SetItemIndex(target);
  if (row < 0 || row >= project.RowCountAll())
    throw EVnUsage(QStringLiteral("Target %1 of \"%2\" has no row %3 (it has %4).")
                       .arg(target).arg(project.FileName()).arg(row).arg(project.RowCountAll()));
  if (parsed.Has(QStringLiteral("--lang")) || !parsed.Value(QStringLiteral("--lang")).isEmpty())
    SelectLanguage(project, parsed.Value(QStringLiteral("--lang")));

  QJsonObject json, languages;
  for (const auto &field : kFields) {
    const QString value = project.GetRowValue(row, field.Field);
    json.insert(QLatin1String(field.Key), value);
    if (!parsed.Has(QStringLiteral("--json")))
      out << field.Label << ": " << value << "\n";
  }
  for (int l = 0; l < project.Languages().Count(); ++l) {
    const QString value = project.GetRowValue(row, rfLanguage + l);
    languages.insert(project.GetLanguage(l), value);
    if (!parsed.Has(QStringLiteral("--json")))
      out << "in " << project.GetLanguage(l) << ": " << value << "\n";
  }
  if (parsed.Has(QStringLiteral("--json"))) {
    json.insert(QStringLiteral("lang"), project.GetActiveLanguage());
    json.insert(QStringLiteral("languages"), languages);
    VnCliWriteJson(out, json);
  }
  return ecSuccess;
}
