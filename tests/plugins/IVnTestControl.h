#pragma once

// How tests steer the contract test plug-ins: what an operation answers, and
// whether it fails, throws or takes its time. Operations are numbered as in
// their interface's table, from 1.

#include "vantria/VnPlugins.h"

inline constexpr CLSID CLSID_VnTestScanner = VnGuid("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B81}");
inline constexpr CLSID CLSID_VnTestImporter = VnGuid("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B82}");
inline constexpr CLSID CLSID_VnTestTM = VnGuid("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B83}");
inline constexpr CLSID CLSID_VnTestExporter = VnGuid("{3D6A1F52-8C47-4E19-B0D3-6F2E9A7C5B84}");
inline constexpr IID IID_IVnTestControl = VnGuid("{A7C2E9D4-1B63-4F58-9E0A-2D8F6B3C7E15}");

struct IVnTestControl : IUnknown {
  /// What operation `op` writes into its result: a copy of `answer`.
  virtual HRESULT SetAnswer(std::int32_t op, VARIANT *answer) noexcept = 0;
  /// Operation `op` returns `hr` without doing anything (S_OK undoes it).
  virtual HRESULT SetFailure(std::int32_t op, HRESULT hr) noexcept = 0;
  /// Operation `op` throws: 1 an ordinary exception, 2 bad_alloc, 0 none.
  virtual HRESULT SetThrow(std::int32_t op, std::int32_t kind) noexcept = 0;
  /// Operation `op` works for `steps` steps of `milliseconds` each (Scan and
  /// Build report their progress and stop early on Abort).
  virtual HRESULT SetDelay(std::int32_t op, std::int32_t steps, std::int32_t milliseconds) noexcept = 0;
  /// `count` [out]: how often operation `op` was called.
  virtual HRESULT CallCount(std::int32_t op, VARIANT *count) noexcept = 0;
  /// `text` [out]: the arguments of the last call of `op`, joined by "|",
  /// for the operations that record them (Setup of importers and memories:
  /// configuration|source|target|silent).
  virtual HRESULT LastArguments(std::int32_t op, VARIANT *text) noexcept = 0;

protected:
  ~IVnTestControl() = default;
};
