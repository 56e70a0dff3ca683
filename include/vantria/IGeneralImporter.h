#pragma once

// The importer contract: a source of translations (a file, a service) asked
// one text at a time. One object per configured source.
//
// Result codes in the [out] variants: 0 success, -1 cancelled by the user,
// -2 configuration file not found, -3 illegal configuration or opening failed,
// -4 language pair not supported (the source stays connected).

#include "vantria/com/VnCom.h"

inline constexpr IID IID_IGeneralImporter = VnGuid("{0F427F34-7849-4556-A18E-A8AD73250714}");

struct IGeneralImporter : IUnknown {
  /// Connects the source. `result` [out]: 0 or -4 keep it connected; any
  /// other code makes the host call Disable and treat it as disconnected.
  virtual HRESULT Enable(VARIANT *result) noexcept = 0;
  /// Disconnects the source. The result is ignored.
  virtual HRESULT Disable(VARIANT *result) noexcept = 0;
  /// Configures the source with the configuration string the host stored (see
  /// GetText code 0) for a language pair. With `silent` 0 the plug-in may show
  /// its own dialog; with 1 it must not.
  virtual HRESULT Setup(BSTR configuration, BSTR sourceLanguage, BSTR targetLanguage, std::int32_t silent,
                        VARIANT *result) noexcept = 0;
  /// `result` [out]: a translations document as UTF-16 text: a root whose child
  /// "translations" holds one element per candidate, its text the candidate,
  /// with the optional attributes "match" (percent, 100 when absent),
  /// "comment" and "row_comment". `context` may be empty.
  virtual HRESULT Translate(BSTR text, BSTR context, VARIANT *result) noexcept = 0;
  /// `text` [out]: for code 0 the configuration string; for a negative code the
  /// message of that result code.
  virtual HRESULT GetText(std::int32_t code, VARIANT *text) noexcept = 0;
  /// Never called; present so that the table keeps its size.
  virtual HRESULT Reserved6(VARIANT *result) noexcept = 0;
  virtual HRESULT Reserved7() noexcept = 0;

protected:
  ~IGeneralImporter() = default;
};
