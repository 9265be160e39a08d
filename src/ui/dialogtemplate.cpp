#include "dialogtemplate.h"

#include "cautorepeatbutton.h"
#include "elementlistview.h"

#include <QAbstractItemView>
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
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <cmath>

namespace zef {

namespace {

using C = DesignerControls;
using F = NumberFieldControls;
using R = DynamicColorRowControls;

// Drop-down lists are given their closed height; open, they show DropDownRows
// rows (TemplateStyle).
constexpr int ListHeight = 13;
constexpr int DropDownRows = 20;

// clang-format off
constexpr ControlTemplate LeftAndProperties[] = {
    // Left column: device, elements, layout commands.
    {ControlKind::GroupBox, "", 6, 0, 240, 534},
    {ControlKind::GroupBox, "Devices", 12, 6, 228, 30},
    {ControlKind::DropDownList, &C::deviceList, "", 18, 18, 216, ListHeight},
    {ControlKind::GroupBox, "Elements", 12, 36, 228, 408},
    {ControlKind::ElementList, &C::elementList, "", 18, 48, 216, 312},
    {ControlKind::ReadOnlyEdit, &C::counts, "", 18, 360, 216, 12},
    // These two are wide enough for their captions (short of the Up and Down
    // buttons' column).
    {ControlKind::CheckBox, &C::highlight, "Highlight (red) selected element", 18, 374, 122, 10},
    {ControlKind::CheckBox, &C::gradient, "Show gradient on elements with dyn. colors", 18, 384, 160, 10},
    {ControlKind::CheckBox, &C::nightMode, "Show night mode", 18, 394, 102, 10},
    {ControlKind::RepeatButton, &C::up, "Up", 192, 375, 42, 18},
    {ControlKind::RepeatButton, &C::down, "Down", 192, 397, 42, 18},
    {ControlKind::DropDownList, &C::elementKind, "", 18, 405, 120, ListHeight},
    {ControlKind::PushButton, &C::add, "Add", 18, 420, 72, 18},
    {ControlKind::PushButton, &C::clone, "Clone", 96, 420, 72, 18},
    {ControlKind::PushButton, &C::remove, "Remove", 174, 420, 60, 18},
    {ControlKind::GroupBox, "Layout", 12, 444, 228, 84},
    {ControlKind::PushButton, &C::load, "Load", 18, 456, 36, 24},
    {ControlKind::PushButton, &C::append, "Append", 60, 456, 36, 24},
    {ControlKind::PushButton, &C::loadFromClipboard, "Load from\nclipboard", 102, 456, 48, 24},
    {ControlKind::PushButton, &C::scaleToDevice, "Scale to\ndevice", 156, 456, 36, 24},
    {ControlKind::PushButton, &C::refresh, "Refresh", 198, 456, 36, 24},
    {ControlKind::PushButton, &C::saveAs, "Save as", 18, 485, 102, 18},
    {ControlKind::PushButton, &C::save, "Save", 18, 504, 102, 18},
    {ControlKind::PushButton, &C::copyToClipboard, "Copy to clipboard", 126, 486, 108, 36},

    // Middle column: the property panel.
    {ControlKind::GroupBox, "", 252, 0, 174, 534},
    {ControlKind::GroupBox, "Properties", 258, 6, 162, 300},
    {ControlKind::PushButton, &C::gotoDynCol, "Goto DynCol", 264, 18, 60, 12},
    {ControlKind::PushButton, &C::colorButton, "Color", 327, 18, 24, 12},
    {ControlKind::Edit, &C::colorEdit, "", 354, 18, 36, 12},
    {ControlKind::CheckBox, &C::dayNight, "Enable day/night switching", 264, 30, 150, 10},
    {ControlKind::Label, FieldSlot{&C::x, &F::label}, "X ", 264, 42, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::x, &F::minus}, "-", 330, 42, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::x, &F::edit}, "", 354, 42, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::x, &F::plus}, "+", 396, 42, 18, 12},
    {ControlKind::Label, FieldSlot{&C::y, &F::label}, "Y ", 264, 60, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::y, &F::minus}, "-", 330, 60, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::y, &F::edit}, "", 354, 60, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::y, &F::plus}, "+", 396, 60, 18, 12},
    {ControlKind::Label, FieldSlot{&C::x2, &F::label}, "X2 ", 264, 78, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::x2, &F::minus}, "-", 330, 78, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::x2, &F::edit}, "", 354, 78, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::x2, &F::plus}, "+", 396, 78, 18, 12},
    {ControlKind::Label, FieldSlot{&C::y2, &F::label}, "Y2 ", 264, 96, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::y2, &F::minus}, "-", 330, 96, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::y2, &F::edit}, "", 354, 96, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::y2, &F::plus}, "+", 396, 96, 18, 12},
    {ControlKind::Label, FieldSlot{&C::radius, &F::label}, "Radius ", 264, 114, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::radius, &F::minus}, "-", 330, 114, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::radius, &F::edit}, "", 354, 114, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::radius, &F::plus}, "+", 396, 114, 18, 12},
    {ControlKind::Label, FieldSlot{&C::stroke, &F::label}, "Stroke ", 264, 132, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::stroke, &F::minus}, "-", 330, 132, 18, 12},
    {ControlKind::NumberEdit, FieldSlot{&C::stroke, &F::edit}, "", 354, 132, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::stroke, &F::plus}, "+", 396, 132, 18, 12},
    {ControlKind::Label, "Valuetype ", 264, 149, 60, 12},
    // Wide enough for "Limit is minimum value" (to the group's inside edge).
    {ControlKind::CheckBox, &C::fixedText, "Fixed text", 326, 150, 93, 10},
    {ControlKind::DropDownList, &C::valueType, "", 264, 164, 150, ListHeight},
    {ControlKind::Label, "Graphictype ", 264, 180, 60, 12},
    // Wide enough for "(H) Graph right/bottom": starts where "Fixed text" does.
    {ControlKind::DropDownList, &C::graphicKind, "", 326, 180, 92, ListHeight},
    {ControlKind::Label, "Text ", 264, 198, 60, 12},
    {ControlKind::Edit, &C::text, "", 330, 198, 84, 12},
    {ControlKind::Label, "Font ", 264, 216, 60, 12},
    {ControlKind::DropDownList, &C::font, "", 330, 216, 84, ListHeight},
    {ControlKind::Label, "H Alignment ", 264, 234, 60, 12},
    {ControlKind::DropDownList, &C::alignment, "", 330, 234, 84, ListHeight},
    {ControlKind::Label, FieldSlot{&C::nrValues, &F::label}, "Nr of Values ", 264, 249, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::nrValues, &F::minus}, "-", 330, 249, 18, 12},
    {ControlKind::ReadOnlyEdit, FieldSlot{&C::nrValues, &F::edit}, "", 354, 249, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::nrValues, &F::plus}, "+", 396, 249, 18, 12},
    {ControlKind::CheckBox, &C::maxOnly, "Display max. value only", 264, 263, 149, 10},
    {ControlKind::Label, FieldSlot{&C::precision, &F::label}, "Precision ", 264, 274, 60, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::precision, &F::minus}, "-", 330, 274, 18, 12},
    {ControlKind::ReadOnlyEdit, FieldSlot{&C::precision, &F::edit}, "", 354, 274, 36, 12},
    {ControlKind::RepeatButton, FieldSlot{&C::precision, &F::plus}, "+", 396, 274, 18, 12},
    {ControlKind::Label, "Sample text ", 264, 289, 60, 12},
    {ControlKind::Edit, &C::sampleText, "", 330, 289, 84, 12},

    {ControlKind::GroupBox, "Dynamic Colors", 258, 306, 162, 222},
    {ControlKind::PushButton, &C::replaceColorButton, "Color to replace", 264, 316, 102, 12},
    {ControlKind::Edit, &C::replaceColorEdit, "", 372, 316, 42, 12},
    {ControlKind::Caption, "B", 264, 330, 8, 8},
    {ControlKind::Caption, "H", 276, 330, 8, 8},
    {ControlKind::Caption, "Value (*10)", 288, 330, 40, 8},
    {ControlKind::Caption, "Colorvalues", 330, 329, 48, 8},
    // Then the ten dynamic-colour rows (DynamicColorRowPlaces).
};

