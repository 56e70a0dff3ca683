#pragma once

#include <QByteArray>
#include <QStringList>

/// The shape of a generated project.
struct TVnGeneratedProjectShape {
  int Targets = 10;
  int RowsPerTarget = 20000;
  QStringList Languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("ja")};
};

/// A project file with the given shape: every row has a name, a native text,
/// a status and a translation in each language. Deterministic, so runs compare.
QByteArray VnGenerateProject(const TVnGeneratedProjectShape &shape);
