#pragma once

// Reading and writing whole files so that a failure never costs the user data:
// a file is replaced only once its new content is completely on disk, and every
// failure names the file.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

class EVnError;

/// The error of a file operation that failed ("read", "write"), naming the file.
EVnError VnFileError(const char *verb, const QString &fileName, const QString &reason);

/// The whole content of a file; throws EVnError naming the file. A large file
/// is read in chunks, and `onPercent` (when given) hears the share read so far.
QByteArray VnReadFile(const QString &fileName, const std::function<void(int percent)> &onPercent = {});

/// The rest of a device's content, read in chunks; `onPercent` (when given)
/// hears the share of the device's size read so far.
QByteArray VnReadDevice(QIODevice &device, const std::function<void(int percent)> &onPercent = {});

/// Replaces the file with `bytes` atomically (the old content stays until the
/// new one is committed); throws EVnError naming the file.
void VnWriteFile(const QString &fileName, const QByteArray &bytes);

/// Writes the bytes of `fileName` over `backupName` (an existing backup is
/// overwritten). Does nothing when both names denote the same file.
void VnBackupFile(const QString &fileName, const QString &backupName);

/// True when both names denote the same file (through links too).
bool VnSameFile(const QString &a, const QString &b);
