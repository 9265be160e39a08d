#pragma once

#include "model/layoutelement.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zef {

class CAutoRepeatButton;
class ElementListView;

// A number field of the property panel: its label, its edit and the "-" and
// "+" buttons beside it.
struct NumberFieldControls {
    QLabel* label = nullptr;
    CAutoRepeatButton* minus = nullptr;
    QLineEdit* edit = nullptr;
    CAutoRepeatButton* plus = nullptr;
};

// One row of the "Dynamic Colors" group, from left to right.
struct DynamicColorRowControls {
    QCheckBox* blink = nullptr;
    QCheckBox* hide = nullptr;
    QLineEdit* value = nullptr;
    QPushButton* colorButton = nullptr;
    QLineEdit* colorEdit = nullptr;
};

// Every control of the designer window that the code talks to, each as the
// widget it is. The window's template creates them and fills this once; it
// holds nothing but widget pointers (the template checks that it sets each
// exactly once).
struct DesignerControls {
    // Left column: device, element list, layout commands.
    QComboBox* deviceList = nullptr;
    ElementListView* elementList = nullptr;
    QLineEdit* counts = nullptr;
    QCheckBox* highlight = nullptr;
    QCheckBox* gradient = nullptr;
    QCheckBox* nightMode = nullptr;
    CAutoRepeatButton* up = nullptr;
    CAutoRepeatButton* down = nullptr;
    QComboBox* elementKind = nullptr;
    QPushButton* add = nullptr;
    QPushButton* clone = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* load = nullptr;
    QPushButton* append = nullptr;
    QPushButton* loadFromClipboard = nullptr;
    QPushButton* scaleToDevice = nullptr;
    QPushButton* refresh = nullptr;
    QPushButton* saveAs = nullptr;
    QPushButton* save = nullptr;
    QPushButton* copyToClipboard = nullptr;

    // Middle column, "Properties".
    QPushButton* gotoDynCol = nullptr;
    QPushButton* colorButton = nullptr;
    QLineEdit* colorEdit = nullptr;
    QCheckBox* dayNight = nullptr;
    NumberFieldControls x;
    NumberFieldControls y;
    NumberFieldControls x2;
    NumberFieldControls y2;
    NumberFieldControls radius;
    NumberFieldControls stroke;
    QCheckBox* fixedText = nullptr;
    QComboBox* valueType = nullptr;
    QComboBox* graphicKind = nullptr;
    QLineEdit* text = nullptr;
    QComboBox* font = nullptr;
    QComboBox* alignment = nullptr;
    NumberFieldControls nrValues;
    QCheckBox* maxOnly = nullptr;
    NumberFieldControls precision;
    QLineEdit* sampleText = nullptr;

    // Middle column, "Dynamic Colors".
    QPushButton* replaceColorButton = nullptr;
    QLineEdit* replaceColorEdit = nullptr;
    std::array<DynamicColorRowControls, DynamicColorRows> dcRows{};
    QCheckBox* invertColor = nullptr;

    // Right column: the three lines above the preview.
    QLineEdit* deviceSummary = nullptr;
    QLineEdit* paintTime = nullptr;
    QLineEdit* pointer = nullptr;
};

} // namespace zef
