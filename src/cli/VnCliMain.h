#pragma once

// The command-line tool: each command reads its arguments, writes its answer
// to `out` and its errors to `err`, and returns the exit code.

#include <QStringList>

class QTextStream;
class TVnConfiguration;

/// Exit codes of the tool.
enum TVnExitCode { ecSuccess = 0, ecCheckFoundErrors = 1, ecUsage = 2 };

/// Runs the tool with its arguments (without the program name).
int VnCliMain(const QStringList &args, QTextStream &out, QTextStream &err, TVnConfiguration &config);

int VnCliInfo(const QStringList &args, QTextStream &out);
int VnCliRow(const QStringList &args, QTextStream &out);
int VnCliCheck(const QStringList &args, QTextStream &out, TVnConfiguration &config);
int VnCliLanguages(const QStringList &args, QTextStream &out);
int VnCliPlugins(const QStringList &args, QTextStream &out);
