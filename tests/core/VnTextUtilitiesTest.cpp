#include "core/VnFileHelpers.h"
#include "core/VnMarkers.h"
#include "core/VnFormatPlaceholders.h"
#include "core/VnTextHelpers.h"
#include "core/VnWildcard.h"

#include "VnTestSupport.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(VnWildcard, AnchoredAtTheStartOnly) {
  const struct {
    const char *text, *pattern;
    bool caseSensitive, matches;
  } cases[] = {
      {"abc", "ab", true, true},     {"abc", "abc*x", true, true}, {"abc", "a?c", true, true},
      {"abc", "*b", true, true},     {"abc", "b", true, false},    {"ac", "a?c", true, true},
      {"abc", "A*", true, false},    {"abc", "A*", false, true},   {"", "", true, false},
      {"", "*", true, false},        {"abc", "", true, true},      {"abcd", "a?d", true, false},
      {"abxyc", "a*c", true, true},  {"Straße", "STRASSE", false, true}, {"axxb", "a??b", true, true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(MatchesWildcard(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern), c.caseSensitive), c.matches)
        << c.text << " ~ " << c.pattern;
}

TEST(VnFormatPlaceholders, PercentAndBraceSpecifiers) {
  const struct {
    bool brace;
    const char *text;
    int start; // in: where to look from; out: where found
    bool found;
    int foundAt, length;
  } cases[] = {
      {false, "100% done %s", 1, true, 11, 2},
      {false, "%-5.2f", 1, true, 1, 6},
      {false, "%%", 1, false, 0, 0},
      {false, "%--d", 1, false, 0, 0},
      {false, "a %1:d b", 1, true, 3, 4},
      {false, "%s and %d", 2, true, 8, 2},
      {false, "%s", 5, false, 0, 0},
      {true, "{0}", 1, true, 1, 3},
      {true, "{12:d2} x", 1, true, 1, 7},
      {true, "{}", 1, true, 1, 2},
      {true, "{x} {0}", 1, true, 5, 3},
      {true, "{0:", 1, false, 0, 0},
      {true, "{0", 1, false, 0, 0},
  };
  for (const auto &c : cases) {
    int start = c.start, length = 0;
    const QString text = QString::fromUtf8(c.text);
    const bool found = c.brace ? FindBraceSpecifier(text, start, length) : FindPercentSpecifier(text, start, length);
    EXPECT_EQ(found, c.found) << c.text;
    if (c.found) {
      EXPECT_EQ(start, c.foundAt) << c.text;
      EXPECT_EQ(length, c.length) << c.text;
    }
  }
}

TEST(VnMarkers, FoundListedAndOpened) {
  const QString link = QStringLiteral("{[vnz.link]:x}");
  const QString text = QStringLiteral("a") + link + QStringLiteral("b{[vnz.link]:y}");
  EXPECT_EQ(ListMarkers(text, false), (QList<TVnMarker>{{QStringLiteral("x"), 1}, {QStringLiteral("y"), 16}}));
  EXPECT_EQ(ListMarkers(text, true).first().Text, link);
  EXPECT_EQ(MarkerContent(QStringLiteral("{[vnz.readonly]:keep me}")), QStringLiteral("keep me"));

  int start = 0, end = 0;
  const QString open = QStringLiteral("ab{[vnz.link]:never closed");
  EXPECT_FALSE(FindMarker(open, start, end));
  EXPECT_EQ(start, 2) << "the start has moved to the opening";
  start = 0;
  EXPECT_FALSE(FindMarker(QStringLiteral("no {[marker}"), start, end));
}

TEST(VnTextHelpers, HexShortenWhitespaceAndNames) {
  EXPECT_EQ(HexToBytes(QStringLiteral("4A")), QByteArray("\x4A"));
  EXPECT_EQ(HexToBytes(QStringLiteral("4a")), QByteArray("\x40"));
  EXPECT_EQ(HexToBytes(QStringLiteral("0102F")), QByteArray("\x01\x02"));

  const QString forty = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCD");
  EXPECT_EQ(ShortenText(forty, 30, true), forty.left(13) + QStringLiteral("...") + forty.right(13));
  EXPECT_EQ(ShortenText(forty, 30, false), forty.left(27));
  EXPECT_EQ(ShortenText(QStringLiteral("a\tb\r\nc"), 30, true), QStringLiteral("abc"));

  const QString plain = QStringLiteral("a b\tc\r\nd");
  const QString shown = ShowWhitespace(plain, true);
  EXPECT_EQ(shown, QString::fromUtf8("a·b¬c¶d"));
  EXPECT_EQ(ShowWhitespace(shown, false), plain);

  const struct {
    const char *text;
    TVnNameRule rule;
    bool ok;
  } names[] = {{"report 1.xml", TVnNameRule::FileName, true}, {"a:b", TVnNameRule::FileName, false},
               {"", TVnNameRule::FileName, false},            {"a+b", TVnNameRule::Other, false},
               {"a+b", TVnNameRule::FileName, true},          {"it's", TVnNameRule::Other, false}};
  for (const auto &n : names)
    EXPECT_EQ(HasNoForbiddenChars(QString::fromUtf8(n.text), n.rule), n.ok) << n.text;
}

TEST(VnFileHelpers, TemporaryFilesAndDocuments) {
  const QString temp = NewTempFileName();
  EXPECT_TRUE(QFileInfo(temp).fileName().startsWith(QStringLiteral("vn7")));
  EXPECT_EQ(FileSizeOf(temp), 0);
  EXPECT_FALSE(FileDateText(temp).isEmpty());
  QFile::remove(temp);
  EXPECT_EQ(FileSizeOf(temp), -1);
  EXPECT_TRUE(FileDateText(temp).isEmpty());

  const pugi::xml_document doc = VnTestParse("<report><line>a &amp; b</line></report>");
  const QByteArray bytes = DocumentToText(doc, true);
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml"));
  EXPECT_TRUE(bytes.contains("<line>a &amp; b</line>"));
  const QString kept = QFile::decodeName(DocumentToText(doc, false));
  EXPECT_EQ(VnTestReadBytes(kept), bytes);
  QFile::remove(kept);
}

} // namespace
