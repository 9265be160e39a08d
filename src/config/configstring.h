#pragma once

#include "model/layoutdocument.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace zef {

class ValueTypeCatalog;

// The 8-bit length field of a value record: longer texts are cut to this many
// UTF-16 code units (and reported by overlongTextElements).
constexpr int MaxConfigTextLength = 255;
// Longer texts are refused by loadConfigString before parsing: a full layout
// of 500 elements with 255-character texts needs less than 140000 characters.
constexpr qsizetype MaxConfigStringLength = qsizetype(1) << 20;

// One unsigned word as its five-character number group.
QString EncodeConfigNumber(std::uint32_t word);
// Up to five characters back to the word (modulo 2^32).
std::uint32_t DecodeConfigNumber(QStringView group);

// The version "C" config string of the elements.
QString BuildConfigString(const ElementVector& elements, const ValueTypeCatalog& catalog,
                          const QStringList& offeredFontSlots);

// The value text an element sends in the string: empty for the value types whose
// value is itself a text (ids 1..9), otherwise its text, cut to MaxConfigTextLength
// code units without splitting a surrogate pair.
QString configStringText(const LayoutElement& element, const ValueTypeCatalog& catalog);
// Indices of the value elements whose text is too long for the length field and
// is therefore cut in the string.
std::vector<int> overlongTextElements(const ElementVector& elements,
                                      const ValueTypeCatalog& catalog);

// The warning for elements whose texts are cut (indices as overlongTextElements
// gives them, shown as line numbers from 1); empty when there are none.
QString overlongTextMessage(const std::vector<int>& indices);

// The font slots the string's font indices refer to: offeredFontSlots of the
// document's selected device (empty while none is selected).
QStringList documentFontSlots(const LayoutDocument& document);

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
