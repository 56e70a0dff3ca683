#pragma once

#include <QString>

class TVnConfigProjectCheck;

/// Which checks of the integrity check run.
struct TVnIntegrityOptions {
  bool Quotes = true;           // "Row quots"
  bool OldSerbian = false;      // "Old Serbian language code"
  bool ScannerLanguages = true; // "Scanner languages"
};

/// The options as the user set them in the configuration.
TVnIntegrityOptions VnIntegrityOptionsOf(TVnConfigProjectCheck &section);
