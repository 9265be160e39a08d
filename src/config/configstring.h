#pragma once

#include "model/layoutelement.h"
#include "model/undohistory.h"

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

// The two versions the reader takes: "C" (written and read) and "B" (read).
enum class ConfigVersion { B, C };

// The records of a string of the given version (its first character, the
// version letter, is skipped). Records cut off by the end of the string read
// whatever characters remain. Font indices refer to fontSlots.
ElementVector readConfigRecords(QStringView text, ConfigVersion version,
                                const ValueTypeCatalog& catalog, const QStringList& fontSlots);

struct ConfigReadResult {
    bool ok = false;
    QString error; // the message for the user when the string is refused
    ElementVector elements;
};
// A string as the clipboard gives it: refused when too long, too short or of
// an unknown version; otherwise its records.
ConfigReadResult readConfigString(const QString& text, const ValueTypeCatalog& catalog,
                                  const QStringList& fontSlots);

} // namespace zef
