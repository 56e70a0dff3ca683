// The grid and the project tree on a project of 200,000 rows in 10 targets
// with 4 languages (row names grouped by dots): opening and showing, switching
// the target, the active language and the tree node, and scrolling near the
// top and the bottom. Memory beyond the document is reported by grid_memory.

#include "VnProjectGenerator.h"

#include "ui/VnGridModel.h"
#include "ui/VnGridVST.h"
#include "ui/VnTargetsModel.h"
#include "ui/VnTargetsVST.h"

#include "config/VnConfiguration.h"
#include "core/VnSafeFile.h"
#include "project/VnV7Project.h"

#include <QApplication>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTargets = 10;
constexpr int kRowsPerTarget = 20000;

QTemporaryDir &Folder() {
  static QTemporaryDir folder;
  return folder;
}

const QString &ProjectFile() {
  static QString file;
  if (file.isEmpty()) {
    file = Folder().filePath(QStringLiteral("grid-200k.v7p"));
    TVnGeneratedProjectShape shape;
    shape.Targets = kTargets;
    shape.RowsPerTarget = kRowsPerTarget;
    shape.DottedContexts = true;
    VnWriteFile(file, VnGenerateProject(shape));
  }
  return file;
}

/// The main window's central area as far as these views go.
struct TWindow {
  TVnConfiguration Config{Folder().filePath(QStringLiteral("bench.vno"))};
  TVnV7Project Project;
  TVnGridModel GridModel{Project};
  TVnTargetsModel TreeModel{Project};
  QSplitter Splitter;
  TVnTargetsVST *Tree;
  TVnGridVST *Grid;

  TWindow() {
    Tree = new TVnTargetsVST(TreeModel, Config, &Splitter);
    Grid = new TVnGridVST(GridModel, Config, &Splitter);
    Tree->SetGridVST(Grid);
    Splitter.resize(1366, 700);
    Splitter.show();
  }
  /// Lets the views lay out and paint what is on screen.
  void Paint() {
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(Splitter.grab());
  }
};

/// The window the switching benchmarks share; closed before the application ends.
std::unique_ptr<TWindow> &SharedWindow() {
  static std::unique_ptr<TWindow> window;
  return window;
}

TWindow &OpenWindow() {
  std::unique_ptr<TWindow> &window = SharedWindow();
  if (!window) {
    window = std::make_unique<TWindow>();
    window->Project.Open(ProjectFile());
    window->Paint();
  }
  return *window;
}

void BM_OpenAndShowGrid(benchmark::State &state) {
  ProjectFile();
  for (auto _ : state) {
    TWindow window;
    if (!window.Project.Open(ProjectFile()))
      state.SkipWithError("open cancelled");
    window.Paint();
    benchmark::DoNotOptimize(window.GridModel.rowCount());
    state.PauseTiming(); // closing is not part of showing
    window.Project.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenAndShowGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every target in turn, then "All strings" (all 200,000 rows).
void BM_SwitchTarget(benchmark::State &state) {
  TWindow &window = OpenWindow();
  const int target = int(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    window.Project.Targets().SetItemIndex(target == 0 ? 1 : 0);
    window.Paint();
    state.ResumeTiming();
    window.Tree->setCurrentIndex(window.TreeModel.TargetIndex(target));
    window.Paint();
  }
  state.counters["rows"] = window.GridModel.rowCount();
}
BENCHMARK(BM_SwitchTarget)->Arg(3)->Arg(-1)->Unit(benchmark::kMillisecond);

void BM_SwitchLanguage(benchmark::State &state) {
  TWindow &window = OpenWindow();
  window.Tree->setCurrentIndex(window.TreeModel.TargetIndex(int(state.range(0))));
  window.Paint();
  int language = 0;
  for (auto _ : state) {
    language = (language + 1) % window.Project.Languages().Count();
    window.Project.Languages().SetItemIndex(language);
    window.Paint();
  }
}
BENCHMARK(BM_SwitchLanguage)->Arg(3)->Arg(-1)->Unit(benchmark::kMillisecond);

// A group of one dialog in the current target, then its string data again.
void BM_SwitchTreeNode(benchmark::State &state) {
  TWindow &window = OpenWindow();
  window.Tree->setCurrentIndex(window.TreeModel.TargetIndex(2));
  window.Paint();
  bool group = false;
  for (auto _ : state) {
    group = !group;
    window.Tree->FocusNode({2, 1, group ? QStringLiteral("Dialog57") : QString()});
    window.Paint();
  }
  state.counters["rows"] = window.GridModel.rowCount();
}
BENCHMARK(BM_SwitchTreeNode)->Unit(benchmark::kMillisecond);

// Ctrl+R on every row of "All strings" (160,000 shown): the cost grows with
// the rows, never with their square.
void BM_ToggleRowStatusAllRows(benchmark::State &state) {
  TWindow &window = OpenWindow();
  window.Tree->setCurrentIndex(window.TreeModel.TargetIndex(-1));
  window.Paint();
  window.Grid->selectAll();
  for (auto _ : state) {
    window.Grid->ToggleStatuses(true, false);
    window.Paint();
  }
  state.counters["rows"] = window.GridModel.rowCount();
  window.Grid->clearSelection();
}
BENCHMARK(BM_ToggleRowStatusAllRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// One page down from project row N of "All strings", painted: the cost must
// not grow with N. (Removed rows are not shown, so the line is somewhat lower.)
void BM_ScrollAt(benchmark::State &state) {
  TWindow &window = OpenWindow();
  window.Tree->setCurrentIndex(window.TreeModel.TargetIndex(-1));
  window.Paint();
  int row = int(state.range(0));
  int line = -1;
  while (line < 0 && row < window.Project.RowCount())
    line = window.GridModel.PositionOfRow(row++);
  state.counters["line"] = line;
  QScrollBar *bar = window.Grid->verticalScrollBar();
  for (auto _ : state) {
    window.Grid->scrollTo(window.GridModel.index(line, 1), QAbstractItemView::PositionAtTop);
    bar->setValue(bar->value() + bar->pageStep());
    window.Paint();
  }
}
BENCHMARK(BM_ScrollAt)->Arg(10)->Arg(100000)->Arg(190000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  SharedWindow().reset();
  benchmark::Shutdown();
  return 0;
}
