#pragma once

#include <QByteArray>
#include <QStringList>

/// The shape of a generated project.
struct TVnGeneratedProjectShape {
  int Targets = 10;
  int RowsPerTarget = 10000;
  QStringList Languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ru"), QStringLiteral("ja")};
  /// Row names grouped like a resource file's ("Dialog12.Panel3.IDS_..."),
  /// so that the project tree has groups to show; off: flat names.
  bool DottedContexts = false;
};

/// A project file in the house layout with the given shape, the same bytes
/// for the same shape: native texts of varied length in Latin with accents,
/// Cyrillic and CJK script, with format specifiers, hotkeys and line breaks;
/// comments, maximum lengths, read-only rows, every row status and
/// translation status, and test translations standing in for missing ones.
QByteArray VnGenerateProject(const TVnGeneratedProjectShape &shape);
