#pragma once

// The base interfaces. Interface rules that keep the tables of both sides in
// step: only pure-virtual noexcept methods, no overloads, no data, and a
// protected non-virtual destructor (a virtual one would add table entries);
// objects are destroyed only by their own Release.

#include "vantria/com/VnComTypes.h"

#include <cstdint>

inline constexpr IID IID_IUnknown = VnGuid("{00000000-0000-0000-C000-000000000046}");
inline constexpr IID IID_IClassFactory = VnGuid("{00000001-0000-0000-C000-000000000046}");

struct IUnknown {
  /// Stores an AddRef'ed pointer to the interface `iid` in `*object`, or null
  /// with E_NOINTERFACE.
  virtual HRESULT QueryInterface(const IID &iid, void **object) noexcept = 0;
  virtual std::uint32_t AddRef() noexcept = 0;
  virtual std::uint32_t Release() noexcept = 0;

protected:
  ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
  /// A new object answering `iid`; `outer` must be null (no aggregation).
  virtual HRESULT CreateInstance(IUnknown *outer, const IID &iid, void **object) noexcept = 0;
  virtual HRESULT LockServer(std::int32_t lock) noexcept = 0;

protected:
  ~IClassFactory() = default;
};
