#pragma once

#include "designercontrols.h"

#include <QRect>

#include <cstddef>
#include <span>
#include <type_traits>
#include <variant>

class QWidget;

namespace zef {

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

// The widget a kind of control is made as; frames are never kept.
template <typename W> constexpr bool makesWidget(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox:
        return false;
    case ControlKind::Label:
    case ControlKind::Caption:
        return std::is_same_v<W, QLabel>;
    case ControlKind::DropDownList:
        return std::is_same_v<W, QComboBox>;
    case ControlKind::ElementList:
        return std::is_same_v<W, ElementListView>;
    case ControlKind::Edit:
    case ControlKind::NumberEdit:
    case ControlKind::ReadOnlyEdit:
        return std::is_same_v<W, QLineEdit>;
    case ControlKind::CheckBox:
        return std::is_same_v<W, QCheckBox>;
    case ControlKind::PushButton:
    case ControlKind::DefaultButton:
        return std::is_same_v<W, QPushButton>;
    case ControlKind::RepeatButton:
        return std::is_same_v<W, CAutoRepeatButton>;
    }
    return false;
}

// Where the window keeps a control: a member of DesignerControls, a part of
// one of its number fields, or a part of one of its dynamic-colour rows.
template <typename W> struct Slot {
    using Widget = W;
    W* DesignerControls::*member;

    W*& in(DesignerControls& controls) const { return controls.*member; }
    bool operator==(const Slot&) const = default;
};
template <typename W> struct FieldSlot {
    using Widget = W;
    NumberFieldControls DesignerControls::*field;
    W* NumberFieldControls::*part;

    W*& in(DesignerControls& controls) const { return (controls.*field).*part; }
    bool operator==(const FieldSlot&) const = default;
};
template <typename W> struct RowSlot {
    using Widget = W;
    std::size_t row;
    W* DynamicColorRowControls::*part;

    W*& in(DesignerControls& controls) const { return controls.dcRows[row].*part; }
    bool operator==(const RowSlot&) const = default;
};

// Deduction guides: aggregate deduction is not there in every compiler yet.
template <typename W> Slot(W* DesignerControls::*) -> Slot<W>;
template <typename W>
FieldSlot(NumberFieldControls DesignerControls::*, W* NumberFieldControls::*) -> FieldSlot<W>;
template <typename W> RowSlot(std::size_t, W* DynamicColorRowControls::*) -> RowSlot<W>;

template <typename... W>
using SlotOf = std::variant<std::monostate, Slot<W>..., FieldSlot<W>..., RowSlot<W>...>;
// std::monostate: a frame or label that nothing refers to.
using ControlSlot = SlotOf<QLabel, QComboBox, ElementListView, QLineEdit, QCheckBox, QPushButton,
                           CAutoRepeatButton>;

// Called only while building the template, where it stops the compiler: a row
// keeps a control as a widget its kind does not make, or names no place for a
// control that must be kept.
void controlKindDoesNotMakeTheKeptWidget();
void controlKindNeedsAPlace();

// One control of the window template: its place in DesignerControls, its
// caption and its rectangle in dialog units. Rows are checked as they are
// written: a kind that makes another widget than its place holds does not
// compile.
struct ControlTemplate {
    ControlKind kind = ControlKind::GroupBox;
    ControlSlot slot;
    const char* caption = ""; // UTF-8
    int left = 0, top = 0, width = 0, height = 0;

    constexpr ControlTemplate() = default;

    // A frame or label that stays as it is.
    consteval ControlTemplate(ControlKind kind, const char* caption, int left, int top, int width,
                              int height)
        : kind(kind), caption(caption), left(left), top(top), width(width), height(height) {
        if (kind != ControlKind::GroupBox && kind != ControlKind::Label &&
            kind != ControlKind::Caption)
            controlKindNeedsAPlace();
    }
    // A control kept in DesignerControls.
    template <typename S>
    consteval ControlTemplate(ControlKind kind, S slot, const char* caption, int left, int top,
                              int width, int height)
        : kind(kind), slot(slot), caption(caption), left(left), top(top), width(width),
          height(height) {
        if (!makesWidget<typename S::Widget>(kind)) controlKindDoesNotMakeTheKeptWidget();
    }
    template <typename W>
    consteval ControlTemplate(ControlKind kind, W* DesignerControls::*member, const char* caption,
                              int left, int top, int width, int height)
        : ControlTemplate(kind, Slot<W>{member}, caption, left, top, width, height) {}
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

// Creates every control of the template as a child of parent, in the
// template's order, and returns the ones the window keeps.
DesignerControls createDesignerControls(QWidget* parent);

} // namespace zef