// The rows of "Dynamic Colors": the caption of the colour button and the tops
// of the row's controls, which do not all step evenly.
struct DynamicColorRowPlace {
    const char* colorButton;
    int checkBoxTop;  // B and H
    int valueTop;
    int colorButtonTop;
    int colorEditTop;
};
constexpr DynamicColorRowPlace DynamicColorRowPlaces[DynamicColorRows] = {
    {"Color 1",  342, 340, 340, 341},
    {"Color 2",  360, 359, 359, 359},
    {"Color 3",  378, 377, 377, 377},
    {"Color 4",  396, 394, 394, 394},
    {"Color 5",  414, 412, 412, 412},
    {"Color 6",  432, 431, 430, 430},
    {"Color 7",  450, 449, 447, 447},
    {"Color 8",  468, 466, 465, 465},
    {"Color 9",  486, 484, 484, 484},
    {"Color 10", 504, 503, 502, 502},
};

constexpr ControlTemplate AfterDynamicColorRows[] = {
    {ControlKind::CheckBox, &C::invertColor, "Invert color order", 264, 516, 78, 10},

    // Right column: the preview, painted by the window, and its three lines.
    {ControlKind::GroupBox, "", 432, 0, 372, 534},
    {ControlKind::ReadOnlyEdit, &C::deviceSummary, "", 438, 6, 270, 12},
    {ControlKind::ReadOnlyEdit, &C::paintTime, "", 708, 6, 48, 12},
    {ControlKind::ReadOnlyEdit, &C::pointer, "", 756, 6, 42, 12},
};
// clang-format on

