#pragma once

#include "model/layoutdocument.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace zef {

class ValueTypeCatalog;

// One unsigned word as its five-character number group.
QString EncodeConfigNumber(std::uint32_t word);
// Up to five characters back to the word (modulo 2^32).
std::uint32_t DecodeConfigNumber(QStringView group);
// 0x00BBGGRR <-> 0xRRGGBB.
std::uint32_t ToRgb24(std::uint32_t color);

// The version "C" config string of the elements.
QString BuildConfigString(const ElementVector& elements, const ValueTypeCatalog& catalog,
                          const QStringList& offeredFontSlots);

// Replace the document's layout by the records of a version "C" / "B" string.
void ParseConfigStringC(LayoutDocument& document, const QString& text);
void ParseConfigStringB(LayoutDocument& document, const QString& text);

// Reads a config string as "Load from clipboard" does once the user agreed:
// too short / cannot be loaded messages through the platform. Returns true
// when the layout was replaced.
bool loadConfigString(LayoutDocument& document, const QString& text);

// "Copy to clipboard" and "Load from clipboard".
void OnCopyToClipboard(LayoutDocument& document);
void OnLoadFromClipboard(LayoutDocument& document);

} // namespace zef
