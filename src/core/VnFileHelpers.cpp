#include "core/VnFileHelpers.h"

#include "core/VnError.h"
#include "core/VnSafeFile.h"
#include "core/VnXmlWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>

QString NewTempFileName() {
  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/vn7XXXXXX.tmp"));
  file.setAutoRemove(false);
  if (!file.open())
    throw EVnError(QStringLiteral("Cannot create a temporary file in \"%1\": %2").arg(QDir::tempPath(), file.errorString()));
  return file.fileName();
}

QByteArray DocumentToText(const pugi::xml_document &doc, bool readBack) {
  const QString fileName = NewTempFileName();
  try {
    VnXmlSaveFile(doc, fileName);
    if (!readBack)
      return QFile::encodeName(fileName);
    QByteArray bytes = VnReadFile(fileName);
    QFile::remove(fileName);
    return bytes;
  } catch (...) {
    QFile::remove(fileName);
    throw;
  }
}

QString FileDateText(const QString &fileName) {
  const QFileInfo info(fileName);
  if (!info.exists())
    return {};
  return QLocale().toString(info.lastModified(), QLocale().dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                                     QStringLiteral("HH:mm"));
}

qint64 FileSizeOf(const QString &fileName) {
  const QFileInfo info(fileName);
  return info.exists() ? info.size() : -1;
}

bool IsNetworkAvailable() {
  QFile routes(QStringLiteral("/proc/net/route"));
  if (!routes.open(QIODevice::ReadOnly))
    return true; // cannot tell: let the caller try
  routes.readLine(); // the header
  while (!routes.atEnd()) {
    const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
    if (fields.size() > 1 && fields[1] == "00000000")
      return true;
  }
  return false;
}
