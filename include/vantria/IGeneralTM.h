#pragma once

// The translation memory contract: translations are looked up and stored by
// language pair. One object per configured memory; at most one is live.

#include "vantria/com/VnCom.h"

inline constexpr IID IID_IGeneralTM = VnGuid("{31291606-17CC-40DC-987B-E822EB483012}");

struct IGeneralTM : IUnknown {
  /// `result` [out]: 0 or higher when the memory is usable.
  virtual HRESULT Open(VARIANT *result) noexcept = 0;
  /// `mode`: 0 normally, 1 after translations were stored. The result is ignored.
  virtual HRESULT Close(std::int32_t mode, VARIANT *result) noexcept = 0;
  /// As for importers; -1 keeps the previous configuration, -4 means the file
  /// has an unsupported encoding.
  virtual HRESULT Setup(BSTR configuration, BSTR sourceLanguage, BSTR targetLanguage, std::int32_t silent,
                        VARIANT *result) noexcept = 0;
  /// `result` [out]: a translations document (as for importers). A memory whose
  /// version is below 1.1.0.0 answers 8-bit UTF-8 text, newer ones UTF-16.
  virtual HRESULT Lookup(BSTR text, VARIANT *result) noexcept = 0;
  /// Stores one translation. Called once with four empty texts when the memory
  /// is attached: a result of 0 or more says it can store translations.
  virtual HRESULT Store(BSTR nativeText, BSTR translation, BSTR sourceLanguage, BSTR targetLanguage,
                        VARIANT *result) noexcept = 0;
  /// Asked once when the memory is attached; the answers are not used further.
  virtual HRESULT InquireA(std::int32_t reserved, VARIANT *result) noexcept = 0;
  virtual HRESULT InquireB(BSTR a, BSTR b, BSTR c, BSTR d, VARIANT *result) noexcept = 0;
  /// `text` [out]: for code 0 the configuration string; other codes a message or status.
  virtual HRESULT GetText(std::int32_t code, VARIANT *text) noexcept = 0;
  /// Never called; present so that the table keeps its size.
  virtual HRESULT Reserved9() noexcept = 0;

protected:
  ~IGeneralTM() = default;
};
