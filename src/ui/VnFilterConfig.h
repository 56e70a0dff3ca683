#pragma once

#include <QString>

#include <array>
#include <functional>

/// The grid's filter criteria. The filter commands and dialog set them; every
/// setter asks the linked grid to refresh.
class TVnFilterConfig {
public:
  /// Asks the grid to refresh (set by the grid that owns this state).
  std::function<void()> OnChanged;
  /// Asks the grid to stop a refresh that is running.
  std::function<void()> OnCancel;

  /// Text that must occur in the filtering column; empty: no text filter.
  const QString &Filter() const { return FFilter; }
  void SetFilter(const QString &text);
  int FilteringColumn() const { return FFilteringColumn; }
  void SetFilteringColumn(int column);
  /// Bit i hides rows whose row status is "new", "active", "changed", "removed".
  int RowFilterInt() const;
  void SetRowFilterInt(int bits);
  /// Bit i hides rows whose translation status is "fuzzy" to "ready".
  int TranslationFilterInt() const;
  void SetTranslationFilterInt(int bits);
  bool ReadOnlyFilter() const { return FReadOnly; }
  void SetReadOnlyFilter(bool on) { SetFlag(FReadOnly, on); }
  bool CommentedRowsFilter() const { return FCommented; }
  void SetCommentedRowsFilter(bool on) { SetFlag(FCommented, on); }
  bool ValidationErrorsFilter() const { return FValidationErrors; }
  void SetValidationErrorsFilter(bool on) { SetFlag(FValidationErrors, on); }
  bool ValidationWarnsFilter() const { return FValidationWarns; }
  void SetValidationWarnsFilter(bool on) { SetFlag(FValidationWarns, on); }
  bool CapsFilter() const { return FCaps; }
  void SetCapsFilter(bool on) { SetFlag(FCaps, on); }
  bool SameNativeFilter() const { return FSameNative; }
  void SetSameNativeFilter(bool on) { SetFlag(FSameNative, on); }

  /// The flag of row status `index` (0 "new" .. 3 "removed").
  bool RowStatusHidden(int index) const { return FRowFlags[std::size_t(index)]; }
  /// The flag of translation status `index` (0 "fuzzy" .. 4 "ready").
  bool TransStatusHidden(int index) const { return FTransFlags[std::size_t(index)]; }

private:
  void SetFlag(bool &flag, bool on);
  void Changed();

  QString FFilter;
  int FFilteringColumn = 1;
  std::array<bool, 4> FRowFlags{};
  std::array<bool, 5> FTransFlags{};
  bool FReadOnly = false;
  bool FCommented = false;
  bool FValidationErrors = false;
  bool FValidationWarns = false;
  bool FCaps = false;
  bool FSameNative = false;
};
