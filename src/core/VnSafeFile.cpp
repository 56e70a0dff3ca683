#include "core/VnSafeFile.h"

#include "core/VnError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

[[noreturn]] void Fail(const char *what, const QString &fileName, const QString &reason) {
  throw VnFileError(what, fileName, reason);
}

} // namespace

EVnError VnFileError(const char *verb, const QString &fileName, const QString &reason) {
  return EVnError(QStringLiteral("Cannot %1 file \"%2\": %3").arg(QLatin1String(verb), fileName, reason));
}

QByteArray VnReadDevice(QIODevice &device, const std::function<void(int percent)> &onPercent) {
  constexpr qint64 chunk = 4 << 20;
  const qint64 size = device.size();
  QByteArray bytes;
  if (size > 0)
    bytes.reserve(qsizetype(size));
  while (!device.atEnd()) {
    const QByteArray part = device.read(chunk);
    if (part.isEmpty())
      break;
    bytes += part;
    if (onPercent && size > 0)
      onPercent(int(bytes.size() * 100 / size));
  }
  return bytes;
}

QByteArray VnReadFile(const QString &fileName, const std::function<void(int percent)> &onPercent) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    Fail("read", fileName, file.errorString());
  QByteArray bytes = VnReadDevice(file, onPercent);
  if (file.error() != QFileDevice::NoError)
    Fail("read", fileName, file.errorString());
  return bytes;
}

void VnWriteFile(const QString &fileName, const QByteArray &bytes) {
  QSaveFile file(fileName);
  // Unbuffered, so that a short write (a full disk) shows in write()'s result:
  // a buffered QSaveFile here commits a truncated file and reports success.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    Fail("write", fileName, file.errorString());
  if (file.write(bytes) != bytes.size())
    Fail("write", fileName, file.error() == QFileDevice::NoError ? QStringLiteral("the disk is full")
                                                                  : file.errorString());
  if (!file.commit())
    Fail("write", fileName, file.errorString());
}

void VnBackupFile(const QString &fileName, const QString &backupName) {
  if (VnSameFile(fileName, backupName))
    return;
  VnWriteFile(backupName, VnReadFile(fileName));
}

bool VnSameFile(const QString &a, const QString &b) {
  const QFileInfo fa(a), fb(b);
  if (fa.exists() && fb.exists())
    return fa.canonicalFilePath() == fb.canonicalFilePath();
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}
