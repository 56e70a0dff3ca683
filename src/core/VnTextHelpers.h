#pragma once

// Small text helpers shared by the views, the validation and the reports.

#include <QByteArray>
#include <QString>

/// Bytes from pairs of hexadecimal digits, high digit first. Digits and the
/// capitals A to F count; every other character counts 0 ("4a" gives 0x40).
/// A last single character is ignored.
QByteArray HexToBytes(const QString &text);
/// The text without tabs and line breaks, shortened to `max` characters when
/// longer: keeping both ends around "..." with `middle`, else cut after
/// max - 3 characters.
QString ShortenText(const QString &text, int max, bool middle);
/// White space made visible (space "·", tab "¬", CR LF "¶"), or back.
QString ShowWhitespace(const QString &text, bool show);

/// Which characters a name may not hold.
enum class TVnNameRule { FileName, Other };
/// True when the text is not empty and holds none of the rule's forbidden
/// characters (file names: " | * / : < > ? \ ; others: " ' | + / ; < = > [ \ ]).
bool HasNoForbiddenChars(const QString &text, TVnNameRule rule);
