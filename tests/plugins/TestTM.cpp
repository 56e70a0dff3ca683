// A translation memory for the tests: each operation answers what the test sets.
//
// It registers under both ProgIDs its file name gives, as a memory plug-in
// must: "xTM.TM" by the naming rule of plug-in files, and "x.TM", the name the
// program asks for when it wants a particular memory. A copy saved as
// TmxStoreTM.so therefore serves as the TMX store.

#include "VnTestPlugin.h"

#include <dlfcn.h>

namespace {

class TMemory final : public vntest::TObject<IGeneralTM, IID_IGeneralTM> {
public:
  HRESULT Open(VARIANT *result) noexcept override { return FBehaviours.Run(1, result); }
  HRESULT Close(std::int32_t, VARIANT *result) noexcept override { return FBehaviours.Run(2, result); }
  HRESULT Setup(BSTR configuration, BSTR source, BSTR target, std::int32_t silent, VARIANT *result) noexcept override {
    return vntest::RunSetup(FBehaviours, configuration, source, target, silent, result);
  }
  HRESULT Lookup(BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(4, result); }
  HRESULT Store(BSTR, BSTR, BSTR, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(5, result); }
  HRESULT InquireA(std::int32_t, VARIANT *result) noexcept override { return FBehaviours.Run(6, result); }
  HRESULT InquireB(BSTR, BSTR, BSTR, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(7, result); }
  HRESULT GetText(std::int32_t, VARIANT *text) noexcept override { return FBehaviours.Run(8, text); }
  HRESULT Reserved9() noexcept override { return E_NOTIMPL; }
};

} // namespace

VN_TEST_PLUGIN_CLASS_EXPORTS(TMemory, CLSID_VnTestTM)

namespace {

/// This library's file name without folder and extension ("TestTM").
std::u16string OwnStem() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void *>(&OwnStem), &info) || !info.dli_fname)
    return u"TestTM";
  std::string name = info.dli_fname;
  name = name.substr(name.find_last_of('/') + 1);
  name = name.substr(0, name.rfind('.'));
  return std::u16string(name.begin(), name.end()); // test files have ASCII names
}

HRESULT RegisterBothNames(bool add) {
  const std::u16string stem = OwnStem();
  const std::u16string byFile = stem + u".TM";
  const bool endsInTM = stem.size() > 2 && stem.compare(stem.size() - 2, 2, u"TM") == 0;
  const std::u16string byName = (endsInTM ? stem.substr(0, stem.size() - 2) : stem) + u".TM";
  const HRESULT first = vntest::RegisterClass(add, byFile.c_str(), CLSID_VnTestTM);
  return FAILED(first) ? first : vntest::RegisterClass(add, byName.c_str(), CLSID_VnTestTM);
}

} // namespace

VN_EXPORT HRESULT DllRegisterServer() { return RegisterBothNames(true); }
VN_EXPORT HRESULT DllUnregisterServer() { return RegisterBothNames(false); }
