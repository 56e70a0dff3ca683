#include "com/VnComLoader.h"

#include "com/VnClassRegistry.h"
#include "com/VnComText.h"
#include "core/VnFileVersion.h"

#include "IVnTestEcho.h"
#include "VnTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Plugin = QStringLiteral(VN_TEST_COM_PLUGIN);
const QString NoExports = QStringLiteral(VN_TEST_COM_NO_EXPORTS);

// Each test starts from an empty registry file.
class VnComLoader : public ::testing::Test {
protected:
  void SetUp() override { QFile::remove(VnClassRegistryFile()); }
  void TearDown() override { QFile::remove(VnClassRegistryFile()); }
};

// Runs `action`, which must throw EVnComError; answers its message.
template <typename TAction> QString FailureOf(TAction action, HRESULT *hr = nullptr) {
  try {
    action();
  } catch (const EVnComError &error) {
    if (hr)
      *hr = error.Result();
    return error.Message();
  }
  ADD_FAILURE() << "no failure";
  return {};
}

TEST_F(VnComLoader, TheTestPluginIsWhereTheProgramLooks) {
  EXPECT_TRUE(QFileInfo::exists(Plugin)) << Plugin.toStdString();
  EXPECT_TRUE(Plugin.contains(QStringLiteral("/plugins/TestComScanner.so")));
}

TEST_F(VnComLoader, RegisterCreateCallRelease) {
  VnRegisterServer(Plugin);
  CLSID clsid{};
  ASSERT_EQ(VnCLSIDFromProgID(QStringLiteral("TestComScanner.Scanner"), &clsid), S_OK);
  EXPECT_EQ(clsid, CLSID_VnTestEcho);
  EXPECT_EQ(TVnClassRegistry().LibraryOf(clsid), QFileInfo(Plugin).canonicalFilePath());

  TVnComPtr<IVnTestEcho> echo;
  ASSERT_EQ(VnCoCreateInstance(clsid, IID_IVnTestEcho, echo.Receive()), S_OK);
  ASSERT_TRUE(echo);

  // A host string in, a plug-in string out, freed here: both over malloc/free.
  const QString text = QStringLiteral("Hall\u00F6") + QChar(0) + QStringLiteral("!");
  TVnBstr in = VnMakeBstr(text);
  TVnVariant out;
  ASSERT_EQ(echo->Echo(in.Get(), out.Receive()), S_OK);
  ASSERT_EQ(out.Value().vt, VT_BSTR);
  EXPECT_EQ(VnBstrText(out.Value().bstrVal), text);

  ASSERT_EQ(echo->Echo(nullptr, out.Receive()), S_OK);
  EXPECT_EQ(VnBstrText(out.Value().bstrVal), QString());

  struct Case {
    std::int32_t how;
    HRESULT expected;
  };
  for (const Case c : {Case{0, S_OK}, Case{1, E_FAIL}, Case{2, E_OUTOFMEMORY}, Case{9, E_INVALIDARG}})
    EXPECT_EQ(echo->Fail(c.how), c.expected) << c.how;

  TVnComPtr<IUnknown> unknown;
  EXPECT_EQ(echo->QueryInterface(IID_IUnknown, unknown.Receive()), S_OK);
  TVnComPtr<IClassFactory> notThere;
  EXPECT_EQ(echo->QueryInterface(IID_IClassFactory, notThere.Receive()), E_NOINTERFACE);
  EXPECT_FALSE(notThere);

  ASSERT_EQ(echo->LiveObjects(out.Receive()), S_OK);
  EXPECT_EQ(out.Value().lVal, 1);
  {
    TVnComPtr<IVnTestEcho> second;
    ASSERT_EQ(VnCoCreateInstance(clsid, IID_IVnTestEcho, second.Receive()), S_OK);
    ASSERT_EQ(echo->LiveObjects(out.Receive()), S_OK);
    EXPECT_EQ(out.Value().lVal, 2);
  }
  // The last Release deletes the object inside the plug-in.
  ASSERT_EQ(echo->LiveObjects(out.Receive()), S_OK);
  EXPECT_EQ(out.Value().lVal, 1);
  unknown.Reset();
  EXPECT_EQ(echo.Get()->Release(), 0u);
  echo.Detach();
}

