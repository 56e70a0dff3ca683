#pragma once

// Owners for the host side, so that no Release, SysFreeString or VariantClear
// is ever forgotten on an early return or an exception.

#include "vantria/com/VnBstr.h"
#include "vantria/com/VnUnknown.h"
#include "vantria/com/VnVariant.h"

#include <cstdint>
#include <utility>

/// Holds one reference to an interface.
template <typename T> class TVnComPtr {
public:
  TVnComPtr() noexcept = default;
  /// Takes over a reference the caller already holds.
  static TVnComPtr Attach(T *pointer) noexcept {
    TVnComPtr result;
    result.FPointer = pointer;
    return result;
  }
  /// Adds a reference of its own.
  static TVnComPtr Share(T *pointer) noexcept {
    if (pointer)
      pointer->AddRef();
    return Attach(pointer);
  }
  TVnComPtr(const TVnComPtr &other) noexcept : FPointer(other.FPointer) {
    if (FPointer)
      FPointer->AddRef();
  }
  TVnComPtr(TVnComPtr &&other) noexcept : FPointer(std::exchange(other.FPointer, nullptr)) {}
  TVnComPtr &operator=(TVnComPtr other) noexcept {
    std::swap(FPointer, other.FPointer);
    return *this;
  }
  ~TVnComPtr() { Reset(); }

  T *Get() const noexcept { return FPointer; }
  T *operator->() const noexcept { return FPointer; }
  explicit operator bool() const noexcept { return FPointer != nullptr; }
  void Reset() noexcept {
    if (T *pointer = std::exchange(FPointer, nullptr))
      pointer->Release();
  }
  /// Releases what is held and gives the address to fill as an [out] pointer.
  void **Receive() noexcept {
    Reset();
    return reinterpret_cast<void **>(&FPointer);
  }
  T *Detach() noexcept { return std::exchange(FPointer, nullptr); }

private:
  T *FPointer = nullptr;
};

/// Owns one BSTR.
class TVnBstr {
public:
  TVnBstr() noexcept = default;
  explicit TVnBstr(BSTR owned) noexcept : FText(owned) {}
  TVnBstr(const TVnBstr &) = delete;
  TVnBstr &operator=(const TVnBstr &) = delete;
  TVnBstr(TVnBstr &&other) noexcept : FText(std::exchange(other.FText, nullptr)) {}
  TVnBstr &operator=(TVnBstr &&other) noexcept {
    if (this != &other)
      Reset(std::exchange(other.FText, nullptr));
    return *this;
  }
  ~TVnBstr() { SysFreeString(FText); }

  BSTR Get() const noexcept { return FText; }
  std::uint32_t Length() const noexcept { return SysStringLen(FText); }
  void Reset(BSTR owned = nullptr) noexcept { SysFreeString(std::exchange(FText, owned)); }
  BSTR Detach() noexcept { return std::exchange(FText, nullptr); }
  /// Frees what is held and gives the address to fill as an [out] string.
  BSTR *Receive() noexcept {
    Reset();
    return &FText;
  }

private:
  BSTR FText = nullptr;
};

/// Owns one VARIANT, cleared when it goes.
class TVnVariant {
public:
  TVnVariant() noexcept { VariantInit(&FValue); }
  TVnVariant(const TVnVariant &) = delete;
  TVnVariant &operator=(const TVnVariant &) = delete;
  ~TVnVariant() { VariantClear(&FValue); }

  VARIANT *Get() noexcept { return &FValue; }
  const VARIANT &Value() const noexcept { return FValue; }
  /// Clears it and gives the address for an [out] value, which must arrive empty.
  VARIANT *Receive() noexcept {
    Clear();
    return &FValue;
  }
  void Clear() noexcept {
    if (FAILED(VariantClear(&FValue)))
      VariantInit(&FValue); // unknown kind: nothing we can free
  }
  void SetInt(std::int32_t value) noexcept {
    Clear();
    FValue.vt = VT_I4;
    FValue.lVal = value;
  }
  void SetBool(bool value) noexcept {
    Clear();
    FValue.vt = VT_BOOL;
    FValue.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  /// Takes over `owned`.
  void SetBstr(BSTR owned) noexcept {
    Clear();
    FValue.vt = VT_BSTR;
    FValue.bstrVal = owned;
  }

private:
  VARIANT FValue;
};
