#include "cli/VnCliProject.h"

#include "project/VnV7Project.h"

#include <QJsonDocument>
#include <QTextStream>

TVnCliArgs::TVnCliArgs(const QStringList &args, const QStringList &switches, const QStringList &valued) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString &arg = args[i];
    if (valued.contains(arg)) {
      if (i + 1 >= args.size())
        throw EVnUsage(QStringLiteral("%1 needs a value.").arg(arg));
      FValues.insert(arg, args[++i]);
    } else if (switches.contains(arg)) {
      FFlags.append(arg);
    } else if (arg.startsWith(QLatin1String("--"))) {
      throw EVnUsage(QStringLiteral("Unknown option %1.").arg(arg));
    } else {
      FPositional.append(arg);
    }
  }
}

const QStringList &TVnCliArgs::Expect(int count, const char *usage) const {
  if (FPositional.size() != count)
    throw EVnUsage(QStringLiteral("Usage: vantria %1").arg(QLatin1String(usage)));
  return FPositional;
}

int VnCliInt(const QString &text, const char *what) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    throw EVnUsage(QStringLiteral("%1 must be a number, not \"%2\".").arg(QLatin1String(what), text));
  return value;
}

void VnCliOpen(TVnV7Project &project, const QString &fileName) {
  try {
    if (!project.Open(fileName))
      throw EVnUsage(QStringLiteral("Opening \"%1\" was cancelled.").arg(fileName));
  } catch (const EVnUsage &) {
    throw;
  } catch (const EVnError &e) {
    throw EVnUsage(e.Message());
  }
}

void VnCliWriteJson(QTextStream &out, const QJsonObject &object) {
  out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString VnCliStatusKey(const QString &status) { return status.isEmpty() ? QStringLiteral("none") : status; }
