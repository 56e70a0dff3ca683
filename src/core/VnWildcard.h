#pragma once

#include <QString>

/// Matches a text against a pattern of literal runs, "*" (any run of
/// characters) and "?" (at most one character). The match is anchored at the
/// start of the text only: once the text is used up, the rest of the pattern
/// is not looked at. An empty text never matches; an empty pattern matches any
/// other text. Used by the exclusion lists, whose files rely on these rules.
bool MatchesWildcard(const QString &text, const QString &pattern, bool caseSensitive);
