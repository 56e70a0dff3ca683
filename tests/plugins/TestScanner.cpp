// A scanner for the tests: answers what the test sets, fails, throws or takes
// its time on request (Scan and Build stop early on Abort, which may come from
// another thread). Built from the public headers only.

#include "VnTestPlugin.h"

namespace {

class TScanner final : public vntest::TObject<IGeneralScanner, IID_IGeneralScanner> {
public:
  // Until a test says otherwise, it describes itself as a scanner does; a test
  // that cannot reach the object (the host creates it) sets
  // $VN_TEST_SCANNER_INFO (ASCII) instead.
  TScanner() {
    FBehaviours.Control(3, [](vntest::TBehaviour &b) {
      const char *set = std::getenv("VN_TEST_SCANNER_INFO");
      if (set) {
        const std::string info(set);
        vntest::SetText(&b.Answer, std::u16string(info.begin(), info.end()).c_str());
        return;
      }
      vntest::SetText(&b.Answer, u"<info><name>Test Scanner</name>"
                                 u"<supported_file_extensions>*.vntest</supported_file_extensions>"
                                 u"<short_description>Scans files for the tests.</short_description></info>");
    });
  }

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
