#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(VnXmlDecode, DecodesReferencesAndKeepsEverythingElse) {
  const struct {
    const char *stored;
    QString expected;
  } cases[] = {
      {"plain", QStringLiteral("plain")},
      {"a&amp;b", QStringLiteral("a&b")},
      {"&lt;&gt;&quot;&apos;", QStringLiteral("<>\"'")},
      {"line&#13;&#10;next", QStringLiteral("line\r\nnext")},
      {"&#x41;&#X42;&#67;", QStringLiteral("ABC")},
      {"&#x20AC; &#128512;", QString::fromUtf8("€ 😀")},
      {"Grüße", QString::fromUtf8("Grüße")},
      // Not references: kept as stored rather than lost.
      {"a & b", QStringLiteral("a & b")},
      {"&unknown;", QStringLiteral("&unknown;")},
      {"&#x0000000041;&#00065;", QStringLiteral("AA")},
      {"a&#0;b&#1;", QString::fromUtf8("a\0b\x01", 4)},
      {"&#xD800;&#1114112;&#99999999999;", QStringLiteral("&#xD800;&#1114112;&#99999999999;")},
      {"&#xZZ;&#;", QStringLiteral("&#xZZ;&#;")},
      {"trailing &", QStringLiteral("trailing &")},
      {"&amp", QStringLiteral("&amp")},
  };
  for (const auto &c : cases)
    EXPECT_EQ(VnXmlDecode(c.stored), c.expected) << c.stored;
}

TEST(VnXmlEscape, TextAndAttributeForms) {
  const QString text = QStringLiteral("<a href=\"x\">it's & done\r\n\tend</a>");
  EXPECT_EQ(VnXmlEscapeText(text),
            "&lt;a href=&quot;x&quot;&gt;it&apos;s &amp; done&#13;\n\tend&lt;/a&gt;");
  EXPECT_EQ(VnXmlEscapeAttribute(text),
            "&lt;a href=&quot;x&quot;&gt;it&apos;s &amp; done&#13;&#10;&#9;end&lt;/a&gt;");
  for (const std::string &escaped : {VnXmlEscapeText(text), VnXmlEscapeAttribute(text)})
    EXPECT_EQ(VnXmlDecode(escaped), text);

  // Texts taken from binaries hold control characters and NUL: nothing may be cut.
  const QString binary = QString::fromUtf8("a\0b\x01" "c\x1F", 6);
  EXPECT_EQ(VnXmlEscapeText(binary), "a&#0;b&#1;c&#31;");
  pugi::xml_document doc;
  pugi::xml_node e = doc.append_child("e");
  VnXmlSetText(e, binary);
  VnXmlSetAttr(e, "a", binary);
  EXPECT_EQ(VnXmlText(e), binary);
  EXPECT_EQ(VnXmlAttr(e, "a"), binary);
}

TEST(VnXmlLoad, KeepsTextsAndAttributesAsStored) {
  auto doc = VnTestParse("<r a=\"&quot;x&quot;\" b='say \"hi\"'>&quot;q&quot; \"raw\"\r\nnext</r>");
  pugi::xml_node r = doc.child("r");
  EXPECT_STREQ(r.attribute("a").value(), "&quot;x&quot;");
  EXPECT_STREQ(r.attribute("b").value(), "say \"hi\"");
  EXPECT_STREQ(r.child_value(), "&quot;q&quot; \"raw\"\r\nnext");
  EXPECT_EQ(VnXmlText(r), QStringLiteral("\"q\" \"raw\"\r\nnext"));
  EXPECT_EQ(VnXmlAttr(r, "a"), QStringLiteral("\"x\""));
  EXPECT_EQ(VnXmlAttr(r, "missing", QStringLiteral("def")), QStringLiteral("def"));
}

TEST(VnXmlLoad, FailureLeavesDocumentAsItWasAndNamesTheSource) {
  auto doc = VnTestParse("<kept/>");
  const QString source = QStringLiteral("/some/where/my%1file.xml"); // placeholders stay as they are
  for (const char *bad : {"", "<a><b></a>", "not xml", "<a attr=\"x></a>"}) {
    try {
      VnXmlLoad(doc, QByteArray(bad), source);
      ADD_FAILURE() << "parsed: " << bad;
    } catch (const EVnXmlError &e) {
      EXPECT_TRUE(e.Message().contains(source)) << e.what();
      EXPECT_TRUE(e.Message().contains(QStringLiteral(" at offset "))) << e.what();
    }
    EXPECT_TRUE(doc.child("kept")) << bad;
  }
}

