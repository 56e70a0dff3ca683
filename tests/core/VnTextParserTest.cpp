#include "core/VnTextParser.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString AsText(const QString &piece) {
  return piece;
}
QString AsText(const QByteArray &piece) {
  return QString::fromLatin1(piece);
}

// Every piece until AtEnd(), as the conversions read them, then one more Next()
// to show what a caller gets past the end.
template <typename TParser, typename TText, typename TChar>
QStringList PiecesThenOneMore(const TText &text, TChar separator) {
  TParser parser(text, separator);
  QStringList pieces;
  while (!parser.AtEnd())
    pieces.append(AsText(parser.Next()));
  pieces.append(QStringLiteral("<%1>").arg(AsText(parser.Next())));
  return pieces;
}

struct TParserCase {
  const char *Text;
  QStringList Expected; // the pieces, then the piece past the end in <>
};

const TParserCase kCases[] = {
    {"a.b", {"a", "b", "<>"}}, {"a.", {"a", "<>"}}, // the end position is reached after the separator
    {".a", {"", "a", "<>"}},   {"a..b", {"a", "", "b", "<>"}},
    {".", {"", "<>"}},         {"", {"<>"}},
    {"abc", {"abc", "<>"}},    {"\"a.b\".c", {"\"a", "b\"", "c", "<>"}}, // quotes are ordinary characters
};

TEST(VnTextParser, WideAndAnsiSplitAlike) {
  for (const TParserCase &c : kCases) {
    EXPECT_EQ((PiecesThenOneMore<TVnWideParser>(QString::fromLatin1(c.Text), QChar(u'.'))), c.Expected)
        << c.Text;
    EXPECT_EQ((PiecesThenOneMore<TVnAnsiParser>(QByteArray(c.Text), '.')), c.Expected) << c.Text;
  }
}

TEST(VnTextParser, SplitsAtNulAndKeepsOtherUnits) {
  TVnWideParser wide(QString::fromUtf16(u"\u00e9\0\U0001F600", 4), QChar(0));
  EXPECT_EQ(wide.Next(), QString::fromUtf16(u"\u00e9"));
  EXPECT_EQ(wide.Next(), QString::fromUtf16(u"\U0001F600"));
  EXPECT_TRUE(wide.AtEnd());

  TVnAnsiParser ansi(QByteArray("\x82\xa0\0b", 4), '\0');
  EXPECT_EQ(ansi.Next(), QByteArray("\x82\xa0"));
  EXPECT_EQ(ansi.Next(), QByteArray("b"));
  EXPECT_TRUE(ansi.AtEnd());
}

TEST(VnTextParser, SeparatorMayChangeBetweenPieces) {
  TVnWideParser parser(QStringLiteral("a,b;c,d"), QChar(u','));
  EXPECT_EQ(parser.Next(), QStringLiteral("a"));
  parser.SetSeparator(QChar(u';'));
  EXPECT_EQ(parser.Next(), QStringLiteral("b"));
  EXPECT_EQ(parser.Next(), QStringLiteral("c,d"));
  EXPECT_TRUE(parser.AtEnd());
}

} // namespace
