#include "core/VnCodePageConversion.h"

#include "core/VnError.h"
#include "core/VnMLang.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

// UTF-16 with embedded NULs and unpaired surrogates, which QStringLiteral cannot hold.
template <std::size_t N> QString W(const char16_t (&text)[N]) {
  return QString::fromUtf16(text, qsizetype(N - 1));
}
QByteArray Hex(const char *hex) {
  return QByteArray::fromHex(hex);
}

struct TVnEncodingCase {
  QString Text;
  int CodePage;
  QByteArray Bytes;
};

// A character only the right character set places at that byte: catches a converter
// name that opens but reads another encoding.
TEST(VnCodePageConversion, EachConverterWritesItsCodePage) {
  const TVnEncodingCase cases[] = {
      {W(u"\u20AC"), 1252, Hex("80")},
      {W(u"\u017D"), 1250, Hex("8e")},
      {W(u"\u0416"), 1251, Hex("c6")},
      {W(u"\u03A9"), 1253, Hex("d9")},
      {W(u"\u05D0"), 1255, Hex("e0")},
      {W(u"\u0E01"), 874, Hex("a1")},
      {W(u"\u3042"), 932, Hex("82a0")},
      {W(u"\uFF71"), 932, Hex("b1")},
      {W(u"\u4E2D"), 936, Hex("d6d0")},
      {W(u"\uAC00"), 949, Hex("b0a1")},
      {W(u"\u4E2D"), 950, Hex("a4a4")},
      {W(u"\u3042"), 20932, Hex("a4a2")},
      {W(u"\u4E2D"), 54936, Hex("d6d0")},
      {W(u"\u4E2Da"), 52936, Hex("7e7b56507e7d61")},
      {W(u"\u3042"), 50220, Hex("1b244224221b2842")},
      {W(u"\u0416"), 866, Hex("86")},
      {W(u"\u0416"), 20866, Hex("f6")},
      {W(u"\u0416"), 28595, Hex("b6")},
      {W(u"\u00FC"), 850, Hex("81")},
      {W(u"A"), 1047, Hex("c1")},
      {W(u"\u20AC"), 1140, Hex("9f")},
      {W(u"\u20AC"), 65001, Hex("e282ac")},
      {W(u"\u20AC"), 65000, Hex("2b494b772d")},
      {W(u"A\u20AC"), 1200, Hex("4100ac20")},
      {W(u"A"), 1201, Hex("0041")},
  };
  for (const TVnEncodingCase &c : cases) {
    EXPECT_EQ(WideToCodePage(c.Text, c.CodePage).toHex(), c.Bytes.toHex()) << c.CodePage;
    EXPECT_EQ(CodePageToWide(c.Bytes, c.CodePage), c.Text) << c.CodePage;
  }
}

TEST(VnCodePageConversion, RoundTripsKeepText) {
  const std::pair<int, QString> cases[] = {
      {1252, W(u"Caf\u00E9 \u20AC 5")},
      {1251, W(u"\u041F\u0440\u0438\u0432\u0435\u0442")},
      {932, W(u"\u65E5\u672C\u8A9E\u30C6\u30AD\u30B9\u30C8\uFF71")},
      {936, W(u"\u7B80\u4F53\u4E2D\u6587")},
      {949, W(u"\uD55C\uAD6D\uC5B4")},
      {950, W(u"\u7E41\u9AD4\u4E2D\u6587")},
      {65001, W(u"mixed \u00E9\u4E2D\U0001F600")},
      {1200, W(u"mixed \u00E9\u4E2D\U0001F600")},
      {1201, W(u"mixed \u00E9\u4E2D\U0001F600")},
      {50220, W(u"ab\u3042\u3044cd")},
      {65000, W(u"a+b \u4E2D")},
  };
  for (const auto &[codePage, text] : cases) {
    for (const QString &sample : {text, text + QChar(0) + text + QChar(0)}) {
      QByteArray bytes;
      ASSERT_TRUE(WideToCodePage(sample, codePage, bytes)) << codePage;
      QString back;
      ASSERT_TRUE(CodePageToWide(bytes, codePage, back)) << codePage;
      EXPECT_EQ(back, sample) << codePage;
    }
  }
}

TEST(VnCodePageConversion, EveryNulStaysOneNul) {
  const TVnEncodingCase cases[] = {
      {W(u"a\0b"), 1252, QByteArray("a\0b", 3)},
      {W(u"a\0"), 1252, QByteArray("a\0", 2)},
      {W(u"\0"), 1252, QByteArray("\0", 1)},
      {W(u"\0\0a\0\0"), 1252, QByteArray("\0\0a\0\0", 5)},
      {QString(), 1252, QByteArray()},
      // Stateful encodings close each piece before the NUL.
      {W(u"\u3042\0\u3044"), 50220, Hex("1b244224221b284200") + Hex("1b244224241b2842")},
      // A UTF-16 NUL is two zero bytes, and zero bytes inside characters are no NULs.
      {W(u"a\0\u0100"), 1200, Hex("610000000001")},
      {W(u"a\0"), 1201, Hex("00610000")},
  };
  for (const TVnEncodingCase &c : cases) {
    EXPECT_EQ(WideToCodePage(c.Text, c.CodePage).toHex(), c.Bytes.toHex()) << c.CodePage;
    EXPECT_EQ(CodePageToWide(c.Bytes, c.CodePage), c.Text) << c.Bytes.toHex().constData();
  }
}

