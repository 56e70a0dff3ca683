#include "com/VnComText.h"
#include "vantria/com/VnCom.h"
#include "vantria/com/VnComPtr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

TEST(VnGuid, ParsesAndFormatsTheRegistryForm) {
  struct Case {
    const char *text;
    bool valid;
    const char *formatted;
  };
  const Case cases[] = {
      {"{261C2B92-E62A-494E-91CB-0A213264C8F7}", true, "{261C2B92-E62A-494E-91CB-0A213264C8F7}"},
      {"{261c2b92-e62a-494e-91cb-0a213264c8f7}", true, "{261C2B92-E62A-494E-91CB-0A213264C8F7}"},
      {"{00000000-0000-0000-C000-000000000046}", true, "{00000000-0000-0000-C000-000000000046}"},
      {"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}", true, "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"},
      {"261C2B92-E62A-494E-91CB-0A213264C8F7", false, nullptr},     // no braces
      {"(261C2B92-E62A-494E-91CB-0A213264C8F7)", false, nullptr},   // wrong brackets
      {"{261C2B92-E62A-494E-91CB-0A213264C8F}", false, nullptr},    // one digit short
      {"{261C2B92-E62A-494E-91CB-0A213264C8F70}", false, nullptr},  // one digit long
      {"{261C2B92E-62A-494E-91CB-0A213264C8F7}", false, nullptr},   // dash moved
      {"{261C2B92-E62A-494E-91CB-0A213264C8G7}", false, nullptr},   // not hex
      {"{261C2B92-E62A-494E-91CB-0A213264C8 7}", false, nullptr},   // blank
      {"{261C2B92-E62A-494E-91CB+0A213264C8F7}", false, nullptr},   // not a dash
      {"{-61C2B92-E62A-494E-91CB-0A213264C8F7}", false, nullptr},   // sign in a digit
      {"", false, nullptr},
      {"{}", false, nullptr},
  };
  for (const Case &c : cases) {
    const std::optional<GUID> guid = VnParseGuid(c.text);
    ASSERT_EQ(guid.has_value(), c.valid) << c.text;
    if (guid) {
      EXPECT_EQ(VnFormatGuid(*guid), c.formatted) << c.text;
    }
  }
}