TEST(VnXmlAccessors, SettersStoreEscapedAndGettersGiveTheTextBack) {
  pugi::xml_document doc;
  pugi::xml_node e = doc.append_child("e");
  const QString text = QStringLiteral("\"Q\" & <b>\r\n'x'");
  VnXmlSetText(e, text);
  VnXmlSetAttr(e, "a", text);
  EXPECT_STREQ(e.child_value(), "&quot;Q&quot; &amp; &lt;b&gt;&#13;\n&apos;x&apos;");
  EXPECT_EQ(VnXmlText(e), text);
  EXPECT_EQ(VnXmlAttr(e, "a"), text);

  VnXmlSetText(e, QStringLiteral("second"));
  EXPECT_EQ(VnXmlText(e), QStringLiteral("second"));
  VnXmlSetText(e, QString());
  EXPECT_FALSE(e.first_child());
}

TEST(VnXmlAccessors, TextJoinsAllRunsAndSetTextReplacesThem) {
  auto doc = VnTestParse("<e>x &amp; <![CDATA[a &amp; <b>]]><!--note-->y</e>");
  pugi::xml_node e = doc.child("e");
  EXPECT_EQ(VnXmlText(e), QStringLiteral("x & a &amp; <b>y"));
  VnXmlSetText(e, QStringLiteral("new"));
  EXPECT_EQ(VnXmlText(e), QStringLiteral("new"));
  EXPECT_EQ(e.first_child().type(), pugi::node_pcdata);
  EXPECT_EQ(e.first_child().next_sibling().type(), pugi::node_comment); // comments stay
}

TEST(VnXmlAccessors, EnsureChildFindsTheFirstByNameOrAppends) {
  auto doc = VnTestParse("<r><x n=\"1\">first</x><y/><x n=\"2\">second</x></r>");
  pugi::xml_node r = doc.child("r");
  EXPECT_EQ(VnXmlText(VnXmlEnsureChild(r, "x")), QStringLiteral("first"));
  EXPECT_EQ(VnXmlText(VnXmlEnsureChildWith(r, "x", "n", u"2")), QStringLiteral("second"));

  pugi::xml_node z = VnXmlEnsureChild(r, "z");
  EXPECT_EQ(r.last_child(), z);
  pugi::xml_node x3 = VnXmlEnsureChildWith(r, "x", "n", u"3");
  EXPECT_EQ(r.last_child(), x3);
  EXPECT_EQ(VnXmlAttr(x3, "n"), QStringLiteral("3"));
  EXPECT_EQ(VnXmlEnsureChildWith(r, "x", "n", u"3"), x3);
}

TEST(VnXmlBooleans, ElementAndAttributeRulesAreLenient) {
  const struct {
    const char *text;
    std::optional<bool> element;
    std::optional<bool> attribute;
  } cases[] = {
      {"True", true, true},        {"False", false, false},   {"true", true, true},
      {"FALSE", false, false},     {"yes", true, std::nullopt}, {"No", false, std::nullopt},
      {"t", true, std::nullopt},   {"n", false, std::nullopt}, {"1", std::nullopt, true},
      {"0", std::nullopt, false},  {"-1", std::nullopt, true}, {"2", std::nullopt, true},
      {"", std::nullopt, std::nullopt}, {"maybe", std::nullopt, std::nullopt},
      {"Truthy", true, std::nullopt},
  };
  for (const auto &c : cases) {
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(VnXmlParseElementBool(text), c.element) << c.text;
    EXPECT_EQ(VnXmlParseAttributeBool(text), c.attribute) << c.text;
  }
  EXPECT_EQ(VnXmlBoolText(true), QStringLiteral("True"));
  EXPECT_EQ(VnXmlBoolText(false), QStringLiteral("False"));
}

TEST(VnXmlIntegers, DecimalOnly) {
  const struct {
    const char *text;
    std::optional<int> value;
  } cases[] = {{"42", 42},           {" -7 ", -7},           {"0", 0},
               {"4x", std::nullopt}, {"", std::nullopt},     {"0x10", std::nullopt},
               {"1.5", std::nullopt}, {"99999999999", std::nullopt}};
  for (const auto &c : cases)
    EXPECT_EQ(VnXmlParseInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

} // namespace
