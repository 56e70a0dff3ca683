#include "ui/VnWidgetFonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QWidget>

QFont VnToQFont(const TVnFont &font) {
  QFont result(font.Name);
  if (font.Size > 0)
    result.setPointSize(font.Size);
  result.setBold(font.Bold);
  result.setItalic(font.Italic);
  result.setUnderline(font.Underline);
  result.setStrikeOut(font.Strikeout);
  return result;
}

TVnFont VnFromQFont(const QFont &font, qint32 color) {
  TVnFont result;
  result.Name = font.family();
  result.Color = color;
  result.Size = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
  result.Bold = font.bold();
  result.Italic = font.italic();
  result.Underline = font.underline();
  result.Strikeout = font.strikeOut();
  return result;
}

QString VnFontCaption(const TVnFont &font) {
  return font.Name + QStringLiteral(", ") + QString::number(font.Size);
}

void VnApplyFont(QWidget &widget, const std::optional<TVnFont> &font) {
  widget.setFont(font ? VnToQFont(*font) : QApplication::font());
}
