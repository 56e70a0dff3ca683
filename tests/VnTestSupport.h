#pragma once

// Small helpers shared by the test programs.

#include <QByteArray>
#include <QFile>
#include <QString>

/// Path of a fixture file under tests/data.
inline QString VnTestData(const QString &name) {
  return QStringLiteral(VN_TEST_DATA_DIR "/") + name;
}

/// The bytes of a file, or an empty array when it cannot be read.
inline QByteArray VnTestReadBytes(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes a file for a test; false when that fails.
inline bool VnTestWriteBytes(const QString &fileName, const QByteArray &bytes) {
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
