#pragma once

// Strings that cross the plug-in boundary. A BSTR points at UTF-16 text; the
// four bytes before it hold the length in bytes and two NUL bytes follow it.
// A null BSTR is the empty string. A "byte" BSTR may hold an odd number of
// bytes (old plug-ins pass UTF-8 that way).
//
// Each module compiles its own copy of these functions (they are inline and
// hidden) so a plug-in never binds to the host; all of them allocate with
// malloc and free with free, so a string made on one side is freed on the other.

#include <cstdint>
#include <cstdlib>
#include <cstring>

using BSTR = char16_t *;

namespace vn_com_detail {

// The largest byte length whose block (prefix, text, terminator) still fits.
inline constexpr std::uint32_t MaxBstrBytes = 0xFFFFFFFFu - 16u;

inline BSTR AllocBstrBytes(const void *source, std::uint32_t byteLength) noexcept {
  if (byteLength > MaxBstrBytes)
    return nullptr;
  auto *block = static_cast<unsigned char *>(std::malloc(std::size_t(byteLength) + 4 + 2));
  if (!block)
    return nullptr;
  std::memcpy(block, &byteLength, 4);
  if (source)
    std::memcpy(block + 4, source, byteLength);
  else
    std::memset(block + 4, 0, byteLength);
  block[4 + byteLength] = 0;
  block[4 + byteLength + 1] = 0;
  return reinterpret_cast<BSTR>(block + 4);
}

} // namespace vn_com_detail

/// A copy of `length` UTF-16 units from `text` (embedded NULs kept); a null
/// `text` gives that many zero units. Null when out of memory or too long.
inline BSTR SysAllocStringLen(const char16_t *text, std::uint32_t length) noexcept {
  if (length > vn_com_detail::MaxBstrBytes / 2)
    return nullptr;
  return vn_com_detail::AllocBstrBytes(text, length * 2);
}

/// A copy of a NUL-terminated text; null for a null text.
inline BSTR SysAllocString(const char16_t *text) noexcept {
  if (!text)
    return nullptr;
  std::size_t length = 0;
  while (text[length])
    ++length;
  if (length > vn_com_detail::MaxBstrBytes / 2)
    return nullptr;
  return SysAllocStringLen(text, static_cast<std::uint32_t>(length));
}

/// A copy of `byteLength` bytes; a null `bytes` gives that many zero bytes.
inline BSTR SysAllocStringByteLen(const char *bytes, std::uint32_t byteLength) noexcept {
  return vn_com_detail::AllocBstrBytes(bytes, byteLength);
}

/// The length in bytes; 0 for null.
inline std::uint32_t SysStringByteLen(BSTR text) noexcept {
  if (!text)
    return 0;
  std::uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const unsigned char *>(text) - 4, 4);
  return bytes;
}

/// The length in UTF-16 units (an odd last byte does not count); 0 for null.
inline std::uint32_t SysStringLen(BSTR text) noexcept { return SysStringByteLen(text) / 2; }

/// Frees a BSTR; null is allowed.
inline void SysFreeString(BSTR text) noexcept {
  if (text)
    std::free(reinterpret_cast<unsigned char *>(text) - 4);
}
