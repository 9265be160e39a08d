#pragma once

#include <QByteArray>

namespace zef {

// How much an XML parse of some bytes would build, counted in one pass
// without building anything. The counts are upper bounds: whatever a parser
// accepts has at most this many nodes and attributes (text between two tags
// counts as a node even when a parser drops it as blank).
struct XmlShape {
    qsizetype nodes = 0;          // elements, texts, comments, declarations
    qsizetype attributes = 0;     // in all elements together
    qsizetype mostAttributes = 0; // in the element that has the most
};

XmlShape measureXmlShape(const QByteArray& bytes);

} // namespace zef
