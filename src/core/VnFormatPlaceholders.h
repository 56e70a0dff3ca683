#pragma once

// Finding format placeholders in texts, so that validation can compare those
// of a translation with those of its native text. Positions are 1-based.

#include <QString>

/// The next "%" specifier at or after `start`: "%", then digits and at most
/// one each of "-", "." and ":", then a type letter of "duefgnmpsx" in either
/// case. On success `start` is the position of the "%" and `length` counts up
/// to the type letter inclusive.
bool FindPercentSpecifier(const QString &text, int &start, int &length);
/// The next "{" specifier at or after `start`: "{", digits (maybe none), then
/// "}" or ":" and any text up to the next "}". On success `start` is the
/// position of the "{" and `length` counts up to the "}" inclusive.
bool FindBraceSpecifier(const QString &text, int &start, int &length);
