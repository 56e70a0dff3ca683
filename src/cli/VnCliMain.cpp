#include "cli/VnCliMain.h"

#include "cli/VnCliProject.h"

#include "core/VnVersion.h"

#include <QTextStream>

namespace {

const char *const kUsage =
    "Usage: vantria COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json]          targets, languages and row counts of a project\n"
    "  row FILE TARGET ROW [--lang CODE] [--json]\n"
    "                              one row field by field; TARGET is a target index\n"
    "                              or -1 for all targets, ROW an index within it\n"
    "  check FILE [--fix]          the integrity check; with --fix the repaired\n"
    "                              project is saved (the old file kept as backup)\n"
    "  languages                   every language code with its name, tab-separated:\n"
    "                              the built-in ones, then the custom languages\n"
    "  plugins [FOLDER]            the plug-ins in the plug-ins folder (or FOLDER) by\n"
    "                              category; scanners with their name, extensions and\n"
    "                              description, or why they cannot be used\n"
    "  --help                      this text\n"
    "  --version                   the program's version\n"
    "\n"
    "Exit codes: 0 success, 1 the check found errors (without --fix),\n"
    "2 bad usage or a file that cannot be read or written.\n";

} // namespace

int VnCliMain(const QStringList &args, QTextStream &out, QTextStream &err, TVnConfiguration &config) {
  if (args.isEmpty()) {
    err << kUsage;
    return ecUsage;
  }
  const QString command = args.first();
  const QStringList rest = args.mid(1);
  try {
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
      out << kUsage;
      return ecSuccess;
    }
    if (command == QLatin1String("--version")) {
      out << "vantria " << VnProgramVersion() << "\n";
      return ecSuccess;
    }
    if (command == QLatin1String("info"))
      return VnCliInfo(rest, out);
    if (command == QLatin1String("row"))
      return VnCliRow(rest, out);
    if (command == QLatin1String("check"))
      return VnCliCheck(rest, out, config);
    if (command == QLatin1String("languages"))
      return VnCliLanguages(rest, out);
    if (command == QLatin1String("plugins"))
      return VnCliPlugins(rest, out);
    err << "Unknown command \"" << command << "\".\n\n" << kUsage;
  } catch (const EVnError &e) {
    err << "vantria: " << e.Message() << "\n";
  } catch (const std::bad_alloc &) {
    err << "vantria: not enough memory\n";
  }
  return ecUsage;
}
