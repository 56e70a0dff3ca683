// The importer, memory and exporter test plug-ins through the real registry
// and loader: what the test sets is what the host sees.

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "IVnTestControl.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TContractCase {
  const char *Library;
  const char *ProgId;
  const IID *Iid;
  // Calls the contract's first operation (Enable or Open) on the object.
  std::function<HRESULT(IUnknown *, VARIANT *)> First;
};

template <typename T> std::function<HRESULT(IUnknown *, VARIANT *)> CallFirst(HRESULT (T::*op)(VARIANT *) noexcept) {
  return [op](IUnknown *object, VARIANT *result) { return (static_cast<T *>(object)->*op)(result); };
}

TEST(VnContractPlugins, AnswersFailuresExceptionsAndVersionsAsTheTestSetsThem) {
  const TContractCase cases[] = {
      {VN_TEST_IMPORTER_PLUGIN, "TestImporter.Importer", &IID_IGeneralImporter, CallFirst(&IGeneralImporter::Enable)},
      {VN_TEST_TM_PLUGIN, "TestTM.TM", &IID_IGeneralTM, CallFirst(&IGeneralTM::Open)},
      {VN_TEST_EXPORTER_PLUGIN, "TestExporter.Exporter", &IID_IGeneralExporter, CallFirst(&IGeneralExporter::Open)},
  };
  for (const TContractCase &c : cases) {
    SCOPED_TRACE(c.ProgId);
    VnRegisterServer(QString::fromUtf8(c.Library));
    CLSID clsid{};
    ASSERT_EQ(VnCLSIDFromProgID(QString::fromUtf8(c.ProgId), &clsid), S_OK);
    void *raw = nullptr;
    VnCreateInstance(clsid, *c.Iid, &raw);
    auto object = TVnComPtr<IUnknown>::Attach(static_cast<IUnknown *>(raw));
    void *controlRaw = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IVnTestControl, &controlRaw), S_OK);
    auto control = TVnComPtr<IVnTestControl>::Attach(static_cast<IVnTestControl *>(controlRaw));

    TVnVariant code;
    code.SetInt(-4);
    ASSERT_EQ(control->SetAnswer(1, code.Get()), S_OK);
    TVnVariant result;
    ASSERT_EQ(c.First(object.Get(), result.Get()), S_OK);
    EXPECT_EQ(result.Get()->vt, VT_I4);
    EXPECT_EQ(result.Get()->lVal, -4);

    control->SetFailure(1, E_INVALIDARG);
    TVnVariant failed;
    EXPECT_EQ(c.First(object.Get(), failed.Get()), E_INVALIDARG);
    control->SetFailure(1, S_OK);
    control->SetThrow(1, 1);
    TVnVariant thrown;
    EXPECT_EQ(c.First(object.Get(), thrown.Get()), E_FAIL);

    TVnVariant calls;
    control->CallCount(1, calls.Get());
    EXPECT_EQ(calls.Get()->lVal, 3);

    qputenv("VN_TEST_PLUGIN_VERSION", "1.0.2.0");
    EXPECT_EQ(VnGetFileVersion(QString::fromUtf8(c.Library)), QStringLiteral("1.0.2.0"));
    qunsetenv("VN_TEST_PLUGIN_VERSION");
    EXPECT_EQ(VnGetFileVersion(QString::fromUtf8(c.Library)), QStringLiteral("1.1.0.0"));
  }
}

} // namespace
