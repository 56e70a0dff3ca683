// vantria plugins: the plug-ins of every category in the plug-ins folder, with
// what each scanner says about itself or why it cannot be used.

#include "cli/VnCliMain.h"
#include "cli/VnCliProject.h"

#include "plugins/VnImporterManager.h"
#include "plugins/VnScannerManager.h"

#include "core/VnError.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

void ListFiles(TVnPluginManager &manager, QTextStream &out) {
  for (int i = 0; i < manager.Count(); ++i) {
    const QString classId = manager.GetClassID(i);
    out << "  " << manager.FileName(i) << "\n    ProgID: " << manager.ProgId(i) << "\n    Class ID: "
        << (classId.isEmpty() ? QStringLiteral("not registered yet") : classId) << '\n';
  }
}

void ListScanners(TVnScannerManager &scanners, QTextStream &out) {
  for (int i = 0; i < scanners.Count(); ++i) {
    out << "  " << scanners.FileName(i) << '\n';
    try {
      const TVnScannerInfo info = scanners.ReadScannerInfo(i);
      out << "    Name: " << info.Name << "\n    Supported Extensions: " << info.SupportedExtensions
          << "\n    Description: " << info.ShortDescription << '\n';
    } catch (const EVnError &e) {
      out << "    cannot be used: " << QString(e.Message()).replace(QLatin1Char('\n'), QLatin1String("\n      "))
          << '\n';
    }
  }
}

} // namespace

int VnCliPlugins(const QStringList &args, QTextStream &out) {
  const TVnCliArgs parsed(args, {});
  const QStringList &positional = parsed.Positional();
  if (positional.size() > 1)
    throw EVnUsage(QStringLiteral("Usage: vantria plugins [FOLDER]"));
  const QString folder = positional.value(0);
  if (!folder.isEmpty() && !QFileInfo(folder).isDir())
    throw EVnUsage(QStringLiteral("%1 is not a folder.").arg(folder));

  TVnScannerManager scanners;
  TVnImporterManager importers;
  TVnTMManager memories;
  TVnExporterManager exporters;
  TVnEditorManager editors;
  TVnPluginManager *const managers[] = {&scanners, &importers, &memories, &exporters, &editors};
  for (TVnPluginManager *manager : managers) {
    manager->SetFolder(folder);
    out << manager->FoundText() << '\n';
    if (manager == &scanners)
      ListScanners(scanners, out);
    else
      ListFiles(*manager, out);
  }
  return ecSuccess;
}