// Each row: B, H, value, colour button, colour edit.
consteval auto dynamicColorRows() {
    using K = ControlKind;
    std::array<ControlTemplate, 5 * DynamicColorRows> rows;
    auto next = rows.begin();
    for (std::size_t row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowPlace& p = DynamicColorRowPlaces[row];
        const auto part = [row](auto member) { return RowSlot{row, member}; };
        // clang-format off
        *next++ = {K::CheckBox,   part(&R::blink),       "",            264, p.checkBoxTop,    8,  10};
        *next++ = {K::CheckBox,   part(&R::hide),        "",            276, p.checkBoxTop,    8,  10};
        *next++ = {K::Edit,       part(&R::value),       "",            288, p.valueTop,       30, 12};
        *next++ = {K::PushButton, part(&R::colorButton), p.colorButton, 321, p.colorButtonTop, 30, 12};
        *next++ = {K::Edit,       part(&R::colorEdit),   "",            354, p.colorEditTop,   36, 12};
        // clang-format on
    }
    return rows;
}

template <std::size_t... N> consteval auto joined(const std::array<ControlTemplate, N>&... parts) {
    std::array<ControlTemplate, (N + ...)> all;
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

constexpr auto DesignerTemplate = joined(std::to_array(LeftAndProperties), dynamicColorRows(),
                                         std::to_array(AfterDynamicColorRows));

// Every member of DesignerControls (which holds only widget pointers) comes
// from exactly one control of the template.
consteval bool keepsEveryControlOnce(std::span<const ControlTemplate> controls) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (std::holds_alternative<std::monostate>(controls[i].slot)) continue;
        ++kept;
        for (std::size_t j = 0; j < i; ++j)
            if (controls[j].slot == controls[i].slot) return false;
    }
    // The struct holds nothing but widget pointers.
    return kept ==
           sizeof(DesignerControls) / sizeof(QWidget*); // NOLINT(bugprone-sizeof-expression)
}
static_assert(keepsEveryControlOnce(DesignerTemplate),
              "every widget of DesignerControls must be kept by exactly one template row");

