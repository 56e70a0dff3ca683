#include "ui/VnFilterConfig.h"

namespace {

template <std::size_t N> int ToBits(const std::array<bool, N> &flags) {
  int bits = 0;
  for (std::size_t i = 0; i < N; ++i)
    bits |= flags[i] ? 1 << i : 0;
  return bits;
}

template <std::size_t N> void FromBits(std::array<bool, N> &flags, int bits) {
  for (std::size_t i = 0; i < N; ++i)
    flags[i] = (bits >> i) & 1;
}

} // namespace

void TVnFilterConfig::SetFilter(const QString &text) {
  // A running refresh would apply the old text: stop it first.
  if (OnCancel)
    OnCancel();
  FFilter = text;
  Changed();
}

void TVnFilterConfig::SetFilteringColumn(int column) {
  FFilteringColumn = column;
  if (!FFilter.isEmpty())
    Changed();
}

int TVnFilterConfig::RowFilterInt() const { return ToBits(FRowFlags); }

void TVnFilterConfig::SetRowFilterInt(int bits) {
  FromBits(FRowFlags, bits);
  Changed();
}

int TVnFilterConfig::TranslationFilterInt() const { return ToBits(FTransFlags); }

void TVnFilterConfig::SetTranslationFilterInt(int bits) {
  FromBits(FTransFlags, bits);
  Changed();
}

void TVnFilterConfig::SetFlag(bool &flag, bool on) {
  flag = on;
  Changed();
}

void TVnFilterConfig::Changed() {
  if (OnChanged)
    OnChanged();
}
