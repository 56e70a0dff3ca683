#include "core/VnXmlWriter.h"

#include "core/VnXml.h"

#include "VnTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bom() { return QByteArray("\xEF\xBB\xBF"); }

QByteArray Reserialize(const QByteArray &bytes) {
  pugi::xml_document doc;
  VnXmlLoad(doc, bytes, QStringLiteral("test"));
  return VnXmlSerialize(doc);
}

TEST(VnXmlWriter, HouseLayoutFileRoundTripsByteForByte) {
  const QByteArray original = VnTestReadBytes(VnTestData(QStringLiteral("xml/house-layout.xml")));
  ASSERT_FALSE(original.isEmpty());
  ASSERT_TRUE(original.contains("second line\r\n</multiline>")) << "fixture lost its CR LF";
  EXPECT_EQ(Reserialize(original), original);
}

TEST(VnXmlWriter, WritesBomDeclarationIndentAndCrLf) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("options");
  pugi::xml_node grid = root.append_child("grid");
  VnXmlSetAttr(grid, "no", u"1");
  VnXmlSetText(grid.append_child("visible"), u"True");
  grid.append_child("empty");
  root.append_child(pugi::node_comment).set_value(" note ");
  VnXmlSetText(root.append_child("multi"), u"a\r\nb");

  EXPECT_EQ(VnXmlSerialize(doc), Bom() +
                                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                     "<options>\r\n"
                                     "  <grid no=\"1\">\r\n"
                                     "    <visible>True</visible>\r\n"
                                     "    <empty/>\r\n"
                                     "  </grid>\r\n"
                                     "  <!-- note -->\r\n"
                                     "  <multi>a&#13;\nb</multi>\r\n"
                                     "</options>\r\n");
}

TEST(VnXmlWriter, OtherLayoutsBecomeHouseLayoutWithTextsIntact) {
  const QByteArray foreign = "<?xml version='1.0'?>\n<r>\n\t<a x='say \"hi\"'>one\ntwo</a>\n\t\t<b>  padded  </b><c/>\n</r>";
  const QByteArray written = Reserialize(foreign);
  EXPECT_EQ(written, Bom() +
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                         "<r>\r\n"
                         "  <a x=\"say &quot;hi&quot;\">one\ntwo</a>\r\n"
                         "  <b>  padded  </b>\r\n"
                         "  <c/>\r\n"
                         "</r>\r\n");
  // And the house layout is a fixed point.
  EXPECT_EQ(Reserialize(written), written);
}

TEST(VnXmlWriter, SaveFileWritesAndReportsFailuresWithTheFileName) {
  QTemporaryDir dir;
  pugi::xml_document doc;
  doc.append_child("r");
  const QString fileName = dir.filePath(QStringLiteral("out.xml"));
  VnXmlSaveFile(doc, fileName);
  EXPECT_EQ(VnTestReadBytes(fileName), VnXmlSerialize(doc));

  const QString bad = dir.filePath(QStringLiteral("no/such/folder/out.xml"));
  try {
    VnXmlSaveFile(doc, bad);
    ADD_FAILURE() << "saved into a missing folder";
  } catch (const EVnError &e) {
    EXPECT_TRUE(e.Message().contains(bad)) << e.what();
  }
}

} // namespace
