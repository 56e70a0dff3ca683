#pragma once

// Scanner plug-ins ("xScanner.so"): what each one says about itself.

#include "plugins/VnPluginManager.h"

#include "vantria/IGeneralScanner.h"
#include "vantria/com/VnComPtr.h"

/// What a scanner says about itself.
struct TVnScannerInfo {
  QString Name;
  QString SupportedExtensions;
  QString ShortDescription;
};

class TVnScannerManager : public TVnPluginManager {
public:
  TVnScannerManager() : TVnPluginManager(QStringLiteral("ScannerManager")) {}
  QString Suffix() const override { return QStringLiteral("Scanner.so"); }
  QString FoundMessage() const override { return QStringLiteral("%1 scanner(s) found in folder %2"); }
  /// "Name: …", "Supported Extensions: …" and "Description: …".
  void ShowDetails(QStringList &lines, int index) override;

  /// The scanner's info. A scanner that cannot be created, even after one
  /// attempt to register its file, is reported to the user and yields an empty
  /// record; an answer that is not XML raises EVnError.
  TVnScannerInfo GetScannerInfo(int index);
  /// The same, raising EVnError with the reason when the scanner cannot be
  /// created, for callers that explain failures themselves.
  TVnScannerInfo ReadScannerInfo(int index);
  /// A new object of scanner `index`; its file is registered once when the
  /// first attempt fails. Raises EVnError with the reason.
  TVnComPtr<IGeneralScanner> CreateScanner(int index);

private:
  TVnScannerInfo AskInfo(IGeneralScanner *scanner, int index);
};
