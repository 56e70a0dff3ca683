#include "com/VnComLoader.h"

#include "com/VnClassRegistry.h"
#include "com/VnComText.h"
#include "core/VnFileVersion.h"
#include "vantria/com/VnComPtr.h"
#include "vantria/com/VnServer.h"
#include "vantria/com/VnUnknown.h"
#include "vantria/com/VnVariant.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <dlfcn.h>

#include <atomic>
#include <mutex>

namespace {

std::mutex LibrariesLock;
// Canonical path -> handle; entries are never removed (libraries stay loaded).
QHash<QString, void *> &Libraries() {
  static QHash<QString, void *> libraries;
  return libraries;
}

QString Canonical(const QString &libraryPath) {
  const QString canonical = QFileInfo(libraryPath).canonicalFilePath();
  if (canonical.isEmpty())
    throw EVnComError(QStringLiteral("The plug-in library \"%1\" does not exist.").arg(libraryPath),
                      CLASS_E_CLASSNOTAVAILABLE);
  return canonical;
}

QString Failed(const QString &libraryPath, const char *function, HRESULT hr) {
  return QStringLiteral("%1 of the plug-in library \"%2\" failed (%3).")
      .arg(QString::fromLatin1(function), libraryPath, VnHResultText(hr));
}

// The registrar a library gets while its DllRegisterServer or
// DllUnregisterServer runs. It lives on the host's stack for that call only, so
// Release never deletes it; the count is kept for plug-ins that check it.
class THostRegistrar final : public IVnClassRegistrar {
public:
  THostRegistrar(TVnClassRegistry &registry, QString library)
      : FRegistry(registry), FLibrary(std::move(library)) {}

