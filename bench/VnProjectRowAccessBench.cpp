// Reading a row field must cost the same near the end of a large target as
// near its start, in order or at random.

#include "VnProjectGenerator.h"

#include "project/VnV7Project.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kRows = 900000;

TVnV7Project &LargeProject() {
  static TVnV7Project *project = [] {
    auto *p = new TVnV7Project;
    QByteArray bytes = VnGenerateProject({1, kRows, {QStringLiteral("de"), QStringLiteral("fr")}});
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    p->LoadFromStream(buffer);
    p->RowCount(); // build the row index outside the timed loops
    return p;
  }();
  return *project;
}

void BM_ReadTranslationAtRow(benchmark::State &state) {
  TVnV7Project &project = LargeProject();
  const int row = int(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(project.GetRowValue(row, rfTranslation));
}
BENCHMARK(BM_ReadTranslationAtRow)->Arg(10)->Arg(450000)->Arg(kRows - 10);

// Following a link marker looks its row up by name: near the end of a large
// target it must cost what it costs near the start.
void BM_FindRowByName(benchmark::State &state) {
  TVnV7Project &project = LargeProject();
  const QString name = project.GetRowValue(int(state.range(0)), rfName);
  project.FindRow(name, false); // the index is built once, outside the loop
  for (auto _ : state)
    benchmark::DoNotOptimize(project.FindRow(name, false));
}
BENCHMARK(BM_FindRowByName)->Arg(10)->Arg(kRows - 10);

void BM_ReadTranslationAtRandomRows(benchmark::State &state) {
  TVnV7Project &project = LargeProject();
  std::mt19937 random(42);
  std::uniform_int_distribution<int> rows(0, kRows - 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(project.GetRowValue(rows(random), rfTranslation));
}
BENCHMARK(BM_ReadTranslationAtRandomRows);

// The cost of a cell must not grow with the number of targets, in a single
// target or in the all-targets view.
void BM_ReadCellWithManyTargets(benchmark::State &state) {
  const int targets = int(state.range(0));
  const bool allTargets = state.range(1) != 0;
  QByteArray bytes = VnGenerateProject({targets, 200000 / targets, {QStringLiteral("de")}});
  TVnV7Project project;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  project.LoadFromStream(buffer);
  project.Targets().SetItemIndex(allTargets ? -1 : targets - 1);
  const int rows = project.RowCount();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(0, rows - 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(project.GetRowValue(pick(random), rfTranslation));
}
BENCHMARK(BM_ReadCellWithManyTargets)->Args({1, 0})->Args({200, 0})->Args({2000, 0})->Args({1, 1})->Args({200, 1})->Args({2000, 1});

} // namespace

