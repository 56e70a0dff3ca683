// An exporter for the tests: each operation answers what the test sets.

#include "VnTestPlugin.h"

namespace {

class TExporter final : public vntest::TObject<IGeneralExporter, IID_IGeneralExporter> {
public:
  HRESULT Open(VARIANT *result) noexcept override { return FBehaviours.Run(1, result); }
  HRESULT Close(VARIANT *result) noexcept override { return FBehaviours.Run(2, result); }
  HRESULT Setup(BSTR, BSTR, VARIANT *, std::int32_t, VARIANT *result) noexcept override {
    return FBehaviours.Run(3, result);
  }
  HRESULT Export(VARIANT *result) noexcept override { return FBehaviours.Run(4, result); }
  HRESULT GetText(std::int32_t, VARIANT *text) noexcept override { return FBehaviours.Run(5, text); }
  HRESULT Reserved6() noexcept override { return E_NOTIMPL; }
};

} // namespace

VN_TEST_PLUGIN_EXPORTS(TExporter, CLSID_VnTestExporter, u"TestExporter.Exporter")
