// Peak memory of opening a project: run in a fresh process so that nothing
// else the program did counts. Prints the file size, the peak resident memory
// added by the open, and their ratio.

#include "project/VnV7Project.h"

#include "VnProcessMemory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  if (argc != 2) {
    out << "Usage: project_memory FILE.v7p\n";
    return 2;
  }
  const QString file = QString::fromLocal8Bit(argv[1]);
  const qint64 before = VnProcessStatusKilobytes("VmRSS:");
  TVnV7Project project;
  if (!project.Open(file))
    return 2;
  project.Targets().SetItemIndex(-1);
  const int rows = project.RowCount();
  const double fileMb = double(QFileInfo(file).size()) / (1 << 20);
  const double peakMb = double(VnProcessStatusKilobytes("VmHWM:") - before) / 1024;
  out << QStringLiteral("%1: %2 rows, file %3 MB, peak added by opening %4 MB, %5 x the file\n")
             .arg(QFileInfo(file).fileName()).arg(rows).arg(fileMb, 0, 'f', 1).arg(peakMb, 0, 'f', 1)
             .arg(peakMb / fileMb, 0, 'f', 2);
  return 0;
}
