// Writes a generated project file: generate_project TARGETS ROWS_PER_TARGET OUT.v7p [--dotted]
// (--dotted groups the row names by dots, as dialogs and panels do).

#include "VnProjectGenerator.h"

#include "core/VnError.h"
#include "core/VnSafeFile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  QTextStream err(stderr);
  const bool dotted = args.size() == 5 && args[4] == QLatin1String("--dotted");
  if (args.size() != 4 && !dotted) {
    err << "Usage: generate_project TARGETS ROWS_PER_TARGET OUT.v7p [--dotted]\n";
    return 2;
  }
  try {
    TVnGeneratedProjectShape shape;
    shape.Targets = args[1].toInt();
    shape.RowsPerTarget = args[2].toInt();
    shape.DottedContexts = dotted;
    VnWriteFile(args[3], VnGenerateProject(shape));
  } catch (const EVnError &e) {
    err << e.Message() << "\n";
    return 2;
  }
  return 0;
}
