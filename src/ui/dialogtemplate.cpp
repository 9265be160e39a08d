#include "dialogtemplate.h"

#include "cautorepeatbutton.h"
#include "elementlistview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <cmath>
#include <iterator>

namespace zef {

namespace {

// Drop-down lists are given their closed height; how far they open is the
// toolkit's business.
constexpr int ListHeight = 13;

// clang-format off
const ControlTemplate DesignerTemplate[] = {
    // Left column: device, elements, layout commands.
    {IdcStatic, ControlKind::GroupBox, "", 6, 0, 240, 534},
    {IdcStatic, ControlKind::GroupBox, "Devices", 12, 6, 228, 30},
    {IdcDeviceList, ControlKind::DropDownList, "", 18, 18, 216, ListHeight},
    {IdcStatic, ControlKind::GroupBox, "Elements", 12, 36, 228, 408},
    {IdcElementList, ControlKind::ElementList, "", 18, 48, 216, 312},
    {IdcCounts, ControlKind::ReadOnlyEdit, "", 18, 360, 216, 12},
    {IdcHighlight, ControlKind::CheckBox, "Highlight (red) selected element", 18, 374, 120, 10},
    {IdcGradient, ControlKind::CheckBox, "Show gradient on elements with dyn. colors", 18, 384, 156, 10},
    {IdcNightMode, ControlKind::CheckBox, "Show night mode", 18, 394, 102, 10},
    {IdcUp, ControlKind::RepeatButton, "Up", 192, 375, 42, 18},
    {IdcDown, ControlKind::RepeatButton, "Down", 192, 397, 42, 18},
    {IdcElementKind, ControlKind::DropDownList, "", 18, 405, 120, ListHeight},
    {IdcAdd, ControlKind::PushButton, "Add", 18, 420, 72, 18},
    {IdcClone, ControlKind::PushButton, "Clone", 96, 420, 72, 18},
    {IdcRemove, ControlKind::PushButton, "Remove", 174, 420, 60, 18},
    {IdcStatic, ControlKind::GroupBox, "Layout", 12, 444, 228, 84},
    {IdcLoad, ControlKind::PushButton, "Load", 18, 456, 36, 24},
    {IdcAppend, ControlKind::PushButton, "Append", 60, 456, 36, 24},
    {IdcLoadFromClipboard, ControlKind::PushButton, "Load from\nclipboard", 102, 456, 48, 24},
    {IdcScaleToDevice, ControlKind::PushButton, "Scale to\ndevice", 156, 456, 36, 24},
    {IdcRefresh, ControlKind::PushButton, "Refresh", 198, 456, 36, 24},
    {IdcSaveAs, ControlKind::PushButton, "Save as", 18, 485, 102, 18},
    {IdcSave, ControlKind::PushButton, "Save", 18, 504, 102, 18},
    {IdcCopyToClipboard, ControlKind::DefaultButton, "Copy to clipboard", 126, 486, 108, 36},

    // Middle column: the property panel.
    {IdcStatic, ControlKind::GroupBox, "", 252, 0, 174, 534},
    {IdcStatic, ControlKind::GroupBox, "Properties", 258, 6, 162, 300},
    {IdcGotoDynCol, ControlKind::PushButton, "Goto DynCol", 264, 18, 60, 12},
    {IdcColorButton, ControlKind::PushButton, "Color", 327, 18, 24, 12},
    {IdcColorEdit, ControlKind::Edit, "", 354, 18, 36, 12},
    {IdcDayNight, ControlKind::CheckBox, "Enable day/night switching", 264, 30, 150, 10},
    {IdcStatic, ControlKind::Label, "X ", 264, 42, 60, 12},
    {IdcXMinus, ControlKind::RepeatButton, "-", 330, 42, 18, 12},
    {IdcX, ControlKind::NumberEdit, "", 354, 42, 36, 12},
    {IdcXPlus, ControlKind::RepeatButton, "+", 396, 42, 18, 12},
    {IdcStatic, ControlKind::Label, "Y ", 264, 60, 60, 12},
    {IdcYMinus, ControlKind::RepeatButton, "-", 330, 60, 18, 12},
    {IdcY, ControlKind::NumberEdit, "", 354, 60, 36, 12},
    {IdcYPlus, ControlKind::RepeatButton, "+", 396, 60, 18, 12},
    {IdcLabelX2, ControlKind::Label, "X2 ", 264, 78, 60, 12},
    {IdcX2Minus, ControlKind::RepeatButton, "-", 330, 78, 18, 12},
    {IdcX2, ControlKind::NumberEdit, "", 354, 78, 36, 12},
    {IdcX2Plus, ControlKind::RepeatButton, "+", 396, 78, 18, 12},
    {IdcLabelY2, ControlKind::Label, "Y2 ", 264, 96, 60, 12},
    {IdcY2Minus, ControlKind::RepeatButton, "-", 330, 96, 18, 12},
    {IdcY2, ControlKind::NumberEdit, "", 354, 96, 36, 12},
    {IdcY2Plus, ControlKind::RepeatButton, "+", 396, 96, 18, 12},
    {IdcLabelRadius, ControlKind::Label, "Radius ", 264, 114, 60, 12},
    {IdcRadiusMinus, ControlKind::RepeatButton, "-", 330, 114, 18, 12},
    {IdcRadius, ControlKind::NumberEdit, "", 354, 114, 36, 12},
    {IdcRadiusPlus, ControlKind::RepeatButton, "+", 396, 114, 18, 12},
    {IdcStatic, ControlKind::Label, "Stroke ", 264, 132, 60, 12},
    {IdcStrokeMinus, ControlKind::RepeatButton, "-", 330, 132, 18, 12},
    {IdcStroke, ControlKind::NumberEdit, "", 354, 132, 36, 12},
    {IdcStrokePlus, ControlKind::RepeatButton, "+", 396, 132, 18, 12},
    {IdcStatic, ControlKind::Label, "Valuetype ", 264, 149, 60, 12},
    {IdcFixedText, ControlKind::CheckBox, "Fixed text", 326, 150, 88, 10},
    {IdcValueType, ControlKind::DropDownList, "", 264, 164, 150, ListHeight},
    {IdcStatic, ControlKind::Label, "Graphictype ", 264, 180, 60, 12},
    {IdcGraphicKind, ControlKind::DropDownList, "", 330, 180, 84, ListHeight},
    {IdcStatic, ControlKind::Label, "Text ", 264, 198, 60, 12},
    {IdcText, ControlKind::Edit, "", 330, 198, 84, 12},
    {IdcStatic, ControlKind::Label, "Font ", 264, 216, 60, 12},
    {IdcFont, ControlKind::DropDownList, "", 330, 216, 84, ListHeight},
    {IdcStatic, ControlKind::Label, "H Alignment ", 264, 234, 60, 12},
    {IdcAlignment, ControlKind::DropDownList, "", 330, 234, 84, ListHeight},
    {IdcStatic, ControlKind::Label, "Nr of Values ", 264, 249, 60, 12},
    {IdcNrValuesMinus, ControlKind::RepeatButton, "-", 330, 249, 18, 12},
    {IdcNrValues, ControlKind::ReadOnlyEdit, "", 354, 249, 36, 12},
    {IdcNrValuesPlus, ControlKind::RepeatButton, "+", 396, 249, 18, 12},
    {IdcMaxOnly, ControlKind::CheckBox, "Display max. value only", 264, 263, 149, 10},
    {IdcStatic, ControlKind::Label, "Precision ", 264, 274, 60, 12},
    {IdcPrecisionMinus, ControlKind::RepeatButton, "-", 330, 274, 18, 12},
    {IdcPrecision, ControlKind::ReadOnlyEdit, "", 354, 274, 36, 12},
    {IdcPrecisionPlus, ControlKind::RepeatButton, "+", 396, 274, 18, 12},
    {IdcStatic, ControlKind::Label, "Sample text ", 264, 289, 60, 12},
    {IdcSampleText, ControlKind::Edit, "", 330, 289, 84, 12},

    {IdcStatic, ControlKind::GroupBox, "Dynamic Colors", 258, 306, 162, 222},
    {IdcReplaceColorButton, ControlKind::PushButton, "Color to replace", 264, 316, 102, 12},
    {IdcReplaceColorEdit, ControlKind::Edit, "", 372, 316, 42, 12},
    {IdcStatic, ControlKind::Caption, "B", 264, 330, 8, 8},
    {IdcStatic, ControlKind::Caption, "H", 276, 330, 8, 8},
    {IdcStatic, ControlKind::Caption, "Value (*10)", 288, 330, 40, 8},
    {IdcStatic, ControlKind::Caption, "Colorvalues", 330, 329, 48, 8},
    // Each row: B, H, value, colour button, colour edit.
    {1102, ControlKind::CheckBox, "", 264, 342, 8, 10},
    {1088, ControlKind::CheckBox, "", 276, 342, 8, 10},
    {1025, ControlKind::Edit, "", 288, 340, 30, 12},
    {1023, ControlKind::PushButton, "Color 1", 321, 340, 30, 12},
    {1024, ControlKind::Edit, "", 354, 341, 36, 12},
    {1103, ControlKind::CheckBox, "", 264, 360, 8, 10},
    {1089, ControlKind::CheckBox, "", 276, 360, 8, 10},
    {1028, ControlKind::Edit, "", 288, 359, 30, 12},
    {1026, ControlKind::PushButton, "Color 2", 321, 359, 30, 12},
    {1027, ControlKind::Edit, "", 354, 359, 36, 12},
    {1104, ControlKind::CheckBox, "", 264, 378, 8, 10},
    {1091, ControlKind::CheckBox, "", 276, 378, 8, 10},
    {1031, ControlKind::Edit, "", 288, 377, 30, 12},
    {1029, ControlKind::PushButton, "Color 3", 321, 377, 30, 12},
    {1030, ControlKind::Edit, "", 354, 377, 36, 12},
    {1105, ControlKind::CheckBox, "", 264, 396, 8, 10},
    {1092, ControlKind::CheckBox, "", 276, 396, 8, 10},
    {1034, ControlKind::Edit, "", 288, 394, 30, 12},
    {1032, ControlKind::PushButton, "Color 4", 321, 394, 30, 12},
    {1033, ControlKind::Edit, "", 354, 394, 36, 12},
    {1106, ControlKind::CheckBox, "", 264, 414, 8, 10},
    {1093, ControlKind::CheckBox, "", 276, 414, 8, 10},
    {1037, ControlKind::Edit, "", 288, 412, 30, 12},
    {1035, ControlKind::PushButton, "Color 5", 321, 412, 30, 12},
    {1036, ControlKind::Edit, "", 354, 412, 36, 12},
    {1107, ControlKind::CheckBox, "", 264, 432, 8, 10},
    {1094, ControlKind::CheckBox, "", 276, 432, 8, 10},
    {1040, ControlKind::Edit, "", 288, 431, 30, 12},
    {1038, ControlKind::PushButton, "Color 6", 321, 430, 30, 12},
    {1039, ControlKind::Edit, "", 354, 430, 36, 12},
    {1108, ControlKind::CheckBox, "", 264, 450, 8, 10},
    {1095, ControlKind::CheckBox, "", 276, 450, 8, 10},
    {1043, ControlKind::Edit, "", 288, 449, 30, 12},
    {1041, ControlKind::PushButton, "Color 7", 321, 447, 30, 12},
    {1042, ControlKind::Edit, "", 354, 447, 36, 12},
    {1109, ControlKind::CheckBox, "", 264, 468, 8, 10},
    {1097, ControlKind::CheckBox, "", 276, 468, 8, 10},
    {1046, ControlKind::Edit, "", 288, 466, 30, 12},
    {1044, ControlKind::PushButton, "Color 8", 321, 465, 30, 12},
    {1045, ControlKind::Edit, "", 354, 465, 36, 12},
    {1110, ControlKind::CheckBox, "", 264, 486, 8, 10},
    {1098, ControlKind::CheckBox, "", 276, 486, 8, 10},
    {1049, ControlKind::Edit, "", 288, 484, 30, 12},
    {1047, ControlKind::PushButton, "Color 9", 321, 484, 30, 12},
    {1048, ControlKind::Edit, "", 354, 484, 36, 12},
    {1111, ControlKind::CheckBox, "", 264, 504, 8, 10},
    {1099, ControlKind::CheckBox, "", 276, 504, 8, 10},
    {1052, ControlKind::Edit, "", 288, 503, 30, 12},
    {1050, ControlKind::PushButton, "Color 10", 321, 502, 30, 12},
    {1051, ControlKind::Edit, "", 354, 502, 36, 12},
    {IdcInvertColor, ControlKind::CheckBox, "Invert color order", 264, 516, 78, 10},

    // Right column: the preview, painted by the window, and its three lines.
    {IdcPreviewFrame, ControlKind::GroupBox, "", 432, 0, 372, 534},
    {IdcDeviceSummary, ControlKind::ReadOnlyEdit, "", 438, 6, 270, 12},
    {IdcPaintTime, ControlKind::ReadOnlyEdit, "", 708, 6, 48, 12},
    {IdcPointer, ControlKind::ReadOnlyEdit, "", 756, 6, 42, 12},
};
// clang-format on

int roundUnits(double value) {
    return static_cast<int>(std::lround(value));
}

// Group boxes as plain etched frames: the window paints the swatches and the
// preview under them, which the toolkit's tinted group box would cover.
class EtchedGroupBoxStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect.adjusted(0, 0, -1, -1);
        painter->save();
        painter->setPen(option->palette.color(QPalette::Mid));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        painter->setPen(option->palette.color(QPalette::Light));
        painter->drawRect(r.adjusted(1, 1, 0, 0));
        painter->restore();
    }
};

