#pragma once

// Helpers the commands share: arguments, opening a project, JSON output.

#include "core/VnError.h"

#include <QJsonObject>
#include <QStringList>

class QTextStream;
class TVnV7Project;

/// Bad usage or input the tool cannot read; the message says which.
class EVnUsage : public EVnError {
public:
  using EVnError::EVnError;
};

/// The arguments of one command: positional ones and "--flag" switches.
class TVnCliArgs {
public:
  /// `valued` names the switches that take a value ("--lang CODE").
  TVnCliArgs(const QStringList &args, const QStringList &switches, const QStringList &valued = {});
  const QStringList &Positional() const { return FPositional; }
  bool Has(const QString &flag) const { return FFlags.contains(flag); }
  QString Value(const QString &flag) const { return FValues.value(flag); }
  /// The positional arguments, checking their number.
  const QStringList &Expect(int count, const char *usage) const;

private:
  QStringList FPositional;
  QStringList FFlags;
  QHash<QString, QString> FValues;
};

/// An integer argument; EVnUsage names it when it is not one.
int VnCliInt(const QString &text, const char *what);
/// Opens a project read from the command line; EVnUsage when it cannot.
void VnCliOpen(TVnV7Project &project, const QString &fileName);
/// Writes a JSON object, indented, followed by a line end.
void VnCliWriteJson(QTextStream &out, const QJsonObject &object);
/// The key under which an empty status is counted.
QString VnCliStatusKey(const QString &status);
