// vantria check: the integrity check, and with --fix the repaired project saved.

#include "cli/VnCliMain.h"
#include "cli/VnCliProject.h"

#include "config/VnConfiguration.h"
#include "project/VnV7Project.h"

#include <QTextStream>

int VnCliCheck(const QStringList &args, QTextStream &out, TVnConfiguration &config) {
  const TVnCliArgs parsed(args, {QStringLiteral("--fix")});
  const QString fileName = parsed.Expect(1, "check FILE [--fix]").first();
  TVnV7Project project;
  VnCliOpen(project, fileName);
  QString report;
  const bool clean = project.CheckIntegrity(report, VnIntegrityOptionsOf(config.ProjectCheck()));
  out << QString(report).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (!report.endsWith(QLatin1String("\r\n")))
    out << "\n";
  if (clean)
    return ecSuccess;
  if (!parsed.Has(QStringLiteral("--fix")))
    return ecCheckFoundErrors;
  project.Save();
  if (project.Modified())
    throw EVnUsage(QStringLiteral("The repaired project could not be saved to \"%1\".").arg(project.FileName()));
  out << "Repaired project saved to " << project.FileName() << "\n";
  return ecSuccess;
}
