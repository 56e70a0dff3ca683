#pragma once

#include <QString>

class QWidget;

/// The whole text a widget shows: an editor's or label's text, a button's
/// caption, or a window's title. Empty for none.
QString WindowText(const QWidget *widget);
