#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

/// Serialises a document in the house layout: UTF-8 byte order mark, the
/// declaration, two spaces of indent per level and CR LF after each element.
/// Texts and attribute values are written exactly as stored (already escaped);
/// elements holding only text stay on one line, and elements that mix text with
/// child elements are written without added whitespace so their content keeps
/// every character.
/// `sizeHint` (the expected size, such as the size last written) saves the
/// output from growing step by step.
QByteArray VnXmlSerialize(const pugi::xml_document &doc, qsizetype sizeHint = 0);

/// Serialises `doc` and writes it to `fileName` without ever truncating the old
/// file first. Failures name the file.
void VnXmlSaveFile(const pugi::xml_document &doc, const QString &fileName);
