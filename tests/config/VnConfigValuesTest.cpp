#include "config/VnConfigValues.h"

#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(VnConfigValues, ElementBooleanFallsBackToTheKeysDefault) {
  const struct {
    const char *text;
    bool withDefaultTrue, withDefaultFalse;
  } cases[] = {
      {"yes", true, true},   {"No", false, false},     {"True", true, true}, {"f", false, false},
      {"1", true, false},    {"", true, false},        {"0", true, false},   {"?", true, false},
  };
  for (const auto &c : cases) {
    auto doc = VnTestParse((std::string("<s><k>") + c.text + "</k></s>").c_str());
    EXPECT_EQ(VnConfigGetElementBool(doc.child("s"), "k", true), c.withDefaultTrue) << c.text;
    EXPECT_EQ(VnConfigGetElementBool(doc.child("s"), "k", false), c.withDefaultFalse) << c.text;
  }
}

TEST(VnConfigValues, ReadingAnAbsentElementCreatesItEmpty) {
  auto doc = VnTestParse("<s/>");
  pugi::xml_node s = doc.child("s");
  EXPECT_EQ(VnConfigGetElementInt(s, "count", 7), 7);
  EXPECT_TRUE(VnConfigGetElementBool(s, "flag", true));
  ASSERT_TRUE(s.child("count"));
  ASSERT_TRUE(s.child("flag"));
  EXPECT_STREQ(s.child("count").child_value(), "");

  VnConfigSetElementInt(s, "count", -12);
  VnConfigSetElementBool(s, "flag", false);
  EXPECT_STREQ(s.child("count").child_value(), "-12");
  EXPECT_STREQ(s.child("flag").child_value(), "False");
  EXPECT_EQ(VnConfigGetElementInt(s, "count", 7), -12);
}

TEST(VnConfigValues, AttributeEncodings) {
  auto doc = VnTestParse("<s i=\"12\" bad=\"1x\" b1=\"TRUE\" b2=\"-1\" b3=\"0\" b4=\"perhaps\"/>");
  pugi::xml_node s = doc.child("s");
  EXPECT_EQ(VnConfigGetAttrInt(s, "i", 5), 12);
  EXPECT_EQ(VnConfigGetAttrInt(s, "bad", 5), 5);
  EXPECT_EQ(VnConfigGetAttrInt(s, "missing", 5), 5);
  EXPECT_FALSE(s.attribute("missing")); // attributes are not created by reading
  EXPECT_TRUE(VnConfigGetAttrBool(s, "b1", false));
  EXPECT_TRUE(VnConfigGetAttrBool(s, "b2", false));
  EXPECT_FALSE(VnConfigGetAttrBool(s, "b3", true));
  EXPECT_TRUE(VnConfigGetAttrBool(s, "b4", true));
  EXPECT_FALSE(VnConfigGetAttrBool(s, "b4", false));

  VnConfigSetAttrBool(s, "t", true);
  VnConfigSetAttrBoolNumeric(s, "n", true);
  VnConfigSetAttrBoolNumeric(s, "z", false);
  EXPECT_STREQ(s.attribute("t").value(), "True");
  EXPECT_STREQ(s.attribute("n").value(), "-1");
  EXPECT_STREQ(s.attribute("z").value(), "0");
  EXPECT_TRUE(VnConfigGetAttrBool(s, "n", false));
}

TEST(VnConfigValues, StringListsJoinWithCrLf) {
  auto doc = VnTestParse("<s><lf>one\ntwo</lf></s>");
  pugi::xml_node s = doc.child("s");
  const QStringList items{QStringLiteral("find <this>"), QString(), QStringLiteral("and \"that\"")};
  VnConfigSetStringList(s, "items", items);
  EXPECT_EQ(VnXmlText(s.child("items")), items.join(QStringLiteral("\r\n")));
  EXPECT_EQ(VnConfigGetStringList(s, "items"), items);

  EXPECT_EQ(VnConfigGetStringList(s, "lf"), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
  EXPECT_TRUE(VnConfigGetStringList(s, "absent").isEmpty());
  VnConfigSetStringList(s, "items", {});
  EXPECT_TRUE(VnConfigGetStringList(s, "items").isEmpty());
}

TEST(VnConfigValues, FontsRoundTripAndFillMissingMembers) {
  auto doc = VnTestParse("<s><partial><font><Size>9</Size><Bold>True</Bold></font></partial></s>");
  pugi::xml_node s = doc.child("s");
  EXPECT_FALSE(VnConfigGetFont(s).has_value());

  VnConfigSetFont(s, std::nullopt); // no font: nothing stored
  EXPECT_FALSE(s.child("font"));

  TVnFont font;
  font.Name = QStringLiteral("DejaVu Sans");
  font.Color = qint32(0x800000FF);
  font.Size = 11;
  font.Italic = font.Strikeout = true;
  VnConfigSetFont(s, font);
  EXPECT_STREQ(s.child("font").child("Color").child_value(), "$800000FF");
  EXPECT_EQ(VnConfigGetFont(s), font);

  TVnFont expected;
  expected.Size = 9;
  expected.Bold = true;
  EXPECT_EQ(VnConfigGetFont(s.child("partial")), expected);
}

TEST(VnConfigValues, ColourTextAndReading) {
  EXPECT_EQ(VnConfigColorText(0x00FF00), QStringLiteral("$0000FF00"));
  EXPECT_EQ(VnConfigColorText(-16777208), QStringLiteral("$FF000008"));
  EXPECT_EQ(VnConfigParseColor(u"$0000ff00"), 0x00FF00);
  EXPECT_EQ(VnConfigParseColor(u"$FF000008"), -16777208);
  EXPECT_EQ(VnConfigParseColor(u"255"), 255);
  EXPECT_EQ(VnConfigParseColor(u"-1"), -1);
  EXPECT_FALSE(VnConfigParseColor(u"$GG").has_value());
  EXPECT_FALSE(VnConfigParseColor(u"").has_value());
}

} // namespace
