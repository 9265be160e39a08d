#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <map>
#include <span>

class QWidget;

namespace zef {

// Control identifiers of the designer window.
enum ControlId : int {
    IdcStatic = -1, // labels and frames that nothing refers to

    IdcDeviceList = 1001,
    IdcElementList = 1002,
    IdcElementKind = 1003,
    IdcLoad = 1004,
    IdcRemove = 1005,
    IdcAdd = 1006,
    IdcCopyToClipboard = 1007,
    IdcSave = 1008,
    IdcColorButton = 1009,
    IdcValueType = 1010,
    IdcFont = 1011,
    IdcX = 1012,
    IdcAlignment = 1013,
    IdcY = 1014,
    IdcStroke = 1015,
    IdcX2 = 1016,
    IdcY2 = 1017,
    IdcNrValues = 1018,
    IdcInvertColor = 1019,
    IdcColorEdit = 1020,
    IdcReplaceColorButton = 1021,
    IdcReplaceColorEdit = 1022,
    IdcText = 1053,
    IdcClone = 1054,
    IdcRadius = 1055,
    IdcDown = 1056,
    IdcUp = 1057,
    IdcXMinus = 1058,
    IdcYMinus = 1059,
    IdcX2Minus = 1060,
    IdcY2Minus = 1061,
    IdcRadiusMinus = 1062,
    IdcXPlus = 1063,
    IdcYPlus = 1064,
    IdcX2Plus = 1065,
    IdcY2Plus = 1066,
    IdcRadiusPlus = 1067,
    IdcStrokePlus = 1068,
    IdcNrValuesPlus = 1069,
    IdcStrokeMinus = 1070,
    IdcNrValuesMinus = 1071,
    IdcPrecision = 1072,
    IdcPrecisionMinus = 1073,
    IdcPrecisionPlus = 1074,
    IdcHighlight = 1075,
    IdcSaveAs = 1076,
    IdcGraphicKind = 1077,
    IdcAppend = 1078,
    IdcFixedText = 1079,
    IdcScaleToDevice = 1080,
    IdcGradient = 1081,
    IdcLabelX2 = 1082,
    IdcLabelY2 = 1083,
    IdcRefresh = 1084,
    IdcPreviewFrame = 1085,
    IdcSampleText = 1086,
    IdcPointer = 1087,
    IdcPaintTime = 1090,
    IdcDeviceSummary = 1096,
    IdcCounts = 1100,
    IdcGotoDynCol = 1101,
    IdcDayNight = 1112,
    IdcMaxOnly = 1113,
    IdcNightMode = 1114,
    IdcLabelRadius = 1115,
    IdcLoadFromClipboard = 1116,
};

// The dynamic-colour rows, row 0..9 (rows 1..10 on screen).
struct DynamicColorRowIds {
    int value;
    int colorEdit;
    int colorButton;
    int hide;
    int blink;
};
constexpr DynamicColorRowIds DynamicColorRowTable[10] = {
    {1025, 1024, 1023, 1088, 1102}, {1028, 1027, 1026, 1089, 1103}, {1031, 1030, 1029, 1091, 1104},
    {1034, 1033, 1032, 1092, 1105}, {1037, 1036, 1035, 1093, 1106}, {1040, 1039, 1038, 1094, 1107},
    {1043, 1042, 1041, 1095, 1108}, {1046, 1045, 1044, 1097, 1109}, {1049, 1048, 1047, 1098, 1110},
    {1052, 1051, 1050, 1099, 1111},
};

enum class ControlKind {
    GroupBox,
    Label,        // right-aligned static text
    Caption,      // left-aligned static text
    DropDownList, // non-editable combo box
    ElementList,  // the owner-drawn element list
    Edit,         // free text
    NumberEdit,   // digits only
    ReadOnlyEdit,
    CheckBox,
    PushButton,
    DefaultButton,
    RepeatButton, // auto-repeating push button
};

// One control of the window template: rectangle in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* caption; // UTF-8
    int left, top, width, height;
};

// The template of the designer window, in creation (tab) order.
std::span<const ControlTemplate> designerTemplate();

// Dialog units of the window's font in pixels: 1.5 across, 1.625 down.
constexpr double DialogUnitX = 1.5;
constexpr double DialogUnitY = 1.625;
constexpr int TemplateWidthUnits = 807;
constexpr int TemplateHeightUnits = 536;

// A rectangle in dialog units as client pixels (edges rounded separately, so
// that neighbouring controls never overlap nor leave a gap by rounding).
QRect dialogUnitsToPixels(int left, int top, int width, int height);

// The widgets made from a template, by id.
class DialogControls {
public:
    // Creates every control of the template as a child of parent.
    void create(QWidget* parent, std::span<const ControlTemplate> controls);

    QWidget* widget(int id) const;
    template <typename T> T* get(int id) const { return qobject_cast<T*>(widget(id)); }

    const std::map<int, QWidget*>& all() const { return m_widgets; }

private:
    std::map<int, QWidget*> m_widgets;
};

} // namespace zef
