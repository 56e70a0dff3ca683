#pragma once

// What the start-up dialog lists: recent and demo projects with a description
// and a size. Kept apart from the dialog so that it can be checked without one.

#include <QList>
#include <QString>
#include <QStringList>

struct TVnStartupEntry {
  QString Path;
  QString Description;
  QString Size; // "1 234 KB"; empty for a missing file
  bool Exists = false;
};

/// The size column: kilobytes with a space between groups of three digits.
QString VnStartupSizeText(qint64 bytes);
/// One entry per recent project, in list order: the last change (without
/// seconds) and size of an existing file, "(file not found)" for a missing one.
QList<TVnStartupEntry> VnRecentProjectEntries(const QStringList &paths);
/// The ".v7p" files of the demo folder with the description read from the
/// ".description" file beside each (UTF-16 after its byte order mark).
QList<TVnStartupEntry> VnDemoProjectEntries(const QString &folder);
/// The text of a ".description" file; empty when it cannot be read.
QString VnReadDescriptionFile(const QString &fileName);
