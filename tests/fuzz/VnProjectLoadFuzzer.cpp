// Feeds arbitrary bytes to the project loader and then reads the result the
// way the program does. Nothing may crash, hang or read out of bounds; bad
// input may only end in an EVnError.

#include "project/VnV7Project.h"

#include "core/VnError.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

void ReadEverything(TVnV7Project &project) {
  TVnV7ProjectSection &targets = project.Targets();
  for (int t = -1; t < targets.Count() && t < 8; ++t) {
    targets.SetItemIndex(t);
    if (t >= 0)
      project.GetTargetInfo(t);
    const int rows = project.RowCountAll();
    for (int row = 0; row < rows && row < 64; ++row)
      for (int field = 0; field < rfLanguage + 3; ++field)
        project.GetRowValue(row, field);
    project.FindRow(QStringLiteral("a"), true);
  }
  for (int l = 0; l < project.Languages().Count() && l < 4; ++l)
    project.Languages().SetItemIndex(l);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TVnV7Project project;
  try {
    project.LoadFromStream(buffer);
    ReadEverything(project);
    if (project.RowCountAll() > 0) {
      project.Targets().SetItemIndex(project.Targets().Count() > 0 ? 0 : -1);
      project.SetRowValue(0, rfRowComment, QStringLiteral("fuzz"));
    }
    QString report;
    project.CheckIntegrity(report, {true, true, true});
    ReadEverything(project);
    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    project.SaveToStream(out);
  } catch (const EVnError &) {
    // Refusing bad input with a message is the expected outcome.
  }
  return 0;
}
