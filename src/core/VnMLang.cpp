#include "core/VnMLang.h"

#include "core/VnCodePageConversion.h"
#include "core/VnError.h"

void TMLang::CheckResult(TVnConversionStatus status) {
  switch (status) {
  case TVnConversionStatus::Done: return;
  case TVnConversionStatus::UnknownCodePage: throw EVnError(QStringLiteral("Unknown code page"));
  case TVnConversionStatus::OpenFailed:
    FUsable = false;
    throw EVnError(QStringLiteral("Could not initialize converter"));
  case TVnConversionStatus::Failed:
    FUsable = false;
    // The message keeps its long-standing wording.
    throw EVnError(QStringLiteral("Could convert the string"));
  }
}

QString TMLang::ToUnicode(const QByteArray &text, int codePage) {
  QString out;
  CheckResult(VnToUnicode(text, codePage, out));
  return out;
}

QByteArray TMLang::FromUnicode(const QString &text, int codePage) {
  QByteArray out;
  CheckResult(VnFromUnicode(text, codePage, out));
  return out;
}
