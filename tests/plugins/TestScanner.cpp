// A scanner for the tests: answers what the test sets, fails, throws or takes
// its time on request (Scan and Build stop early on Abort, which may come from
// another thread). Built from the public headers only.

#include "VnTestPlugin.h"

namespace {

class TScanner final : public vntest::TObject<IGeneralScanner, IID_IGeneralScanner> {
public:
  HRESULT Scan(VARIANT *, std::int32_t, VARIANT *, VARIANT *result) noexcept override {
    return FBehaviours.Run(1, result);
  }
  HRESULT Build(VARIANT *, std::int32_t, BSTR, VARIANT *result) noexcept override { return FBehaviours.Run(2, result); }
  HRESULT GetInfo(VARIANT *info) noexcept override { return FBehaviours.Run(3, info); }
  HRESULT GetStatus(VARIANT *status) noexcept override {
    return VnComGuard([&] {
      const std::u16string percent = Digits(FBehaviours.Percent());
      const std::u16string text = u"<status><percentage>" + percent + u"</percentage></status>";
      vntest::SetText(status, text.c_str());
      return S_OK;
    });
  }
  HRESULT Abort() noexcept override {
    FBehaviours.Abort();
    return S_OK;
  }
  HRESULT EditOptions(VARIANT *) noexcept override { return FBehaviours.Run(6, nullptr); }
  HRESULT Reserved7() noexcept override { return E_NOTIMPL; }
  HRESULT Reserved8() noexcept override { return E_NOTIMPL; }

private:
  static std::u16string Digits(int value) {
    std::u16string digits;
    do {
      digits.insert(digits.begin(), char16_t(u'0' + value % 10));
      value /= 10;
    } while (value > 0);
    return digits;
  }
};

} // namespace

VN_TEST_PLUGIN_EXPORTS(TScanner, CLSID_VnTestScanner, u"TestScanner.Scanner")
