#pragma once

// Small helpers shared by the test programs.

#include "core/VnXml.h"

#include <QByteArray>
#include <QFile>
#include <QString>

/// Parses inline XML the way the program reads its files.
inline pugi::xml_document VnTestParse(const char *xml) {
  pugi::xml_document doc;
  VnXmlLoad(doc, QByteArray(xml), QStringLiteral("test.xml"));
  return doc;
}

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

#include <sys/resource.h>

#include <csignal>

/// Limits the size of files this process may write while it lives, as a full
/// disk would; works for root too, where permissions do not stop a write.
class TVnFileSizeLimit {
public:
  explicit TVnFileSizeLimit(rlim_t bytes) {
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &FOld);
    rlimit limit = FOld;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TVnFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    std::signal(SIGXFSZ, FOldHandler);
  }
  TVnFileSizeLimit(const TVnFileSizeLimit &) = delete;
  TVnFileSizeLimit &operator=(const TVnFileSizeLimit &) = delete;

private:
  rlimit FOld{};
  void (*FOldHandler)(int) = nullptr;
};