  HRESULT QueryInterface(const IID &iid, void **object) noexcept override {
    if (!object)
      return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IVnClassRegistrar) {
      *object = static_cast<IVnClassRegistrar *>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  std::uint32_t AddRef() noexcept override { return ++FReferences; }
  std::uint32_t Release() noexcept override { return --FReferences; }

  HRESULT AddClass(BSTR progId, const CLSID &clsid) noexcept override {
    return VnComGuard([&] {
      const QString name = VnBstrText(progId);
      if (name.trimmed().isEmpty())
        return E_INVALIDARG;
      FRegistry.Add(name, clsid, FLibrary);
      return S_OK;
    });
  }
  HRESULT RemoveClass(BSTR progId, const CLSID &clsid) noexcept override {
    return VnComGuard([&] {
      FRegistry.Remove(VnBstrText(progId), clsid);
      return S_OK;
    });
  }

private:
  TVnClassRegistry &FRegistry;
  QString FLibrary;
  std::atomic<std::uint32_t> FReferences{1};
};

void RunRegistration(const QString &libraryPath, const char *function) {
  const QString canonical = Canonical(libraryPath);
  auto setRegistrar = reinterpret_cast<VnSetClassRegistrarFn>(VnComExport(canonical, "VnSetClassRegistrar"));
  auto run = reinterpret_cast<VnDllRegisterServerFn>(VnComExport(canonical, function));

  TVnClassRegistry registry;
  THostRegistrar registrar(registry, canonical);
  HRESULT hr = setRegistrar(&registrar);
  if (FAILED(hr))
    throw EVnComError(Failed(canonical, "VnSetClassRegistrar", hr), hr);
  hr = run();
  setRegistrar(nullptr); // the registrar dies with this frame
  if (FAILED(hr))
    throw EVnComError(Failed(canonical, function, hr), hr);
  registry.Save();
}

} // namespace

void *VnLoadComLibrary(const QString &libraryPath) {
  const QString canonical = Canonical(libraryPath);
  std::lock_guard lock(LibrariesLock);
  if (void *handle = Libraries().value(canonical))
    return handle;
  void *handle = ::dlopen(QFile::encodeName(canonical).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) {
    const char *reason = ::dlerror();
    throw EVnComError(QStringLiteral("The plug-in library \"%1\" cannot be loaded: %2")
                          .arg(canonical, reason ? QString::fromLocal8Bit(reason) : QStringLiteral("unknown reason")),
                      CLASS_E_CLASSNOTAVAILABLE);
  }
  Libraries().insert(canonical, handle);
  return handle;
}

void *VnComExport(const QString &libraryPath, const char *name) {
  void *handle = VnLoadComLibrary(libraryPath);
  void *address = ::dlsym(handle, name);
  if (!address)
    throw EVnComError(QStringLiteral("The plug-in library \"%1\" does not export %2.")
                          .arg(libraryPath, QString::fromLatin1(name)),
                      CLASS_E_CLASSNOTAVAILABLE);
  return address;
}

void VnRegisterServer(const QString &libraryPath) { RunRegistration(libraryPath, "DllRegisterServer"); }

void VnUnregisterServer(const QString &libraryPath) { RunRegistration(libraryPath, "DllUnregisterServer"); }

HRESULT VnCLSIDFromProgID(const QString &progId, CLSID *clsid) {
  if (!clsid)
    return E_POINTER;
  const std::optional<CLSID> found = TVnClassRegistry().ClassOf(progId);
  if (!found)
    return REGDB_E_CLASSNOTREG;
  *clsid = *found;
  return S_OK;
}

void VnCreateInstance(const CLSID &clsid, const IID &iid, void **object) {
  if (!object)
    throw EVnComError(QStringLiteral("No place for the object was given."), E_POINTER);
  *object = nullptr;
  const QString library = TVnClassRegistry().LibraryOf(clsid);
  if (library.isEmpty())
    throw EVnComError(QStringLiteral("The class %1 is not registered.").arg(VnGuidText(clsid)),
                      REGDB_E_CLASSNOTREG);
  auto getClassObject = reinterpret_cast<VnDllGetClassObjectFn>(VnComExport(library, "DllGetClassObject"));

  TVnComPtr<IClassFactory> factory;
  HRESULT hr = getClassObject(clsid, IID_IClassFactory, factory.Receive());
  if (SUCCEEDED(hr) && !factory)
    hr = E_POINTER; // claims success but gave nothing
  if (FAILED(hr))
    throw EVnComError(QStringLiteral("The plug-in library \"%1\" has no class factory for %2 (%3).")
                          .arg(library, VnGuidText(clsid), VnHResultText(hr)),
                      hr);
  void *created = nullptr;
  hr = factory->CreateInstance(nullptr, iid, &created);
  if (SUCCEEDED(hr) && !created)
    hr = E_POINTER;
  if (FAILED(hr))
    throw EVnComError(QStringLiteral("The plug-in library \"%1\" could not create an object of %2 (%3).")
                          .arg(library, VnGuidText(clsid), VnHResultText(hr)),
                      hr);
  *object = created;
}

HRESULT VnCoCreateInstance(const CLSID &clsid, const IID &iid, void **object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  try {
    VnCreateInstance(clsid, iid, object);
    return S_OK;
  } catch (const EVnComError &error) {
    return error.Result();
  } catch (const std::bad_alloc &) {
    return E_OUTOFMEMORY;
  } catch (const std::exception &) {
    return E_FAIL; // the registry file could not be read
  }
}

QString VnGetFileVersion(const QString &libraryPath) {
  auto getVersion = reinterpret_cast<VnGetFileVersionFn>(VnComExport(libraryPath, "VnGetFileVersion"));
  TVnVariant version;
  const HRESULT hr = getVersion(version.Receive());
  if (FAILED(hr))
    throw EVnComError(Failed(libraryPath, "VnGetFileVersion", hr), hr);
  if (version.Value().vt != VT_BSTR)
    throw EVnComError(QStringLiteral("VnGetFileVersion of the plug-in library \"%1\" gave no text.").arg(libraryPath),
                      E_FAIL);
  return VnBstrText(version.Value().bstrVal);
}

void VnInstallPluginVersionReader() {
  VnSetPluginVersionReader([](const QString &fileName) {
    try {
      return VnGetFileVersion(fileName);
    } catch (const EVnError &) {
      return QString();
    }
  });
}
