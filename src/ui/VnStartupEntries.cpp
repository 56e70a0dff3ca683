#include "ui/VnStartupEntries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

QString VnStartupSizeText(qint64 bytes) {
  QString digits = QString::number(bytes / 1024);
  for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
    digits.insert(i, QLatin1Char(' '));
  return digits + QStringLiteral(" KB");
}

QList<TVnStartupEntry> VnRecentProjectEntries(const QStringList &paths) {
  QList<TVnStartupEntry> entries;
  for (const QString &path : paths) {
    const QFileInfo info(path);
    TVnStartupEntry entry{path, QStringLiteral("(file not found)"), QString(), info.isFile()};
    if (entry.Exists) {
      entry.Description = QLocale().toString(info.lastModified(), QLocale::ShortFormat);
      entry.Size = VnStartupSizeText(info.size());
    }
    entries.append(entry);
  }
  return entries;
}

QString VnReadDescriptionFile(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.readAll();
  if (bytes.size() < 2)
    return {};
  const bool bigEndian = uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF;
  QString text;
  for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
    const uchar a = uchar(bytes[i]), b = uchar(bytes[i + 1]);
    text += QChar(bigEndian ? (a << 8 | b) : (b << 8 | a));
  }
  return text.trimmed();
}

QList<TVnStartupEntry> VnDemoProjectEntries(const QString &folder) {
  QList<TVnStartupEntry> entries;
  const QDir dir(folder);
  for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.v7p")}, QDir::Files, QDir::Name)) {
    const QString description = dir.filePath(info.completeBaseName() + QStringLiteral(".description"));
    entries.append({info.absoluteFilePath(), VnReadDescriptionFile(description), VnStartupSizeText(info.size()), true});
  }
  return entries;
}
