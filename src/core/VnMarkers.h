#pragma once

// Markers inside texts: a run that begins with "{[vnz." and ends with the next
// "}", such as a link marker "{[vnz.link]:text}" or a read-only marker.
// Offsets are 0-based.

#include <QList>
#include <QString>

/// The next complete marker at or after `start`. On success `start` is its
/// first and `end` its last offset. When a marker opens but never closes,
/// the answer is false with `start` already moved to the opening.
bool FindMarker(const QString &text, int &start, int &end);
/// What a marker carries: the text from the second character after its first
/// "]" up to, not including, its last character ("x" for "{[vnz.link]:x}").
QString MarkerContent(const QString &marker);

/// One marker found in a text.
struct TVnMarker {
  QString Text; // the whole marker, or its content
  int Offset;   // where the marker starts in the text
  bool operator==(const TVnMarker &) const = default;
};
/// Every marker of a text in order, whole or as its content.
QList<TVnMarker> ListMarkers(const QString &text, bool whole);
