// Project files at 10,000, 100,000 and 1,000,000 rows in 10 targets with 4
// languages, beside bare pugixml reading and writing the same file as the
// baseline the program's own figures are compared with.

#include "VnProjectGenerator.h"

#include "project/VnV7Project.h"

#include "core/VnSafeFile.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <map>
#include <random>

namespace {

QTemporaryDir &Folder() {
  static QTemporaryDir folder;
  return folder;
}

// The generated file of a size, written once per run.
const QString &ProjectFile(int rows) {
  static std::map<int, QString> files;
  QString &file = files[rows];
  if (file.isEmpty()) {
    file = Folder().filePath(QStringLiteral("project-%1.v7p").arg(rows));
    VnWriteFile(file, VnGenerateProject({10, rows / 10}));
  }
  return file;
}

void Open(TVnV7Project &project, int rows) {
  if (!project.Open(ProjectFile(rows)))
    throw std::runtime_error("open cancelled");
}

void Sizes(benchmark::internal::Benchmark *b) {
  b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_BarePugixmlParse(benchmark::State &state) {
  const QByteArray bytes = VnReadFile(ProjectFile(int(state.range(0))));
  for (auto _ : state) {
    pugi::xml_document doc;
    benchmark::DoNotOptimize(doc.load_buffer(bytes.constData(), std::size_t(bytes.size())));
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_BarePugixmlParse)->Apply(Sizes);

class TStringWriter : public pugi::xml_writer {
public:
  std::string Out;
  void write(const void *data, std::size_t size) override { Out.append(static_cast<const char *>(data), size); }
};

void BM_BarePugixmlWrite(benchmark::State &state) {
  const QByteArray bytes = VnReadFile(ProjectFile(int(state.range(0))));
  pugi::xml_document doc;
  doc.load_buffer(bytes.constData(), std::size_t(bytes.size()));
  const QString target = Folder().filePath(QStringLiteral("bare.xml"));
  for (auto _ : state) {
    TStringWriter writer;
    writer.Out.reserve(std::size_t(bytes.size()));
    doc.save(writer, "  ", pugi::format_default | pugi::format_write_bom);
    VnWriteFile(target, QByteArray::fromRawData(writer.Out.data(), qsizetype(writer.Out.size())));
  }
}
BENCHMARK(BM_BarePugixmlWrite)->Apply(Sizes);

// Open: read, parse, select the first target and language, index the rows.
void BM_Open(benchmark::State &state) {
  const int rows = int(state.range(0));
  ProjectFile(rows);
  for (auto _ : state) {
    TVnV7Project project;
    Open(project, rows);
    benchmark::DoNotOptimize(project.RowCount());
  }
}
BENCHMARK(BM_Open)->Apply(Sizes);

// Save as the program does: the old file kept as backup, then the new one written.
void BM_Save(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  project.SaveAs(Folder().filePath(QStringLiteral("saved.v7p")));
  for (auto _ : state)
    project.Save();
}
BENCHMARK(BM_Save)->Apply(Sizes);

// Writing alone: what Save costs without its backup copy.
void BM_SaveToStream(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  for (auto _ : state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    project.SaveToStream(buffer);
  }
}
BENCHMARK(BM_SaveToStream)->Apply(Sizes);

void BM_ReadInOrderCached(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  project.Targets().SetItemIndex(-1);
  TVnV7ProjectTarget &view = project.Targets().GetTarget(-1);
  const int rows = view.RowCount(true);
  for (auto _ : state) {
    view.SetCaching(true);
    for (int row = 0; row < rows; ++row)
      benchmark::DoNotOptimize(view.GetRowValue(row, rfTranslation));
    view.SetCaching(false);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ReadInOrderCached)->Apply(Sizes);

void BM_ReadRandom(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  project.Targets().SetItemIndex(-1);
  const int rows = project.RowCount();
  std::mt19937 random(11);
  std::uniform_int_distribution<int> pick(0, rows - 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(project.GetRowValue(pick(random), rfTranslation));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadRandom)->Arg(10000)->Arg(100000)->Arg(1000000);

void BM_SetRowValue10000(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  project.Targets().SetItemIndex(-1);
  const int rows = project.RowCount();
  const int step = std::max(1, rows / 10000);
  for (auto _ : state) {
    project.BeginUpdate();
    for (int i = 0; i < 10000; ++i)
      project.SetRowValue((i * step) % rows, rfTranslation, QStringLiteral("Übersetzung %1").arg(i));
    project.EndUpdate(true);
  }
}
BENCHMARK(BM_SetRowValue10000)->Apply(Sizes);

void BM_UndoSnapshot(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  for (auto _ : state)
    project.PerformHistory(4);
}
BENCHMARK(BM_UndoSnapshot)->Apply(Sizes);

void BM_CheckIntegrity(benchmark::State &state) {
  TVnV7Project project;
  Open(project, int(state.range(0)));
  QString report;
  for (auto _ : state)
    benchmark::DoNotOptimize(project.CheckIntegrity(report, {}));
}
BENCHMARK(BM_CheckIntegrity)->Apply(Sizes);

} // namespace
