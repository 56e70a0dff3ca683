#pragma once

#include <QByteArray>
#include <QString>

enum class TVnConversionStatus;

/// The converter service for callers that want failures raised rather than an
/// empty text: each call converts the whole text, NULs included, and raises
/// EVnError with "Unknown code page" when no converter exists for the number,
/// "Could not initialize converter" when it cannot be opened and "Could convert
/// the string" when conversion fails.
class TMLang {
public:
  /// The text in UTF-16.
  QString ToUnicode(const QByteArray &text, int codePage);
  /// The text in the code page.
  QByteArray FromUnicode(const QString &text, int codePage);
  /// False once a converter failed to open or to convert. Each call opens its own
  /// converter, so later calls are still attempted; callers may prefer another path.
  bool Usable() const { return FUsable; }

private:
  void CheckResult(TVnConversionStatus status);

  bool FUsable = true;
};
