#pragma once

// The exporter contract: writes a project to another format. One object per
// export run, called in the order Setup, Open, Export, Close.

#include "vantria/com/VnCom.h"

inline constexpr IID IID_IGeneralExporter = VnGuid("{74E995A6-21E5-4219-B30E-FE1365448894}");

struct IGeneralExporter : IUnknown {
  /// `result` [out]: below 0 stops the export; the host shows GetText of it.
  virtual HRESULT Open(VARIANT *result) noexcept = 0;
  /// The result is ignored.
  virtual HRESULT Close(VARIANT *result) noexcept = 0;
  /// `a` and `b` are empty; `project` [in]: the exported project document as
  /// UTF-16 text; `silent` is 0. A result below 0 stops the export quietly.
  virtual HRESULT Setup(BSTR a, BSTR b, VARIANT *project, std::int32_t silent, VARIANT *result) noexcept = 0;
  /// `result` [out]: a status; 0 means the export is complete, other values
  /// are shown as GetText of them.
  virtual HRESULT Export(VARIANT *result) noexcept = 0;
  /// `text` [out]: the message of a result or status code.
  virtual HRESULT GetText(std::int32_t code, VARIANT *text) noexcept = 0;
  /// Never called; present so that the table keeps its size.
  virtual HRESULT Reserved6() noexcept = 0;

protected:
  ~IGeneralExporter() = default;
};