int roundUnits(double value) {
    return static_cast<int>(std::lround(value));
}

// The look of the template's frames and lists, on top of the application's
// style:
// - group boxes are plain etched frames, their top line through the middle of
//   the caption, which is set in from the corner with a gap on either side
//   (the window paints the swatches and the preview under them, which the
//   toolkit's tinted group box would cover);
// - drop-down lists open as a list of DropDownRows rows that scrolls, as wide
//   as their longest entry (styles that open them as a menu cover the whole
//   screen with the 215 value types), and their arrow is narrow enough for the
//   longest entries of the narrow lists.
class TemplateStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_GroupBox) return groupBoxRect(option, sub);
        if (control == CC_ComboBox) return comboBoxRect(option, sub, widget);
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect label = groupBoxRect(option, SC_GroupBoxLabel);
        painter->save();
        if (!label.isEmpty()) painter->setClipRegion(QRegion(option->rect) - label);
        drawEtchedFrame(painter, groupBoxRect(option, SC_GroupBoxFrame), option->palette);
        painter->restore();
        if (!label.isEmpty())
            drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                         box->state & State_Enabled, box->text, QPalette::WindowText);
    }

private:
    static constexpr int CaptionIndent = 6; // from the frame's left edge
    static constexpr int CaptionGap = 3;    // between the caption and the broken line
    static constexpr int ArrowWidth = 14;

    static QRect groupBoxRect(const QStyleOptionComplex* option, SubControl sub) {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        const bool caption = box && !box->text.isEmpty();
        const int textHeight = caption ? option->fontMetrics.height() : 0;
        switch (sub) {
        case SC_GroupBoxFrame:
            return option->rect.adjusted(0, textHeight / 2, 0, 0);
        case SC_GroupBoxLabel:
            if (!caption) return {};
            return QRect(option->rect.left() + CaptionIndent, option->rect.top(),
                         option->fontMetrics.horizontalAdvance(box->text) + 2 * CaptionGap,
                         textHeight);
        case SC_GroupBoxContents:
            return option->rect.adjusted(2, textHeight + 2, -2, -2);
        default:
            return {};
        }
    }

    QRect comboBoxRect(const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const {
        QRect r = QProxyStyle::subControlRect(CC_ComboBox, option, sub, widget);
        const QRect arrow =
            QProxyStyle::subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget);
        const int spare = std::max(0, arrow.width() - ArrowWidth);
        switch (sub) {
        case SC_ComboBoxArrow:
            return r.adjusted(spare, 0, 0, 0);
        case SC_ComboBoxEditField:
            return r.adjusted(0, 0, spare, 0);
        case SC_ComboBoxListBoxPopup:
            if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
                const QAbstractItemView* view = combo->view();
                const int content = view->sizeHintForColumn(0) + 2 * view->frameWidth() +
                                    pixelMetric(PM_ScrollBarExtent, nullptr, view) + 4;
                r.setWidth(std::max(r.width(), content));
            }
            return r;
        default:
            return r;
        }
    }

    static void drawEtchedFrame(QPainter* painter, const QRect& rect, const QPalette& palette) {
        const QRect r = rect.adjusted(0, 0, -1, -1);
        painter->save();
        painter->setPen(palette.color(QPalette::Mid));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        painter->setPen(palette.color(QPalette::Light));
        painter->drawRect(r.adjusted(1, 1, 0, 0));
        painter->restore();
    }
};

