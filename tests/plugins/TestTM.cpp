// A translation memory for the tests: each operation answers what the test sets.

#include "VnTestPlugin.h"

namespace {

class TMemory final : public vntest::TObject<IGeneralTM, IID_IGeneralTM> {
public:
  HRESULT Open(VARIANT *result) noexcept override { return FBehaviours.Run(1, result); }
  HRESULT Close(std::int32_t, VARIANT *result) noexcept override { return FBehaviours.Run(2, result); }
  HRESULT Setup(BSTR, BSTR, BSTR, std::int32_t, VARIANT *result) noexcept override { return FBehaviours.Run(3, result); }
  HRESULT Lookup(BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(4, result); }
  HRESULT Store(BSTR, BSTR, BSTR, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(5, result); }
  HRESULT InquireA(std::int32_t, VARIANT *result) noexcept override { return FBehaviours.Run(6, result); }
  HRESULT InquireB(BSTR, BSTR, BSTR, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(7, result); }
  HRESULT GetText(std::int32_t, VARIANT *text) noexcept override { return FBehaviours.Run(8, text); }
  HRESULT Reserved9() noexcept override { return E_NOTIMPL; }
};

} // namespace

VN_TEST_PLUGIN_EXPORTS(TMemory, CLSID_VnTestTM, u"TestTM.TM")
