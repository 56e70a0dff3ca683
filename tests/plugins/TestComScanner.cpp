// A plug-in for the tests of the COM layer: built from the public headers only,
// loaded through the real loader.

#include "IVnTestEcho.h"
#include "VnTestPlugin.h"

#include "vantria/com/VnCom.h"

#include <atomic>
#include <stdexcept>

namespace {

std::atomic<int> LiveCount{0};

class TEcho final : public IVnTestEcho {
public:
  TEcho() { ++LiveCount; }

  HRESULT QueryInterface(const IID &iid, void **object) noexcept override {
    return VnComGuard([&] {
      if (!object)
        return E_POINTER;
      if (iid == IID_IUnknown || iid == IID_IVnTestEcho) {
        *object = static_cast<IVnTestEcho *>(this);
        AddRef();
        return S_OK;
      }
      *object = nullptr;
      return E_NOINTERFACE;
    });
  }
  std::uint32_t AddRef() noexcept override { return ++FReferences; }
  std::uint32_t Release() noexcept override {
    const std::uint32_t left = --FReferences;
    if (left == 0)
      delete this;
    return left;
  }

  HRESULT Echo(BSTR text, VARIANT *result) noexcept override {
    return VnComGuard([&] {
      if (!result)
        return E_POINTER;
      BSTR copy = SysAllocStringLen(text, SysStringLen(text));
      if (!copy && text)
        throw std::bad_alloc();
      result->vt = VT_BSTR;
      result->bstrVal = copy;
      return S_OK;
    });
  }
  HRESULT Fail(std::int32_t how) noexcept override {
    return VnComGuard([&] {
      if (how == 1)
        throw std::runtime_error("asked to fail");
      if (how == 2)
        throw std::bad_alloc();
      return how == 0 ? S_OK : E_INVALIDARG;
    });
  }
  HRESULT LiveObjects(VARIANT *count) noexcept override {
    return VnComGuard([&] {
      if (!count)
        return E_POINTER;
      count->vt = VT_I4;
      count->lVal = LiveCount.load();
      return S_OK;
    });
  }

private:
  ~TEcho() { --LiveCount; }
  std::atomic<std::uint32_t> FReferences{1};
};

vntest::TFactory<TEcho> Factory;

const char16_t ProgId[] = u"TestComScanner.Scanner";

} // namespace

VN_EXPORT HRESULT DllGetClassObject(const CLSID &clsid, const IID &iid, void **object) {
  return VnComGuard([&] {
    if (!object)
      return E_POINTER;
    *object = nullptr;
    if (!(clsid == CLSID_VnTestEcho))
      return CLASS_E_CLASSNOTAVAILABLE;
    return Factory.QueryInterface(iid, object);
  });
}

VN_EXPORT HRESULT DllCanUnloadNow() {
  return VnComGuard([] { return LiveCount.load() == 0 ? S_OK : S_FALSE; });
}

VN_EXPORT HRESULT VnSetClassRegistrar(IVnClassRegistrar *registrar) {
  return VnComGuard([&] {
    VnStoredClassRegistrar().store(registrar);
    return S_OK;
  });
}

VN_EXPORT HRESULT DllRegisterServer() { return vntest::RegisterClass(true, ProgId, CLSID_VnTestEcho); }

VN_EXPORT HRESULT DllUnregisterServer() { return vntest::RegisterClass(false, ProgId, CLSID_VnTestEcho); }

VN_EXPORT HRESULT VnGetFileVersion(VARIANT *version) {
  return VnComGuard([&] {
    if (!version)
      return E_POINTER;
    BSTR text = SysAllocString(u"1.2.3.4");
    if (!text)
      return E_OUTOFMEMORY;
    version->vt = VT_BSTR;
    version->bstrVal = text;
    return S_OK;
  });
}
