// Memory the grid and the project tree add to an open project: run in a fresh
// process on a generated file (generate_project 10 20000 F.v7p --dotted).
// Prints the resident memory after the open, what the views' indexes add on
// the largest view ("All strings"), and what the row state list of one
// target adds per row.

#include "ui/VnGridModel.h"
#include "ui/VnTargetsModel.h"

#include "project/VnV7Project.h"

#include "VnProcessMemory.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

qint64 ResidentKilobytes() {
  return VnProcessStatusKilobytes("VmRSS:");
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  if (argc != 2) {
    out << "Usage: grid_memory FILE.v7p\n";
    return 2;
  }
  TVnV7Project project;
  if (!project.Open(QString::fromLocal8Bit(argv[1])))
    return 2;
  project.Targets().SetItemIndex(-1);
  const int rows = project.RowCount();
  const qint64 document = ResidentKilobytes();
  TVnGridModel grid(project);
  TVnTargetsModel tree(project);
  tree.RefreshView();
  grid.RefreshView();
  const qint64 withGrid = ResidentKilobytes();
  int translated = 0, total = 0;
  tree.Counts(tree.TargetIndex(-1), translated, total);
  // The row state list exists for the current target only: take the first.
  project.Targets().SetItemIndex(0);
  const qint64 beforeList = ResidentKilobytes();
  int listTranslated = 0, listTotal = 0;
  tree.Counts(tree.TargetIndex(0), listTranslated, listTotal);
  const qint64 withCounts = ResidentKilobytes();
  const int listRows = tree.RowStates().Size();
  out << "rows " << rows << ", resident after open " << document / 1024 << " MB\n"
      << "grid index and tree nodes: +" << (withGrid - document) << " kB\n"
      << "row state list of target 0 (" << listRows << " rows): +" << (withCounts - beforeList) << " kB ("
      << (withCounts - beforeList) * 1024 / std::max(1, listRows) << " bytes per row)\n"
      << "progress " << translated << " of " << total << "\n";
  return 0;
}
