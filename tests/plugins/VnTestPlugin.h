#pragma once

// What the contract test plug-ins share: the behaviour a test sets for each
// operation, running an operation accordingly, the class factory and the
// exports. Header-only: every plug-in compiles its own copy, as an outside
// plug-in would.

#include "IVnTestControl.h"

#include "vantria/VnPlugins.h"

#include <array>
#include <atomic>
#include <chrono>
#include <initializer_list>
#include <cstdlib>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

namespace vntest {

constexpr int kOperations = 9; // the longest contract table

struct TBehaviour {
  VARIANT Answer{};
  HRESULT Failure = S_OK;
  int Throw = 0;
  int Steps = 0;
  int Milliseconds = 0;
};

/// Writes a copy of `from` into an [out] variant.
inline void CopyVariant(const VARIANT &from, VARIANT *to) {
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

inline void SetText(VARIANT *to, const char16_t *text) {
  VariantInit(to);
  to->vt = VT_BSTR;
  to->bstrVal = SysAllocString(text);
  if (!to->bstrVal)
    throw std::bad_alloc();
}

/// The behaviour of one object's operations, set through IVnTestControl and
/// read by the operations, possibly on another thread.
class TBehaviours {
public:
  ~TBehaviours() {
    for (TBehaviour &behaviour : FBehaviour)
      VariantClear(&behaviour.Answer);
  }

  template <typename TChange> HRESULT Control(std::int32_t op, TChange change) {
    return VnComGuard([&] {
      if (op < 1 || op > kOperations)
        return E_INVALIDARG;
      std::lock_guard<std::mutex> lock(FMutex);
      change(FBehaviour[op - 1]);
      return S_OK;
    });
  }

  HRESULT CallCount(std::int32_t op, VARIANT *count) {
    if (op < 1 || op > kOperations || !count)
      return E_INVALIDARG;
    VariantInit(count);
    count->vt = VT_I4;
    count->lVal = FCalls[op - 1].load();
    return S_OK;
  }

  /// Runs operation `op` as the test set it up: its failure, its exception,
  /// its slow steps (stopping early on Abort), then its answer into `result`
  /// (-1 when aborted).
  HRESULT Run(int op, VARIANT *result) {
    return VnComGuard([&] {
      ++FCalls[op - 1];
      TBehaviour behaviour;
      {
        std::lock_guard<std::mutex> lock(FMutex);
        behaviour = FBehaviour[op - 1]; // the answer is copied below, under the lock
      }
      if (FAILED(behaviour.Failure))
        return behaviour.Failure;
      if (behaviour.Throw == 1)
        throw std::runtime_error("asked to throw");
      if (behaviour.Throw == 2)
        throw std::bad_alloc();
      Work(behaviour.Steps, behaviour.Milliseconds);
      if (!result)
        return S_OK;
      if (FAborted.load()) {
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = -1; // cancelled
      } else {
        std::lock_guard<std::mutex> lock(FMutex);
        CopyVariant(FBehaviour[op - 1].Answer, result);
      }
      return S_OK;
    });
  }

  /// Keeps the arguments of a call of `op` for LastArguments.
  void Record(int op, std::initializer_list<BSTR> texts, std::int32_t number) {
    std::u16string joined;
    for (BSTR text : texts)
      joined.append(text ? text : u"").append(u"|");
    joined.push_back(char16_t(u'0' + number % 10)); // the numbers recorded are flags
    std::lock_guard<std::mutex> lock(FMutex);
    FArguments[op - 1] = joined;
  }

  HRESULT LastArguments(std::int32_t op, VARIANT *text) {
    return VnComGuard([&] {
      if (op < 1 || op > kOperations || !text)
        return E_INVALIDARG;
      std::lock_guard<std::mutex> lock(FMutex);
      SetText(text, FArguments[op - 1].c_str());
      return S_OK;
    });
  }

  void Abort() { FAborted.store(true); }
  int Percent() const { return FPercent.load(); }

private:
  void Work(int steps, int milliseconds) {
    FAborted.store(false);
    FPercent.store(0);
    for (int step = 0; step < steps && !FAborted.load(); ++step) {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      FPercent.store((step + 1) * 100 / steps);
    }
    if (!FAborted.load())
      FPercent.store(100);
  }

  std::atomic<bool> FAborted{false};
  std::atomic<int> FPercent{0};
  std::array<std::atomic<int>, kOperations> FCalls{};
  std::mutex FMutex; // guards FBehaviour and FArguments: set by the test while a worker runs
  std::array<TBehaviour, kOperations> FBehaviour;
  std::array<std::u16string, kOperations> FArguments;
};

/// An object serving the contract `TContract` (whose IID is `ContractIid`)
/// and the test control.
template <typename TContract, const IID &ContractIid> class TObject : public TContract, public IVnTestControl {
public:
  HRESULT QueryInterface(const IID &iid, void **object) noexcept override {
    return VnComGuard([&] {
      if (!object)
        return E_POINTER;
      if (iid == IID_IUnknown || iid == ContractIid)
        *object = static_cast<TContract *>(this);
      else if (iid == IID_IVnTestControl)
        *object = static_cast<IVnTestControl *>(this);
      else {
        *object = nullptr;
        return E_NOINTERFACE;
      }
      static_cast<TContract *>(this)->AddRef();
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

  HRESULT SetAnswer(std::int32_t op, VARIANT *answer) noexcept override {
    return FBehaviours.Control(op, [&](TBehaviour &b) {
      VariantClear(&b.Answer);
      CopyVariant(*answer, &b.Answer);
    });
  }
  HRESULT SetFailure(std::int32_t op, HRESULT hr) noexcept override {
    return FBehaviours.Control(op, [&](TBehaviour &b) { b.Failure = hr; });
  }
  HRESULT SetThrow(std::int32_t op, std::int32_t kind) noexcept override {
    return FBehaviours.Control(op, [&](TBehaviour &b) { b.Throw = kind; });
  }
  HRESULT SetDelay(std::int32_t op, std::int32_t steps, std::int32_t milliseconds) noexcept override {
    return FBehaviours.Control(op, [&](TBehaviour &b) {
      b.Steps = steps;
      b.Milliseconds = milliseconds;
    });
  }
  HRESULT CallCount(std::int32_t op, VARIANT *count) noexcept override { return FBehaviours.CallCount(op, count); }
  HRESULT LastArguments(std::int32_t op, VARIANT *text) noexcept override {
    return FBehaviours.LastArguments(op, text);
  }

protected:
  virtual ~TObject() = default;
  TBehaviours FBehaviours;

private:
  std::atomic<std::uint32_t> FReferences{1};
};

/// The one class factory of a plug-in, making `TClass` objects.
template <typename TClass> class TFactory final : public IClassFactory {
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
      auto *created = new TClass;
      const HRESULT hr = created->QueryInterface(iid, object);
      created->Release();
      return hr;
    });
  }
  HRESULT LockServer(std::int32_t) noexcept override { return S_OK; }
};

/// Setup of importers and memories answers the number of a configuration
/// string "result=N": the objects the host creates while it loads its
/// configuration cannot be steered otherwise. False for any other string.
inline bool AnswerFromConfiguration(BSTR configuration, VARIANT *result) {
  const std::u16string text = configuration ? configuration : u"";
  const std::u16string prefix = u"result=";
  if (!result || text.compare(0, prefix.size(), prefix) != 0)
    return false;
  int value = 0;
  std::size_t i = prefix.size();
  const bool negative = i < text.size() && text[i] == u'-';
  for (i += negative ? 1 : 0; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    value = value * 10 + int(text[i] - u'0');
  VariantInit(result);
  result->vt = VT_I4;
  result->lVal = negative ? -value : value;
  return true;
}

/// Setup of the importer and memory test plug-ins: records its arguments, then
/// answers what the test set, else what the configuration string asks for.
inline HRESULT RunSetup(TBehaviours &behaviours, BSTR configuration, BSTR source, BSTR target, std::int32_t silent,
                        VARIANT *result) {
  return VnComGuard([&] {
    behaviours.Record(3, {configuration, source, target}, silent);
    const HRESULT hr = behaviours.Run(3, result);
    if (SUCCEEDED(hr) && result && result->vt == VT_EMPTY)
      AnswerFromConfiguration(configuration, result);
    return hr;
  });
}

/// The plug-in's file version: $VN_TEST_PLUGIN_VERSION when a test sets it,
/// so that tests can try old and new plug-ins.
inline HRESULT FileVersion(VARIANT *version) {
  return VnComGuard([&] {
    if (!version)
      return E_POINTER;
    const char *set = std::getenv("VN_TEST_PLUGIN_VERSION");
    const char *text = set && *set ? set : "1.1.0.0";
    const std::u16string wide(text, text + std::char_traits<char>::length(text)); // ASCII digits and dots
    SetText(version, wide.c_str());
    return S_OK;
  });
}

inline HRESULT RegisterClass(bool add, const char16_t *progId, const CLSID &clsid) {
  return VnComGuard([&] {
    IVnClassRegistrar *registrar = VnStoredClassRegistrar().load();
    if (!registrar)
      return E_FAIL;
    BSTR name = SysAllocString(progId);
    if (!name)
      return E_OUTOFMEMORY;
    const HRESULT hr = add ? registrar->AddClass(name, clsid) : registrar->RemoveClass(name, clsid);
    SysFreeString(name);
    return hr;
  });
}

} // namespace vntest

/// The exports of a test plug-in serving `CLASS` as `CLSID_`, all but its
/// registration.
#define VN_TEST_PLUGIN_CLASS_EXPORTS(CLASS, CLSID_)                                                    \
  namespace {                                                                                          \
  vntest::TFactory<CLASS> Factory;                                                                     \
  }                                                                                                    \
  VN_EXPORT HRESULT DllGetClassObject(const CLSID &clsid, const IID &iid, void **object) {             \
    return VnComGuard([&] {                                                                            \
      if (!object)                                                                                     \
        return E_POINTER;                                                                              \
      *object = nullptr;                                                                               \
      return clsid == CLSID_ ? Factory.QueryInterface(iid, object) : CLASS_E_CLASSNOTAVAILABLE;         \
    });                                                                                                \
  }                                                                                                    \
  VN_EXPORT HRESULT DllCanUnloadNow() { return S_FALSE; }                                              \
  VN_EXPORT HRESULT VnSetClassRegistrar(IVnClassRegistrar *registrar) {                                \
    VnStoredClassRegistrar().store(registrar);                                                         \
    return S_OK;                                                                                       \
  }                                                                                                    \
  VN_EXPORT HRESULT VnGetFileVersion(VARIANT *version) { return vntest::FileVersion(version); }

/// The exports of a test plug-in serving `CLASS` as `CLSID_` under `PROGID`.
#define VN_TEST_PLUGIN_EXPORTS(CLASS, CLSID_, PROGID)                                                  \
  VN_TEST_PLUGIN_CLASS_EXPORTS(CLASS, CLSID_)                                                          \
  VN_EXPORT HRESULT DllRegisterServer() { return vntest::RegisterClass(true, PROGID, CLSID_); }         \
  VN_EXPORT HRESULT DllUnregisterServer() { return vntest::RegisterClass(false, PROGID, CLSID_); }
