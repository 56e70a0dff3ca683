// vantria info: what a project holds.

#include "cli/VnCliMain.h"
#include "cli/VnCliProject.h"

#include "project/VnV7Project.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

#include <map>
#include <span>

namespace {

// Statuses in the program's table order, unknown ones after them: the output
// reads like the status tables and is stable.
struct TStatusOrder {
  bool operator()(const QString &a, const QString &b) const { return std::pair(Rank(a), a) < std::pair(Rank(b), b); }
  static int Rank(const QString &status) {
    int rank = 0;
    for (std::span<const char *const> table : {std::span<const char *const>(kVnRowStatuses), std::span<const char *const>(kVnTransStatuses)})
      for (const char *known : table) {
        ++rank;
        if (VnCliStatusKey(QLatin1String(known)) == status)
          return rank;
      }
    return rank + 1;
  }
};
using TCounts = std::map<QString, int, TStatusOrder>;

QJsonObject ToJson(const TCounts &counts) {
  QJsonObject object;
  for (const auto &[key, count] : counts)
    object.insert(key, count);
  return object;
}

QString ToText(const TCounts &counts) {
  QStringList parts;
  for (const auto &[key, count] : counts)
    parts.append(QStringLiteral("%1 %2").arg(key).arg(count));
  return parts.isEmpty() ? QStringLiteral("no rows") : parts.join(QStringLiteral(", "));
}

struct TTargetSummary {
  TVnTargetInfo Info;
  int StringRows = 0;
  int CustomRows = 0;
};

// Rows as the program shows them: the string rows of every enabled target.
struct TProjectSummary {
  QList<TTargetSummary> Targets;
  QStringList Languages;
  int Active = -1;
  TCounts RowStatuses;
  std::map<QString, TCounts> TranslationStatuses;
};

TProjectSummary Summarise(TVnV7Project &project) {
  TProjectSummary summary;
  TVnV7ProjectSection &targets = project.Targets();
  for (int t = 0; t < targets.Count(); ++t) {
    targets.SetItemIndex(t);
    summary.Targets.append({project.GetTargetInfo(t), project.RowCount(), project.RowCountAll() - project.RowCount()});
  }
  TVnV7ProjectSection &languages = project.Languages();
  summary.Active = languages.ItemIndex();
  for (int l = 0; l < languages.Count(); ++l)
    summary.Languages.append(project.GetLanguage(l));

  targets.SetItemIndex(-1);
  const int rows = project.RowCount();
  for (int row = 0; row < rows; ++row)
    ++summary.RowStatuses[VnCliStatusKey(project.GetRowValue(row, rfRowStatus))];
  for (int l = 0; l < summary.Languages.size(); ++l) {
    languages.SetItemIndex(l);
    TCounts &counts = summary.TranslationStatuses[summary.Languages[l]];
    for (int row = 0; row < rows; ++row)
      ++counts[VnCliStatusKey(project.GetRowValue(row, rfTransStatus))];
  }
  languages.SetItemIndex(summary.Active);
  return summary;
}

QJsonObject SummaryJson(TVnV7Project &project, const TProjectSummary &summary) {
  QJsonArray targets;
  for (const TTargetSummary &target : summary.Targets)
    targets.append(QJsonObject{
        {QStringLiteral("filename"), target.Info.FileName},
        {QStringLiteral("scanner"), target.Info.Scanner},
        {QStringLiteral("native_encoding"), QJsonObject{{QStringLiteral("code"), target.Info.NativeLanguage},
                                                        {QStringLiteral("encoding"), target.Info.NativeEncoding}}},
        {QStringLiteral("enabled"), target.Info.Enabled},
        {QStringLiteral("visible"), target.Info.Visible},
        {QStringLiteral("stringdata"), target.StringRows},
        {QStringLiteral("customdata"), target.CustomRows},
    });
  QJsonObject translations;
  for (const auto &[language, counts] : summary.TranslationStatuses)
    translations.insert(language, ToJson(counts));
  return QJsonObject{
      {QStringLiteral("file"), project.FileName()},
      {QStringLiteral("root"), QString::fromUtf8(project.Root().name())},
      {QStringLiteral("version"), QString::fromUtf8(project.Root().attribute("version").value())},
      {QStringLiteral("targets"), targets},
      {QStringLiteral("languages"), QJsonObject{{QStringLiteral("active"), summary.Active},
                                                {QStringLiteral("language"), QJsonArray::fromStringList(summary.Languages)}}},
      {QStringLiteral("rows"), QJsonObject{{QStringLiteral("status"), ToJson(summary.RowStatuses)},
                                           {QStringLiteral("lang"), translations}}},
  };
}

void WriteText(QTextStream &out, TVnV7Project &project, const TProjectSummary &summary) {
  out << "Project: " << project.FileName() << "\n";
  out << "Targets: " << summary.Targets.size() << "\n";
  for (qsizetype t = 0; t < summary.Targets.size(); ++t) {
    const TTargetSummary &target = summary.Targets[t];
    out << "  [" << t << "] " << target.Info.FileName << "\n";
    out << "      scanner: " << (target.Info.Scanner.isEmpty() ? QStringLiteral("(none)") : target.Info.Scanner) << "\n";
    out << "      native language: " << target.Info.NativeLanguage << "\n";
    out << "      enabled: " << (target.Info.Enabled ? "yes" : "no") << ", visible: "
        << (target.Info.Visible ? "yes" : "no") << "\n";
    if (target.Info.Enabled)
      out << "      rows: " << target.StringRows << " string, " << target.CustomRows << " custom\n";
    else
      out << "      rows: not shown while the target is disabled\n";
  }
  QStringList languages;
  for (qsizetype l = 0; l < summary.Languages.size(); ++l)
    languages.append(summary.Languages[l] + (l == summary.Active ? QStringLiteral(" (active)") : QString()));
  out << "Languages: " << (languages.isEmpty() ? QStringLiteral("none") : languages.join(QStringLiteral(", "))) << "\n";
  out << "Rows by status: " << ToText(summary.RowStatuses) << "\n";
  for (const QString &language : summary.Languages)
    out << "Translations into " << language << ": " << ToText(summary.TranslationStatuses.at(language)) << "\n";
}

} // namespace

int VnCliInfo(const QStringList &args, QTextStream &out) {
  const TVnCliArgs parsed(args, {QStringLiteral("--json")});
  const QString fileName = parsed.Expect(1, "info FILE [--json]").first();
  TVnV7Project project;
  VnCliOpen(project, fileName);
  const TProjectSummary summary = Summarise(project);
  if (parsed.Has(QStringLiteral("--json")))
    VnCliWriteJson(out, SummaryJson(project, summary));
  else
    WriteText(out, project, summary);
  return ecSuccess;
}
