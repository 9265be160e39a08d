#pragma once

#include <QString>

#include <cstdint>

namespace zef {

class ValueTypeCatalog;

enum class TextMode { Preview, Edit };

// The members of a value element its text is made from. Building the text
// fills an empty sampleText with the value type's sample, and an empty text
// with the value type's display pattern.
struct ValueTextMembers {
    std::int32_t valueType = 0;
    bool fixedText = false;
    std::int32_t precision = 0;
    QString text;
    QString sampleText;
};

// The preview text or the edit text of a value element.
QString valueElementText(ValueTextMembers& element, TextMode mode, const ValueTypeCatalog& catalog);

} // namespace zef