QStyle* groupBoxStyle(QWidget* parent) {
    // One per window; the window deletes it with its children (widgets hold
    // their style through a guarded pointer).
    static const char* const Name = "zefGroupBoxStyle";
    if (auto* style =
            parent->findChild<QStyle*>(QString::fromLatin1(Name), Qt::FindDirectChildrenOnly))
        return style;
    auto* style = new EtchedGroupBoxStyle;
    style->setObjectName(QString::fromLatin1(Name));
    style->setParent(parent);
    return style;
}

QWidget* createControl(const ControlTemplate& t, QWidget* parent) {
    const QString caption = QString::fromUtf8(t.caption);
    switch (t.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(caption, parent);
        box->setStyle(groupBoxStyle(parent));
        // Frames only: the mouse over them belongs to the window (the preview).
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Caption: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->setMaxVisibleItems(20);
        return combo;
    }
    case ControlKind::ElementList:
        return new ElementListView(parent);
    case ControlKind::Edit:
        return new QLineEdit(caption, parent);
    case ControlKind::NumberEdit: {
        auto* edit = new QLineEdit(caption, parent);
        // Typing accepts digits only; the "-" buttons reach negative numbers.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        return edit;
    }
    case ControlKind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(caption, parent);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        return edit;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(caption, parent);
        button->setDefault(true);
        return button;
    }
    case ControlKind::RepeatButton: {
        auto* button = new CAutoRepeatButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

} // namespace

std::span<const ControlTemplate> designerTemplate() {
    return DesignerTemplate;
}

QRect dialogUnitsToPixels(int left, int top, int width, int height) {
    const int x0 = roundUnits(left * DialogUnitX);
    const int y0 = roundUnits(top * DialogUnitY);
    const int x1 = roundUnits((left + width) * DialogUnitX);
    const int y1 = roundUnits((top + height) * DialogUnitY);
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void DialogControls::create(QWidget* parent, std::span<const ControlTemplate> controls) {
    for (const ControlTemplate& t : controls) {
        QWidget* w = createControl(t, parent);
        QRect r = dialogUnitsToPixels(t.left, t.top, t.width, t.height);
        if (t.kind == ControlKind::CheckBox && *t.caption == '\0') {
            // A check box without caption is just its indicator: never clip it.
            const int indicator = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w);
            r.setWidth(std::max(r.width(), indicator + 2));
        }
        w->setGeometry(r);
        if (t.id != IdcStatic) {
            w->setObjectName(QStringLiteral("idc%1").arg(t.id));
            m_widgets[t.id] = w;
        }
    }
}

QWidget* DialogControls::widget(int id) const {
    const auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

} // namespace zef
