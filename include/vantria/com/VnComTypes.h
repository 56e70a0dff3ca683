#pragma once

// The basic types every plug-in and the program share: result codes, class and
// interface identifiers, the export macro and the guard that keeps exceptions
// inside a module. This header needs nothing but the C++ standard library, so a
// plug-in author can build against include/vantria alone.

#include <array>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>

/// Marks a plug-in entry point: C names, visible although the project hides
/// everything else, so the host finds it with dlsym and nothing else leaks.
#define VN_EXPORT extern "C" __attribute__((visibility("default")))

/// A result code: negative means failure.
using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);

inline constexpr bool SUCCEEDED(HRESULT hr) noexcept { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) noexcept { return hr < 0; }

/// A class or interface identifier.
struct GUID {
  std::uint32_t Data1 = 0;
  std::uint16_t Data2 = 0;
  std::uint16_t Data3 = 0;
  std::uint8_t Data4[8] = {};

  friend constexpr bool operator==(const GUID &a, const GUID &b) noexcept {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
      return false;
    for (int i = 0; i < 8; ++i)
      if (a.Data4[i] != b.Data4[i])
        return false;
    return true;
  }
};
using CLSID = GUID;
using IID = GUID;

namespace vn_com_detail {

constexpr int HexDigit(char c) noexcept {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

} // namespace vn_com_detail

/// Reads the registry form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; either
/// case of hex digit is accepted. Anything else (no braces, wrong length or
/// dash positions, a non-hex digit, blanks) has no value.
constexpr std::optional<GUID> VnParseGuid(std::string_view text) noexcept {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}')
    return std::nullopt;
  std::uint8_t bytes[16] = {};
  int count = 0;
  for (std::size_t i = 1; i < 37; ++i) {
    if (i == 9 || i == 14 || i == 19 || i == 24) {
      if (text[i] != '-')
        return std::nullopt;
      continue;
    }
    const int high = vn_com_detail::HexDigit(text[i]);
    const int low = vn_com_detail::HexDigit(text[i + 1]);
    if (high < 0 || low < 0 || i + 1 == 9 || i + 1 == 14 || i + 1 == 19 || i + 1 == 24)
      return std::nullopt;
    bytes[count++] = static_cast<std::uint8_t>(high * 16 + low);
    ++i;
  }
  GUID guid;
  guid.Data1 = (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
               (std::uint32_t(bytes[2]) << 8) | bytes[3];
  guid.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i)
    guid.Data4[i] = bytes[8 + i];
  return guid;
}

/// A GUID constant from its registry form; a malformed text fails to compile.
consteval GUID VnGuid(std::string_view text) {
  const std::optional<GUID> guid = VnParseGuid(text);
  if (!guid)
    throw "malformed GUID text"; // only ever evaluated at compile time
  return *guid;
}

/// The registry form in upper case with braces: 38 characters.
inline std::string VnFormatGuid(const GUID &guid) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::uint8_t bytes[16] = {
      std::uint8_t(guid.Data1 >> 24), std::uint8_t(guid.Data1 >> 16), std::uint8_t(guid.Data1 >> 8),
      std::uint8_t(guid.Data1),       std::uint8_t(guid.Data2 >> 8),  std::uint8_t(guid.Data2),
      std::uint8_t(guid.Data3 >> 8),  std::uint8_t(guid.Data3)};
  for (int i = 0; i < 8; ++i)
    bytes[8 + i] = guid.Data4[i];
  std::string text = "{";
  for (int i = 0; i < 16; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10)
      text += '-';
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  text += '}';
  return text;
}

/// Runs `body` (which answers an HRESULT) so that no exception leaves it: the
/// body of every interface method and export goes through here, because an
/// exception unwinding into another module's frames is undefined.
template <typename TBody> HRESULT VnComGuard(TBody &&body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc &) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}
