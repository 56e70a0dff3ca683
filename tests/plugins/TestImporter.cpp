// An importer for the tests: each operation answers what the test sets.

#include "VnTestPlugin.h"

namespace {

class TImporter final : public vntest::TObject<IGeneralImporter, IID_IGeneralImporter> {
public:
  HRESULT Enable(VARIANT *result) noexcept override { return FBehaviours.Run(1, result); }
  HRESULT Disable(VARIANT *result) noexcept override { return FBehaviours.Run(2, result); }
  HRESULT Setup(BSTR configuration, BSTR source, BSTR target, std::int32_t silent, VARIANT *result) noexcept override {
    return vntest::RunSetup(FBehaviours, configuration, source, target, silent, result);
  }
  HRESULT Translate(BSTR, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(4, result); }
  HRESULT GetText(std::int32_t, VARIANT *text) noexcept override { return FBehaviours.Run(5, text); }
  HRESULT Reserved6(VARIANT *result) noexcept override { return FBehaviours.Run(6, result); }
  HRESULT Reserved7() noexcept override { return E_NOTIMPL; }
};

} // namespace

VN_TEST_PLUGIN_EXPORTS(TImporter, CLSID_VnTestImporter, u"TestImporter.Importer")
