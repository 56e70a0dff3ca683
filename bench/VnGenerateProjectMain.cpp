// Writes a generated project file: generate_project TARGETS ROWS_PER_TARGET OUT.v7p

#include "VnProjectGenerator.h"

#include "core/VnError.h"
#include "core/VnSafeFile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  QTextStream err(stderr);
  if (args.size() != 4) {
    err << "Usage: generate_project TARGETS ROWS_PER_TARGET OUT.v7p\n";
    return 2;
  }
  try {
    VnWriteFile(args[3], VnGenerateProject({args[1].toInt(), args[2].toInt()}));
  } catch (const EVnError &e) {
    err << e.Message() << "\n";
    return 2;
  }
  return 0;
}