// The first output estimate used to be one byte per character; every character
// here needs more, and none may be lost.
TEST(VnCodePageConversion, MultiByteOutputIsNeverCut) {
  const std::pair<int, QString> cases[] = {
      {932, QString(5000, QChar(0x3042))},   {54936, W(u"\U0001F600").repeated(3000)},
      {50220, W(u"\u3042a").repeated(3000)}, {65001, W(u"\u20AC").repeated(4000)},
      {65000, W(u"\u4E2D").repeated(4000)},
  };
  for (const auto &[codePage, text] : cases) {
    QByteArray bytes;
    ASSERT_TRUE(WideToCodePage(text, codePage, bytes)) << codePage;
    EXPECT_GT(bytes.size(), text.size()) << codePage;
    EXPECT_EQ(CodePageToWide(bytes, codePage), text) << codePage;
  }
}

TEST(VnCodePageConversion, NoConverterIsFailureWithEmptyText) {
  for (int codePage : {0, -1, 99999, 10001 /* listed, no converter */}) {
    for (const QString &text : {QString(), W(u"abc"), W(u"a\0b")}) {
      QByteArray bytes("stale");
      EXPECT_FALSE(WideToCodePage(text, codePage, bytes)) << codePage;
      EXPECT_TRUE(bytes.isEmpty()) << codePage;
      EXPECT_TRUE(WideToCodePage(text, codePage).isEmpty()) << codePage;
      QString wide = QStringLiteral("stale");
      EXPECT_FALSE(CodePageToWide(text.toLatin1(), codePage, wide)) << codePage;
      EXPECT_TRUE(wide.isEmpty()) << codePage;
    }
  }
  QByteArray bytes("stale");
  EXPECT_TRUE(WideToCodePage(QString(), 1252, bytes));
  EXPECT_TRUE(bytes.isEmpty());
}

TEST(VnCodePageConversion, BrokenInputIsSubstituted) {
  const TVnEncodingCase unpaired[] = {
      {W(u"a\xD800"
         u"b"),
       1252, Hex("613f62")},
      {W(u"\xDC00"), 1252, Hex("3f")},
      {W(u"a\xD800"), 1200, Hex("61003f00")},
      {W(u"\xDC00\0\xD800"), 932, Hex("3f003f")},
  };
  for (const TVnEncodingCase &c : unpaired) {
    QByteArray bytes;
    EXPECT_TRUE(WideToCodePage(c.Text, c.CodePage, bytes)) << c.CodePage;
    EXPECT_EQ(bytes.toHex(), c.Bytes.toHex()) << c.CodePage;
  }
  const TVnEncodingCase invalid[] = {
      {W(u"a\uFFFD(\uFFFD"), 65001, Hex("61c328ff")},
      {W(u"a\uFFFD"), 932, Hex("6181")}, // lead byte without trail
      {W(u"a\0\uFFFD"), 932, Hex("610081")},
      {W(u"a\uFFFD"), 1200, Hex("610062")}, // odd byte count
  };
  for (const TVnEncodingCase &c : invalid) {
    QString text;
    EXPECT_TRUE(CodePageToWide(c.Bytes, c.CodePage, text)) << c.CodePage;
    EXPECT_EQ(text, c.Text) << c.Bytes.toHex().constData();
  }
}

// ICU has no best-fit tables and its Japanese converters cover other repertoires
// than the system's. What ICU does differs from Windows here; pinned so a change
// of ICU or of converter names shows.
TEST(VnCodePageConversion, KnownDifferencesFromWindows) {
  const TVnEncodingCase cases[] = {
      {W(u"\u0100\u221E"), 1252, Hex("3f3f")}, // Windows best-fits to "A8"
      {W(u"\u301C"), 932, Hex("3f")},          // Windows best-fits the wave dash to 8160
      {W(u"\uFF71"), 50220, Hex("3f")},        // Windows writes full-width katakana
      {W(u"\u4E02"), 51932, Hex("8fb0a1")},    // JIS X 0212; Windows writes "?"
      {W(u"a\xD800"), 65001, Hex("613f")},     // Windows writes U+FFFD
      {W(u"\u0915"), 57002, Hex("ef42b3")},    // script announced first; Windows writes b3
      {W(u"\u4E2D"), 52936, Hex("7e7b5650")},  // GB mode left open at the end; Windows closes it with ~}
  };
  for (const TVnEncodingCase &c : cases)
    EXPECT_EQ(WideToCodePage(c.Text, c.CodePage).toHex(), c.Bytes.toHex()) << c.CodePage;
}

TEST(VnCodePageConversion, MLangConvertsWholeTextsAndRaises) {
  TMLang mlang;
  const QString text = W(u"\u3042\0b");
  EXPECT_EQ(mlang.ToUnicode(mlang.FromUnicode(text, 932), 932), text);
  EXPECT_EQ(mlang.FromUnicode(QString(), 932), QByteArray());

  const auto messageOf = [](auto call) {
    try {
      call();
    } catch (const EVnError &error) {
      return error.Message();
    }
    return QString();
  };
  EXPECT_EQ(messageOf([&] { mlang.FromUnicode(text, 99999); }), QStringLiteral("Unknown code page"));
  EXPECT_EQ(messageOf([&] { mlang.ToUnicode(QByteArray("a"), 10001); }), QStringLiteral("Unknown code page"));
  EXPECT_TRUE(mlang.Usable()); // an unknown number is the caller's mistake, not the service's
}

} // namespace
