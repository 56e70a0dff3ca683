// A scanner plug-in driven as the program drives one: created through the
// registry, scanning on a worker thread while the main thread asks for its
// status and aborts it.

#include "com/VnComLoader.h"
#include "com/VnComText.h"
#include "com/VnPluginRules.h"

#include "IVnTestControl.h"

#include "core/VnXml.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

class VnScannerPlugin : public ::testing::Test {
protected:
  void SetUp() override {
    VnRegisterServer(QStringLiteral(VN_TEST_SCANNER_PLUGIN));
    CLSID clsid{};
    ASSERT_EQ(VnCLSIDFromProgID(QStringLiteral("TestScanner.Scanner"), &clsid), S_OK);
    void *object = nullptr;
    VnCreateInstance(clsid, IID_IGeneralScanner, &object);
    FScanner = TVnComPtr<IGeneralScanner>::Attach(static_cast<IGeneralScanner *>(object));
    void *control = nullptr;
    ASSERT_EQ(FScanner->QueryInterface(IID_IVnTestControl, &control), S_OK);
    FControl = TVnComPtr<IVnTestControl>::Attach(static_cast<IVnTestControl *>(control));
  }

  void Answer(int op, const QString &text) {
    TVnVariant answer;
    answer.Get()->vt = VT_BSTR;
    answer.Get()->bstrVal = VnMakeBstr(text).Detach();
    ASSERT_EQ(FControl->SetAnswer(op, answer.Get()), S_OK);
  }

  int Percentage() {
    TVnVariant status;
    VnCheckPluginCall(FScanner->GetStatus(status.Get()), QStringLiteral("TestScanner.so"), "GetStatus");
    pugi::xml_document doc;
    VnXmlLoad(doc, VnBstrText(status.Get()->bstrVal).toUtf8(), QStringLiteral("status"));
    return VnXmlParseInt(VnXmlText(doc.document_element().child("percentage"))).value_or(-1);
  }

  TVnComPtr<IGeneralScanner> FScanner;
  TVnComPtr<IVnTestControl> FControl;
};

TEST_F(VnScannerPlugin, ScanOnAWorkerWhileTheMainThreadPollsAndAborts) {
  Answer(1, QStringLiteral("<result><stringdata/></result>"));
  FControl->SetDelay(1, 400, 5); // two seconds unless aborted
  auto scan = std::async(std::launch::async, [this] {
    TVnVariant options, log, result;
    const HRESULT hr = FScanner->Scan(options.Get(), 0, log.Get(), result.Get());
    return std::pair(hr, result.Get()->vt == VT_I4 ? int(result.Get()->lVal) : 0);
  });
  int seen = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (seen < 2 && std::chrono::steady_clock::now() < deadline) {
    seen = Percentage();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_GE(seen, 2) << "the status moves while the scan runs";
  const auto aborted = std::chrono::steady_clock::now();
  EXPECT_EQ(FScanner->Abort(), S_OK);
  const auto [hr, result] = scan.get();
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(result, -1) << "an aborted scan reports cancelled";
  EXPECT_LT(std::chrono::steady_clock::now() - aborted, std::chrono::seconds(1)) << "Abort ends the scan soon";
  EXPECT_LT(Percentage(), 100);
}

TEST_F(VnScannerPlugin, ResultsFailuresAndExceptionsReachTheHost) {
  Answer(3, QStringLiteral("<info><name>Test</name><supported_file_extensions>*.txt</supported_file_extensions>"
                           "<short_description>For tests</short_description></info>"));
  TVnVariant info;
  ASSERT_EQ(FScanner->GetInfo(info.Get()), S_OK);
  EXPECT_TRUE(VnBstrText(info.Get()->bstrVal).contains(QStringLiteral("<name>Test</name>")));

  FControl->SetFailure(3, E_INVALIDARG);
  TVnVariant failed;
  try {
    VnCheckPluginCall(FScanner->GetInfo(failed.Get()), QStringLiteral("TestScanner.so"), "GetInfo");
    ADD_FAILURE();
  } catch (const EVnComError &e) {
    EXPECT_EQ(e.Result(), E_INVALIDARG);
    EXPECT_TRUE(e.Message().contains(QStringLiteral("TestScanner.so")));
  }
  FControl->SetFailure(3, S_OK);
  const struct {
    int kind;
    HRESULT expected;
  } throws[] = {{1, E_FAIL}, {2, E_OUTOFMEMORY}};
  for (const auto &t : throws) {
    FControl->SetThrow(3, t.kind);
    TVnVariant thrown;
    EXPECT_EQ(FScanner->GetInfo(thrown.Get()), t.expected) << "an exception never leaves the plug-in";
  }
  TVnVariant calls;
  FControl->CallCount(3, calls.Get());
  EXPECT_EQ(calls.Get()->lVal, 4);
  EXPECT_EQ(VnGetFileVersion(QStringLiteral(VN_TEST_SCANNER_PLUGIN)), QStringLiteral("1.1.0.0"));
}

} // namespace