TEST_F(VnComLoader, UnregisterRemovesTheEntries) {
  VnRegisterServer(Plugin);
  VnRegisterServer(Plugin); // twice must not duplicate
  VnUnregisterServer(Plugin);
  CLSID clsid{};
  EXPECT_EQ(VnCLSIDFromProgID(QStringLiteral("TestComScanner.Scanner"), &clsid), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(TVnClassRegistry().LibraryOf(CLSID_VnTestEcho), QString());
  void *object = reinterpret_cast<void *>(1);
  EXPECT_EQ(VnCoCreateInstance(CLSID_VnTestEcho, IID_IVnTestEcho, &object), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
}

TEST_F(VnComLoader, WrongInterfaceOrClassFails) {
  VnRegisterServer(Plugin);
  void *object = nullptr;
  EXPECT_EQ(VnCoCreateInstance(CLSID_VnTestEcho, IID_IClassFactory, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);

  // A class registered for the library that the library does not serve.
  constexpr CLSID stranger = VnGuid("{0F0F0F0F-0000-4000-8000-000000000001}");
  TVnClassRegistry registry;
  registry.Add(QStringLiteral("Stranger.Class"), stranger, Plugin);
  registry.Save();
  HRESULT hr = S_OK;
  const QString message = FailureOf([&] { VnCreateInstance(stranger, IID_IUnknown, &object); }, &hr);
  EXPECT_EQ(hr, CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_TRUE(message.contains(Plugin)) << message.toStdString();
  EXPECT_EQ(VnCoCreateInstance(CLSID_VnTestEcho, IID_IVnTestEcho, nullptr), E_POINTER);
}

TEST_F(VnComLoader, UnknownProgIdAndUnregisteredClass) {
  CLSID clsid = IID_IUnknown;
  EXPECT_EQ(VnCLSIDFromProgID(QStringLiteral("Nobody.Here"), &clsid), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(clsid, IID_IUnknown) << "left untouched";
  EXPECT_EQ(VnCLSIDFromProgID(QStringLiteral("Nobody.Here"), nullptr), E_POINTER);
  HRESULT hr = S_OK;
  void *object = nullptr;
  const QString message =
      FailureOf([&] { VnCreateInstance(CLSID_VnTestEcho, IID_IUnknown, &object); }, &hr);
  EXPECT_EQ(hr, REGDB_E_CLASSNOTREG);
  EXPECT_TRUE(message.contains(VnGuidText(CLSID_VnTestEcho))) << message.toStdString();
}

TEST_F(VnComLoader, BadLibrariesFailByName) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("Missing.so"));
  const QString notALibrary = dir.filePath(QStringLiteral("Text.so"));
  ASSERT_TRUE(VnTestWriteBytes(notALibrary, "this is no shared object\n"));
  const QString empty = dir.filePath(QStringLiteral("Empty.so"));
  ASSERT_TRUE(VnTestWriteBytes(empty, QByteArray()));

  struct Case {
    QString library;
    const char *expectedWords;
  };
  const Case cases[] = {{missing, "does not exist"},
                        {notALibrary, "cannot be loaded"},
                        {empty, "cannot be loaded"},
                        {NoExports, "does not export"}};
  for (const Case &c : cases) {
    const std::string name = c.library.toStdString();
    const QString shown = QFileInfo(c.library).fileName();
    for (const QString &message :
         {FailureOf([&] { VnRegisterServer(c.library); }), FailureOf([&] { VnUnregisterServer(c.library); }),
          FailureOf([&] { VnGetFileVersion(c.library); })}) {
      EXPECT_TRUE(message.contains(shown)) << name << ": " << message.toStdString();
      EXPECT_TRUE(message.contains(QString::fromLatin1(c.expectedWords))) << name << ": " << message.toStdString();
    }

    // Registered by hand, creating its class fails cleanly.
    constexpr CLSID clsid = VnGuid("{0F0F0F0F-0000-4000-8000-000000000002}");
    TVnClassRegistry registry;
    registry.Add(QStringLiteral("Broken.Class"), clsid, c.library);
    registry.Save();
    void *object = reinterpret_cast<void *>(1);
    EXPECT_EQ(VnCoCreateInstance(clsid, IID_IUnknown, &object), CLASS_E_CLASSNOTAVAILABLE) << name;
    EXPECT_EQ(object, nullptr) << name;
  }
  EXPECT_FALSE(QFileInfo::exists(VnClassRegistryFile()) &&
               TVnClassRegistry().ClassOf(QStringLiteral("TestComScanner.Scanner")))
      << "a failed registration writes nothing";
}

TEST_F(VnComLoader, FileVersionComesFromThePlugin) {
  EXPECT_EQ(VnGetFileVersion(Plugin), QStringLiteral("1.2.3.4"));
  VnInstallPluginVersionReader();
  EXPECT_EQ(FileVersionText(Plugin), QStringLiteral("1.2.3.4"));
  EXPECT_EQ(FileVersionText(NoExports), QString()) << "a plug-in that cannot answer has no version";
  VnSetPluginVersionReader({});
}

TEST_F(VnComLoader, LibrariesAreOpenedOnce) {
  void *first = VnLoadComLibrary(Plugin);
  // Another spelling of the same file is the same library.
  const QString other = QFileInfo(Plugin).absolutePath() + QStringLiteral("/./") + QFileInfo(Plugin).fileName();
  EXPECT_EQ(VnLoadComLibrary(other), first);
}

} // namespace
