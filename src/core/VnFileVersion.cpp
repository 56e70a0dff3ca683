#include "core/VnFileVersion.h"

#include "core/VnError.h"
#include "core/VnPeVersion.h"
#include "core/VnVersion.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace {

struct TVnPluginVersionReader {
  QMutex Lock;
  std::function<QString(const QString &)> Read;
};

TVnPluginVersionReader &PluginVersionReader() {
  static TVnPluginVersionReader reader;
  return reader;
}

/// One part of a version text as a number; plain decimal digits with an
/// optional sign, nothing else (no blanks, no other bases).
qlonglong VersionPart(const QString &part, const QString &version) {
  bool ok = false;
  const qlonglong value = part.toLongLong(&ok, 10);
  if (!ok || part.trimmed() != part)
    throw EVnError(QStringLiteral("\"%1\" in the version \"%2\" is not an integer.").arg(part, version));
  return value;
}

} // namespace

QString FileVersionText(const QString &fileName) {
  if (fileName.isEmpty())
    return VnProgramVersion();
  if (fileName.endsWith(QStringLiteral(".so"))) {
    std::function<QString(const QString &)> read;
    {
      TVnPluginVersionReader &reader = PluginVersionReader();
      const QMutexLocker lock(&reader.Lock);
      read = reader.Read;
    }
    return read ? read(fileName) : QString();
  }
  return VnPeFileVersion(fileName);
}

void VnSetPluginVersionReader(std::function<QString(const QString &fileName)> reader) {
  TVnPluginVersionReader &current = PluginVersionReader();
  const QMutexLocker lock(&current.Lock);
  current.Read = std::move(reader);
}

int CompareVersions(const QString &a, const QString &b) {
  if (a == b)
    return 0;
  QStringList partsA = a.split(QLatin1Char('.'));
  QStringList partsB = b.split(QLatin1Char('.'));
  while (partsA.size() < partsB.size())
    partsA.append(QStringLiteral("0"));
  while (partsB.size() < partsA.size())
    partsB.append(QStringLiteral("0"));
  // Parts are converted as they are compared: the first difference decides,
  // and what follows it is not looked at.
  for (qsizetype i = 0; i < partsA.size(); ++i) {
    const qlonglong x = VersionPart(partsA[i], a);
    const qlonglong y = VersionPart(partsB[i], b);
    if (x != y)
      return x < y ? -1 : 1;
  }
  return 0;
}