TEST(VnGuid, FieldsAreReadInRegistryOrder) {
  constexpr GUID guid = VnGuid("{01234567-89AB-CDEF-0123-456789ABCDEF}");
  EXPECT_EQ(guid.Data1, 0x01234567u);
  EXPECT_EQ(guid.Data2, 0x89ABu);
  EXPECT_EQ(guid.Data3, 0xCDEFu);
  const std::uint8_t tail[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
  EXPECT_EQ(std::memcmp(guid.Data4, tail, 8), 0);
  EXPECT_FALSE(guid == IID_IUnknown);
  EXPECT_EQ(IID_IUnknown, VnGuid("{00000000-0000-0000-c000-000000000046}"));
}

TEST(VnGuid, QStringFormsRejectWhatIsNotAscii) {
  EXPECT_EQ(VnGuidText(IID_IClassFactory), QStringLiteral("{00000001-0000-0000-C000-000000000046}"));
  EXPECT_EQ(VnGuidFromText(QStringLiteral("{00000001-0000-0000-c000-000000000046}")), IID_IClassFactory);
  // A full-width digit must not be folded into an ASCII one.
  EXPECT_FALSE(VnGuidFromText(QStringLiteral("{00000001-0000-0000-C000-00000000004\uFF16}")));
  EXPECT_FALSE(VnGuidFromText(QString()));
}

TEST(VnHResult, SuccessIsEveryCodeNotNegative) {
  struct Case {
    HRESULT hr;
    bool succeeded;
  };
  const Case cases[] = {{S_OK, true},
                        {S_FALSE, true},
                        {0x7FFFFFFF, true},
                        {E_FAIL, false},
                        {E_NOINTERFACE, false},
                        {E_POINTER, false},
                        {E_OUTOFMEMORY, false},
                        {E_INVALIDARG, false},
                        {CLASS_E_CLASSNOTAVAILABLE, false},
                        {REGDB_E_CLASSNOTREG, false}};
  for (const Case &c : cases) {
    EXPECT_EQ(SUCCEEDED(c.hr), c.succeeded) << c.hr;
    EXPECT_EQ(FAILED(c.hr), !c.succeeded) << c.hr;
  }
  EXPECT_EQ(VnHResultText(E_FAIL), QStringLiteral("0x80004005"));
  EXPECT_EQ(VnHResultText(S_FALSE), QStringLiteral("0x00000001"));
}

TEST(VnBstr, AllocationKeepsLengthsAndTerminator) {
  struct Case {
    std::u16string text;
    std::uint32_t length;
  };
  const Case cases[] = {{u"", 0}, {u"a", 1}, {u"Hello", 5}, {std::u16string(u"a\0b", 3), 3}, {u"\u00E9\u4E2D", 2}};
  for (const Case &c : cases) {
    TVnBstr text(SysAllocStringLen(c.text.data(), static_cast<std::uint32_t>(c.text.size())));
    ASSERT_NE(text.Get(), nullptr);
    EXPECT_EQ(SysStringLen(text.Get()), c.length);
    EXPECT_EQ(SysStringByteLen(text.Get()), c.length * 2);
    EXPECT_EQ(std::u16string(text.Get(), c.length), c.text) << "embedded NULs must survive";
    EXPECT_EQ(text.Get()[c.length], u'\0');
  }
}

TEST(VnBstr, NulTerminatedCopyStopsAtTheFirstNul) {
  TVnBstr text(SysAllocString(u"ab\0cd"));
  EXPECT_EQ(text.Length(), 2u);
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
}

TEST(VnBstr, NullIsTheEmptyString) {
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
  SysFreeString(nullptr);
  EXPECT_EQ(VnBstrText(nullptr), QString());
}

TEST(VnBstr, NullSourceGivesZeroedText) {
  TVnBstr text(SysAllocStringLen(nullptr, 4));
  ASSERT_NE(text.Get(), nullptr);
  EXPECT_EQ(text.Length(), 4u);
  for (std::uint32_t i = 0; i <= 4; ++i)
    EXPECT_EQ(text.Get()[i], u'\0');
}

TEST(VnBstr, ByteStringsKeepOddLengths) {
  struct Case {
    const char *bytes;
    std::uint32_t byteLength;
    std::uint32_t length;
  };
  const Case cases[] = {{"", 0, 0}, {"x", 1, 0}, {"abc", 3, 1}, {"\xC3\xA9t\xC3\xA9", 5, 2}};
  for (const Case &c : cases) {
    TVnBstr text(SysAllocStringByteLen(c.bytes, c.byteLength));
    ASSERT_NE(text.Get(), nullptr);
    EXPECT_EQ(SysStringByteLen(text.Get()), c.byteLength);
    EXPECT_EQ(SysStringLen(text.Get()), c.length);
    const char *stored = reinterpret_cast<const char *>(text.Get());
    EXPECT_EQ(std::string(stored, c.byteLength), std::string(c.bytes, c.byteLength));
    EXPECT_EQ(stored[c.byteLength], '\0');
    EXPECT_EQ(stored[c.byteLength + 1], '\0');
  }
  TVnBstr utf8(SysAllocStringByteLen("\xC3\xA9t\xC3\xA9", 5));
  EXPECT_EQ(VnBstrUtf8Text(utf8.Get()), QStringLiteral("\u00E9t\u00E9"));
}

TEST(VnBstr, ImpossibleLengthsFailInsteadOfWrapping) {
  // Lengths whose block size would wrap round must not give a small block.
  EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
  EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(VnBstr, QStringRoundTrip) {
  const QString text = QStringLiteral("Gr\u00FC\u00DFe\n") + QChar(0) + QStringLiteral("end");
  TVnBstr bstr = VnMakeBstr(text);
  EXPECT_EQ(bstr.Length(), static_cast<std::uint32_t>(text.size()));
  EXPECT_EQ(VnBstrText(bstr.Get()), text);
}

TEST(VnVariant, ClearFreesTheStringAndEmpties) {
  VARIANT value;
  VariantInit(&value);
  EXPECT_EQ(value.vt, VT_EMPTY);
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocString(u"owned"); // leak checkers see a missed free
  EXPECT_EQ(VariantClear(&value), S_OK);
  EXPECT_EQ(value.vt, VT_EMPTY);
  EXPECT_EQ(value.bstrVal, nullptr);

  value.vt = VT_BSTR;
  value.bstrVal = nullptr; // null is the empty string, not a fault
  EXPECT_EQ(VariantClear(&value), S_OK);

  for (VARTYPE kind : {VT_EMPTY, VT_NULL, VT_I4, VT_BOOL}) {
    value.vt = kind;
    value.lVal = 7;
    EXPECT_EQ(VariantClear(&value), S_OK) << kind;
    EXPECT_EQ(value.vt, VT_EMPTY);
  }
  EXPECT_EQ(VariantClear(nullptr), E_POINTER);
  value.vt = 0x4008; // a kind this layer does not know: left for its owner
  EXPECT_EQ(VariantClear(&value), E_INVALIDARG);
  EXPECT_EQ(value.vt, 0x4008);
}

TEST(VnVariant, OwnerReplacesAndClears) {
  TVnVariant value;
  value.SetBstr(SysAllocString(u"first"));
  value.SetInt(5); // must free "first"
  EXPECT_EQ(value.Value().vt, VT_I4);
  EXPECT_EQ(value.Value().lVal, 5);
  value.SetBool(true);
  EXPECT_EQ(value.Value().boolVal, VARIANT_TRUE);
  value.SetBstr(SysAllocString(u"x"));
  EXPECT_EQ(value.Receive()->vt, VT_EMPTY);
}

TEST(VnComGuard, MapsExceptionsToResults) {
  struct Case {
    int action;
    HRESULT expected;
  };
  const Case cases[] = {{0, S_FALSE}, {1, E_OUTOFMEMORY}, {2, E_FAIL}, {3, E_FAIL}, {4, E_FAIL}};
  for (const Case &c : cases) {
    const HRESULT hr = VnComGuard([&]() -> HRESULT {
      switch (c.action) {
      case 1:
        throw std::bad_alloc();
      case 2:
        throw std::runtime_error("boom");
      case 3:
        throw 42;
      case 4:
        (void)std::vector<int>().at(1);
        return S_OK;
      default:
        return S_FALSE;
      }
    });
    EXPECT_EQ(hr, c.expected) << c.action;
  }
}

// Counts its references so the owner's bookkeeping can be checked.
class TCounted final : public IUnknown {
public:
  HRESULT QueryInterface(const IID &, void **object) noexcept override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  std::uint32_t AddRef() noexcept override { return ++References; }
  std::uint32_t Release() noexcept override { return --References; }
  std::uint32_t References = 1;
};

TEST(VnComPtr, BalancesReferences) {
  TCounted object;
  {
    auto shared = TVnComPtr<IUnknown>::Share(&object);
    EXPECT_EQ(object.References, 2u);
    TVnComPtr<IUnknown> copy = shared;
    EXPECT_EQ(object.References, 3u);
    TVnComPtr<IUnknown> moved = std::move(copy);
    EXPECT_EQ(object.References, 3u);
    EXPECT_FALSE(copy);
    copy = moved; // assignment adds one
    EXPECT_EQ(object.References, 4u);
    copy = copy; // self-assignment keeps the count
    EXPECT_EQ(object.References, 4u);
  }
  EXPECT_EQ(object.References, 1u);
  {
    auto attached = TVnComPtr<IUnknown>::Attach(&object);
    EXPECT_EQ(object.References, 1u);
    EXPECT_EQ(attached.Detach(), &object);
  }
  EXPECT_EQ(object.References, 1u);
}

} // namespace
