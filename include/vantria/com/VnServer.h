#pragma once

// What a plug-in (an in-process server) exports, and how it registers itself.
//
// Exports, all declared with VN_EXPORT, each body inside VnComGuard:
//   HRESULT DllGetClassObject(const CLSID &clsid, const IID &iid, void **object)
//   HRESULT DllCanUnloadNow()            (the host never unloads; kept for old callers)
//   HRESULT VnSetClassRegistrar(IVnClassRegistrar *registrar)
//   HRESULT DllRegisterServer()
//   HRESULT DllUnregisterServer()
//   HRESULT VnGetFileVersion(VARIANT *version)   (VT_BSTR "1.2.0.0" into an empty variant)
//
// Registration: the host owns the class registry file; a plug-in never writes
// it (it must not link the host's code, and two writers of one file race).
// To register a library the host opens it, hands it a registrar through
// VnSetClassRegistrar, calls DllRegisterServer, which calls AddClass once per
// class it serves, and then hands it null again. The host records the library
// path itself, so a plug-in need not know where it lives. The registry file is
// written only when DllRegisterServer succeeds, so a failing plug-in leaves no
// half registration behind. Unregistration is the same with RemoveClass.
// VnStoredClassRegistrar below is the slot a plug-in keeps the registrar in.

#include "vantria/com/VnBstr.h"
#include "vantria/com/VnComTypes.h"
#include "vantria/com/VnUnknown.h"
#include "vantria/com/VnVariant.h"

#include <atomic>

inline constexpr IID IID_IVnClassRegistrar = VnGuid("{5E0B7C61-2A4D-4F3B-9C1E-7D8A6B2F4E10}");

struct IVnClassRegistrar : IUnknown {
  /// Records that this library serves `clsid` under the ProgID `progId`.
  virtual HRESULT AddClass(BSTR progId, const CLSID &clsid) noexcept = 0;
  /// Removes the ProgID `progId` and the class `clsid` from the registry.
  virtual HRESULT RemoveClass(BSTR progId, const CLSID &clsid) noexcept = 0;

protected:
  ~IVnClassRegistrar() = default;
};

/// The registrar the host handed over, null outside registration. One slot per
/// plug-in module (hidden visibility gives each module its own).
inline std::atomic<IVnClassRegistrar *> &VnStoredClassRegistrar() noexcept {
  static std::atomic<IVnClassRegistrar *> registrar{nullptr};
  return registrar;
}

// Types of the exports, for the host's dlsym.
using VnDllGetClassObjectFn = HRESULT (*)(const CLSID &, const IID &, void **);
using VnDllCanUnloadNowFn = HRESULT (*)();
using VnSetClassRegistrarFn = HRESULT (*)(IVnClassRegistrar *);
using VnDllRegisterServerFn = HRESULT (*)();
using VnDllUnregisterServerFn = HRESULT (*)();
using VnGetFileVersionFn = HRESULT (*)(VARIANT *);
