#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

/// Splits a text into the pieces between separator characters, left to right.
/// Positions are 1-based and the end position is the length plus one: after the
/// last piece of "a.b" AtEnd() is true and further calls of Next() give empty
/// pieces. Quoted pieces are not recognised: a quote is an ordinary character.
template <typename TText, typename TChar> class TVnParser {
public:
  TVnParser(TText text, TChar separator)
      : FText(std::move(text)), FEnd(FText.size() + 1), FSeparator(separator) {}

  /// The next piece; empty once the text is used up.
  TText Next() {
    if (FText.isEmpty() || FPos > FEnd)
      return TText();
    const qsizetype start = FPos;
    while (FPos < FEnd && FText.at(FPos - 1) != FSeparator)
      ++FPos;
    TText piece = FText.mid(start - 1, FPos - start);
    ++FPos; // past the separator
    return piece;
  }
  /// True when the position has reached the end position.
  bool AtEnd() const { return FPos >= FEnd; }
  /// The separator for the following calls of Next().
  void SetSeparator(TChar separator) { FSeparator = separator; }

private:
  TText FText;
  qsizetype FEnd;     // length + 1
  qsizetype FPos = 1; // 1-based
  TChar FSeparator;
};

/// Splits UTF-16 text.
using TVnWideParser = TVnParser<QString, QChar>;
/// Splits narrow text, byte by byte.
using TVnAnsiParser = TVnParser<QByteArray, char>;
