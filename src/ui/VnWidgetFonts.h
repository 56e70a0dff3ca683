#pragma once

// The configuration's fonts as widgets use them.

#include "config/VnConfigValues.h"

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

/// The configuration's font as a widget font, and back; the colour, which a
/// widget font does not carry, is taken from `color`.
QFont VnToQFont(const TVnFont &font);
TVnFont VnFromQFont(const QFont &font, qint32 color);
/// "Name, size": how the font boxes show a font.
QString VnFontCaption(const TVnFont &font);
/// Gives `widget` the stored font, or the program's font when none is stored.
void VnApplyFont(QWidget &widget, const std::optional<TVnFont> &font);
