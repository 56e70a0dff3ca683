// A scanner for the tests: answers what the test sets, fails, throws or takes
// its time on request. Built from the public headers only.

#include "IVnTestControl.h"

#include "vantria/VnPlugins.h"

#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

namespace {

constexpr int kOperations = 8;

struct TBehaviour {
  VARIANT Answer{};
  HRESULT Failure = S_OK;
  int Throw = 0;
  int Steps = 0;
  int Milliseconds = 0;
};

// Writes a copy of `from` into an [out] variant.
void CopyVariant(const VARIANT &from, VARIANT *to) {
  VariantInit(to);
  to->vt = from.vt;
  if (from.vt == VT_BSTR) {
    to->bstrVal = SysAllocStringByteLen(reinterpret_cast<const char *>(from.bstrVal), SysStringByteLen(from.bstrVal));
    if (!to->bstrVal && from.bstrVal)
      throw std::bad_alloc();
  } else {
    to->lVal = from.lVal;
  }
}

void SetText(VARIANT *to, const char16_t *text) {
  VariantInit(to);
  to->vt = VT_BSTR;
  to->bstrVal = SysAllocString(text);
}

class TScanner final : public IGeneralScanner, public IVnTestControl {
public:
  ~TScanner() {
    for (TBehaviour &behaviour : FBehaviour)
      VariantClear(&behaviour.Answer);
  }

  HRESULT QueryInterface(const IID &iid, void **object) noexcept override {
    return VnComGuard([&] {
      if (!object)
        return E_POINTER;
      if (iid == IID_IUnknown || iid == IID_IGeneralScanner)
        *object = static_cast<IGeneralScanner *>(this);
      else if (iid == IID_IVnTestControl)
        *object = static_cast<IVnTestControl *>(this);
      else {
        *object = nullptr;
        return E_NOINTERFACE;
      }
      AddRef();
      return S_OK;
    });
  }
  std::uint32_t AddRef() noexcept override { return ++FReferences; }
  std::uint32_t Release() noexcept override {
    const std::uint32_t left = --FReferences;
    if (left == 0)
      delete this;
    return left;
  }

  // The scanner contract.
  HRESULT Scan(VARIANT *options, std::int32_t, VARIANT *log, VARIANT *result) noexcept override {
    return Run(1, result, [&] { Work(1); });
  }
  HRESULT Build(VARIANT *, std::int32_t, BSTR, VARIANT *result) noexcept override {
    return Run(2, result, [&] { Work(2); });
  }
  HRESULT GetInfo(VARIANT *info) noexcept override { return Run(3, info, [] {}); }
  HRESULT GetStatus(VARIANT *status) noexcept override {
    return VnComGuard([&] {
      ++FCalls[3];
      // Written by the worker, read here on another thread: atomics only.
      const int percent = FPercent.load();
      char16_t text[64] = u"<status><percentage>";
      int at = 20;
      if (percent >= 100)
        text[at++] = u'1', text[at++] = u'0', text[at++] = u'0';
      else {
        if (percent >= 10)
          text[at++] = char16_t(u'0' + percent / 10);
        text[at++] = char16_t(u'0' + percent % 10);
      }
      for (const char16_t *tail = u"</percentage></status>"; *tail; ++tail)
        text[at++] = *tail;
      text[at] = 0;
      SetText(status, text);
      return S_OK;
    });
  }
  HRESULT Abort() noexcept override {
    ++FCalls[4];
    FAborted.store(true);
    return S_OK;
  }
  HRESULT EditOptions(VARIANT *options) noexcept override { return Run(6, nullptr, [] {}); }
  HRESULT Reserved7() noexcept override { return E_NOTIMPL; }
  HRESULT Reserved8() noexcept override { return E_NOTIMPL; }

  // The test control.
  HRESULT SetAnswer(std::int32_t op, VARIANT *answer) noexcept override {
    return Control(op, [&](TBehaviour &b) {
      VariantClear(&b.Answer);
      CopyVariant(*answer, &b.Answer);
    });
  }
  HRESULT SetFailure(std::int32_t op, HRESULT hr) noexcept override {
    return Control(op, [&](TBehaviour &b) { b.Failure = hr; });
  }
  HRESULT SetThrow(std::int32_t op, std::int32_t kind) noexcept override {
    return Control(op, [&](TBehaviour &b) { b.Throw = kind; });
  }
  HRESULT SetDelay(std::int32_t op, std::int32_t steps, std::int32_t milliseconds) noexcept override {
    return Control(op, [&](TBehaviour &b) {
      b.Steps = steps;
      b.Milliseconds = milliseconds;
    });
  }
  HRESULT CallCount(std::int32_t op, VARIANT *count) noexcept override {
    if (op < 1 || op > kOperations || !count)
      return E_INVALIDARG;
    VariantInit(count);
    count->vt = VT_I4;
    count->lVal = FCalls[op - 1].load();
    return S_OK;
  }

private:
  template <typename TChange> HRESULT Control(std::int32_t op, TChange change) {
    return VnComGuard([&] {
      if (op < 1 || op > kOperations)
        return E_INVALIDARG;
      std::lock_guard<std::mutex> lock(FMutex);
      change(FBehaviour[op - 1]);
      return S_OK;
    });
  }

