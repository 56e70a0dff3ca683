#pragma once

// The vocabulary of the project document: row fields, statuses and the record
// that describes a target.

#include <QString>

/// The numbered pieces of a row; the same numbers are the grid's columns.
/// Translation fields (2, 4, 7, 8, 10) belong to the active language.
enum TVnRowField : int {
  rfName = 0,
  rfNative = 1,
  rfTranslation = 2,
  rfRowComment = 3,
  rfTransComment = 4,
  rfMaxLength = 5,
  rfReadOnly = 6,
  rfTransStatus = 7,
  rfTestTranslation = 8,
  rfEditorNote = 9,
  rfCheckout = 10,
  rfRowStatus = 11,
  /// rfLanguage + i: the translation in project language i (read only).
  rfLanguage = 12,
};

/// Row status values, in the order of the program's status table.
inline constexpr const char *kVnRowStatuses[] = {"", "new", "active", "changed", "removed"};
/// Translation status values, in table order, and their display names.
inline constexpr const char *kVnTransStatuses[] = {"", "fuzzy", "auto", "translated", "qaed", "ready"};
inline constexpr const char *kVnTransStatusNames[] = {"", "Fuzzy", "Auto", "Translated", "QAed", "Ready"};

/// Describes one target; read with GetTargetInfo, written with SetTargetInfo.
struct TVnTargetInfo {
  QString FileName;
  QString NativeLanguage;
  /// Class id of the scanner plug-in in registry form.
  QString Scanner;
  QString NativeEncoding;
  /// Output encoding for the active language; empty when none is set.
  QString TranslatedEncoding;
  bool Visible = true;
  bool Enabled = true;

  bool operator==(const TVnTargetInfo &) const = default;
};
