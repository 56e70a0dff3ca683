#pragma once

// Values that cross the plug-in boundary. Only five kinds exist here: empty,
// null, a 32-bit integer, a BSTR and a boolean. Ownership: an [in] variant
// stays the caller's; an [out] variant arrives empty and the callee fills it,
// the caller clears it; an [in,out] variant is cleared by the callee before it
// writes.

#include "vantria/com/VnBstr.h"
#include "vantria/com/VnComTypes.h"

#include <cstdint>

using VARTYPE = std::uint16_t;
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_NULL = 1;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_BOOL = 11;

using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

struct VARIANT {
  VARTYPE vt;
  std::uint16_t wReserved1;
  std::uint16_t wReserved2;
  std::uint16_t wReserved3;
  union {
    std::int32_t lVal;
    BSTR bstrVal;
    VARIANT_BOOL boolVal;
    std::uint64_t padding[2]; // room for kinds a later version may add
  };
};

/// Makes `value` empty without looking at what it held.
inline void VariantInit(VARIANT *value) noexcept {
  if (!value)
    return;
  value->vt = VT_EMPTY;
  value->wReserved1 = value->wReserved2 = value->wReserved3 = 0;
  value->padding[0] = value->padding[1] = 0;
}

/// Frees what `value` owns and makes it empty. E_POINTER for null; an unknown
/// kind is left untouched (its owner is unknown) with E_INVALIDARG.
inline HRESULT VariantClear(VARIANT *value) noexcept {
  if (!value)
    return E_POINTER;
  switch (value->vt) {
  case VT_BSTR:
    SysFreeString(value->bstrVal);
    break;
  case VT_EMPTY:
  case VT_NULL:
  case VT_I4:
  case VT_BOOL:
    break;
  default:
    return E_INVALIDARG;
  }
  VariantInit(value);
  return S_OK;
}
