#pragma once

#include <QString>

namespace zef {

class LayoutDocument;

// The layouts the benchmarks paint, built from a fixed seed so that every run
// paints the same: bench/data holds them as layout files (written by
// `zef-bench --write-layouts DIR`), for the render command as well.
namespace stress {

// 500 mixed elements on "Edge 1050": 250 value texts in all its font slots and
// alignments, 220 graphics of every kind, 20 dynamic colours, 10 separators.
constexpr const char* LargeFile = "edge1050-500.xml";
// A typical 30-element layout on the round "fenix 7".
constexpr const char* RoundFile = "fenix7-30.xml";

// Fills the document (device selected, elements replaced).
void buildLarge(LayoutDocument& document);
void buildRound(LayoutDocument& document);

// Writes both layout files into dir; false when one cannot be written.
bool writeLayouts(const QString& dir);

} // namespace stress
} // namespace zef