  // Runs an operation as the test set it up: failure, exception, work, answer.
  template <typename TWork> HRESULT Run(int op, VARIANT *result, TWork work) {
    return VnComGuard([&] {
      ++FCalls[op - 1];
      TBehaviour behaviour;
      {
        std::lock_guard<std::mutex> lock(FMutex);
        behaviour = FBehaviour[op - 1];
      }
      if (FAILED(behaviour.Failure))
        return behaviour.Failure;
      if (behaviour.Throw == 1)
        throw std::runtime_error("asked to throw");
      if (behaviour.Throw == 2)
        throw std::bad_alloc();
      work();
      if (result) {
        if (FAborted.load()) {
          VariantInit(result);
          result->vt = VT_I4;
          result->lVal = -1; // cancelled
        } else {
          std::lock_guard<std::mutex> lock(FMutex);
          CopyVariant(FBehaviour[op - 1].Answer, result);
        }
      }
      return S_OK;
    });
  }

  // Takes its time in steps, reporting progress and stopping early on Abort.
  void Work(int op) {
    FAborted.store(false);
    FPercent.store(0);
    int steps = 0, milliseconds = 0;
    {
      std::lock_guard<std::mutex> lock(FMutex);
      steps = FBehaviour[op - 1].Steps;
      milliseconds = FBehaviour[op - 1].Milliseconds;
    }
    for (int step = 0; step < steps && !FAborted.load(); ++step) {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      FPercent.store((step + 1) * 100 / steps);
    }
    if (!FAborted.load())
      FPercent.store(100);
  }

  std::atomic<std::uint32_t> FReferences{1};
  std::atomic<bool> FAborted{false};
  std::atomic<int> FPercent{0};
  std::array<std::atomic<int>, kOperations> FCalls{};
  std::mutex FMutex; // guards FBehaviour, set by the test while the worker runs
  std::array<TBehaviour, kOperations> FBehaviour;
};

class TFactory final : public IClassFactory {
public:
  HRESULT QueryInterface(const IID &iid, void **object) noexcept override {
    if (!object)
      return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory *>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // One static factory for the life of the module.
  std::uint32_t AddRef() noexcept override { return 2; }
  std::uint32_t Release() noexcept override { return 1; }
  HRESULT CreateInstance(IUnknown *outer, const IID &iid, void **object) noexcept override {
    return VnComGuard([&] {
      if (!object)
        return E_POINTER;
      *object = nullptr;
      if (outer)
        return CLASS_E_CLASSNOTAVAILABLE;
      auto *scanner = new TScanner;
      const HRESULT hr = scanner->QueryInterface(iid, object);
      static_cast<IGeneralScanner *>(scanner)->Release();
      return hr;
    });
  }
  HRESULT LockServer(std::int32_t) noexcept override { return S_OK; }
};

TFactory Factory;
const char16_t ProgId[] = u"TestScanner.Scanner";

} // namespace

VN_EXPORT HRESULT DllGetClassObject(const CLSID &clsid, const IID &iid, void **object) {
  return VnComGuard([&] {
    if (!object)
      return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_VnTestScanner)
      return CLASS_E_CLASSNOTAVAILABLE;
    return Factory.QueryInterface(iid, object);
  });
}

VN_EXPORT HRESULT DllCanUnloadNow() { return S_FALSE; }

VN_EXPORT HRESULT VnSetClassRegistrar(IVnClassRegistrar *registrar) {
  return VnComGuard([&] {
    VnStoredClassRegistrar().store(registrar);
    return S_OK;
  });
}

VN_EXPORT HRESULT DllRegisterServer() {
  return VnComGuard([&] {
    IVnClassRegistrar *registrar = VnStoredClassRegistrar().load();
    if (!registrar)
      return E_FAIL;
    BSTR name = SysAllocString(ProgId);
    const HRESULT hr = registrar->AddClass(name, CLSID_VnTestScanner);
    SysFreeString(name);
    return hr;
  });
}

VN_EXPORT HRESULT DllUnregisterServer() {
  return VnComGuard([&] {
    IVnClassRegistrar *registrar = VnStoredClassRegistrar().load();
    if (!registrar)
      return E_FAIL;
    BSTR name = SysAllocString(ProgId);
    const HRESULT hr = registrar->RemoveClass(name, CLSID_VnTestScanner);
    SysFreeString(name);
    return hr;
  });
}

VN_EXPORT HRESULT VnGetFileVersion(VARIANT *version) {
  return VnComGuard([&] {
    if (!version)
      return E_POINTER;
    SetText(version, u"1.1.0.0");
    return S_OK;
  });
}