QStyle* templateStyle(QWidget* parent) {
    // One per window; the window deletes it with its children (widgets hold
    // their style through a guarded pointer).
    static const char* const Name = "zefTemplateStyle";
    if (auto* style =
            parent->findChild<QStyle*>(QString::fromLatin1(Name), Qt::FindDirectChildrenOnly))
        return style;
    auto* style = new TemplateStyle;
    style->setObjectName(QString::fromLatin1(Name));
    style->setParent(parent);
    return style;
}

QString captionOf(const ControlTemplate& t) {
    return QString::fromUtf8(t.caption);
}

QLabel* newLabel(const ControlTemplate& t, QWidget* parent) {
    auto* label = new QLabel(captionOf(t), parent);
    label->setAlignment((t.kind == ControlKind::Caption ? Qt::AlignLeft : Qt::AlignRight) |
                        Qt::AlignVCenter);
    return label;
}

// A control nothing refers to: a frame or a label.
QWidget* newUnkeptControl(const ControlTemplate& t, QWidget* parent) {
    if (t.kind != ControlKind::GroupBox) return newLabel(t, parent);
    auto* box = new QGroupBox(captionOf(t), parent);
    box->setStyle(templateStyle(parent));
    // Frames only: the mouse over them belongs to the window (the preview).
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

// A kept control, made as the widget its place holds (the template has
// checked that its kind makes that widget).
template <typename W> W* newControl(const ControlTemplate& t, QWidget* parent);

template <> QLabel* newControl(const ControlTemplate& t, QWidget* parent) {
    return newLabel(t, parent);
}

template <> QComboBox* newControl(const ControlTemplate&, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setMaxVisibleItems(DropDownRows);
    combo->setStyle(templateStyle(parent));
    return combo;
}

template <> ElementListView* newControl(const ControlTemplate&, QWidget* parent) {
    return new ElementListView(parent);
}

template <> QLineEdit* newControl(const ControlTemplate& t, QWidget* parent) {
    auto* edit = new QLineEdit(captionOf(t), parent);
    if (t.kind == ControlKind::NumberEdit) {
        // Digits, after a minus sign in front: the "-" buttons and keys reach
        // negative numbers, and a shown number must be valid itself, or the
        // edit would take any typing after it ("-5x7").
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
    } else if (t.kind == ControlKind::ReadOnlyEdit) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    return edit;
}

template <> QCheckBox* newControl(const ControlTemplate& t, QWidget* parent) {
    return new QCheckBox(captionOf(t), parent);
}

template <> QPushButton* newControl(const ControlTemplate& t, QWidget* parent) {
    auto* button = new QPushButton(captionOf(t), parent);
    button->setAutoDefault(false);
    return button;
}

template <> CAutoRepeatButton* newControl(const ControlTemplate& t, QWidget* parent) {
    auto* button = new CAutoRepeatButton(captionOf(t), parent);
    button->setAutoDefault(false);
    return button;
}

// Makes the control of one template row and keeps it where its slot says.
struct ControlMaker {
    const ControlTemplate& t;
    QWidget* parent;
    DesignerControls& controls;

    QWidget* operator()(std::monostate) const { return newUnkeptControl(t, parent); }
    template <typename S> QWidget* operator()(const S& slot) const {
        auto* widget = newControl<typename S::Widget>(t, parent);
        slot.in(controls) = widget;
        return widget;
    }
};

void place(QWidget* w, const ControlTemplate& t) {
    QRect r = dialogUnitsToPixels(t.left, t.top, t.width, t.height);
    if (t.kind == ControlKind::CheckBox && *t.caption == '\0') {
        // A check box without caption is just its indicator: never clip it.
        const int indicator = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w);
        r.setWidth(std::max(r.width(), indicator + 2));
    }
    w->setGeometry(r);
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

DesignerControls createDesignerControls(QWidget* parent) {
    DesignerControls controls;
    for (const ControlTemplate& t : designerTemplate())
        place(std::visit(ControlMaker{t, parent, controls}, t.slot), t);
    return controls;
}

} // namespace zef
