#pragma once

// Loading plug-in libraries and creating their objects.
//
// Libraries are opened with dlopen(canonical path, RTLD_NOW | RTLD_LOCAL |
// RTLD_NODELETE), once per path, and never closed: an object's Release after
// the code behind it is gone would crash, and a plug-in cannot say reliably
// when its last object died. Every failure names the library.

#include "core/VnError.h"
#include "vantria/com/VnComTypes.h"

#include <QString>

/// A failure of the COM layer, carrying the result code a caller that answers
/// in HRESULTs should pass on.
class EVnComError : public EVnError {
public:
  EVnComError(const QString &message, HRESULT hr) : EVnError(message), FResult(hr) {}
  HRESULT Result() const noexcept { return FResult; }

private:
  HRESULT FResult;
};

/// Opens a library (once) and answers its handle. Throws EVnComError naming the
/// file when it does not exist or cannot be loaded.
void *VnLoadComLibrary(const QString &libraryPath);
/// The address of an export; throws EVnComError naming both when it is missing.
void *VnComExport(const QString &libraryPath, const char *name);

/// Registers the classes of a library in the class registry (see
/// vantria/com/VnServer.h for how a plug-in takes part). The file is written
/// only when the plug-in's DllRegisterServer succeeds.
void VnRegisterServer(const QString &libraryPath);
/// Removes the library's classes from the class registry.
void VnUnregisterServer(const QString &libraryPath);

/// The class a ProgID names: S_OK, or REGDB_E_CLASSNOTREG (clsid untouched).
HRESULT VnCLSIDFromProgID(const QString &progId, CLSID *clsid);

/// Creates an object of a registered class through its library's class factory
/// and stores its `iid` interface, AddRef'ed, in `*object`. Throws EVnComError
/// naming the class and the library on every failure.
void VnCreateInstance(const CLSID &clsid, const IID &iid, void **object);
/// The same answering a result code: REGDB_E_CLASSNOTREG for a class not in the
/// registry, CLASS_E_CLASSNOTAVAILABLE when its library cannot be loaded or
/// lacks DllGetClassObject, else what the plug-in answered.
/// `*object` is null on failure.
HRESULT VnCoCreateInstance(const CLSID &clsid, const IID &iid, void **object);

/// The version text a plug-in reports through its VnGetFileVersion export.
/// Throws EVnComError naming the library when it cannot be asked or fails.
QString VnGetFileVersion(const QString &libraryPath);
/// Lets the version comparisons of the core ask plug-ins through
/// VnGetFileVersion (a plug-in that cannot answer has no version).
void VnInstallPluginVersionReader();
