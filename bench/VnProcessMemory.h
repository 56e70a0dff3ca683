#pragma once

// What the memory programs measure: this process's own figures from
// /proc/self/status.

#include <QByteArray>
#include <QFile>

/// The value in kB of a line of /proc/self/status ("VmRSS:" resident now,
/// "VmHWM:" the peak); -1 when it cannot be read.
inline qint64 VnProcessStatusKilobytes(const char *key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith(key))
      return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLongLong();
  return -1;
}
