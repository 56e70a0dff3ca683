#pragma once

// The interface of the test plug-in, shared by the plug-in and its tests.

#include "vantria/com/VnCom.h"

inline constexpr CLSID CLSID_VnTestEcho = VnGuid("{8B3F2C14-6E0A-4D57-A1B9-3C7E5F9D2A68}");
inline constexpr IID IID_IVnTestEcho = VnGuid("{C41D7E20-93B5-4A8F-B6E2-0F5A7D3C9B14}");

struct IVnTestEcho : IUnknown {
  /// [out] `result`: VT_BSTR with a copy of `text`.
  virtual HRESULT Echo(BSTR text, VARIANT *result) noexcept = 0;
  /// 0: S_OK; 1: throws a plain exception; 2: throws bad_alloc; else E_INVALIDARG.
  virtual HRESULT Fail(std::int32_t how) noexcept = 0;
  /// [out] `count`: VT_I4, the objects of this plug-in alive now.
  virtual HRESULT LiveObjects(VARIANT *count) noexcept = 0;

protected:
  ~IVnTestEcho() = default;
};
