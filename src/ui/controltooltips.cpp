#include "controltooltips.h"

#include "catalog/devicefonts.h"
#include "cautorepeatbutton.h"
#include "designercontrols.h"
#include "editorcommand.h"
#include "elementlistview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QStringList>

#include <cstdlib>
#include <utility>

namespace zef {

namespace {

QString keysOf(EditorCommand a, EditorCommand b) {
    return QStringLiteral("%1 / %2").arg(keysText(commandRow(a)), keysText(commandRow(b)));
}

QString fieldTip(const char* what, EditorCommand minus, EditorCommand plus) {
    return QStringLiteral("%1. Keys: %2 (\"-\" / \"+\")")
        .arg(QString::fromUtf8(what), keysOf(minus, plus));
}

// The keys that act in the element list, from the command table.
QString elementListKeys() {
    QStringList keys;
    for (const CommandRow& row : editorCommands())
        if (row.scope == KeyScope::ElementList && row.hasKeys())
            keys << QStringLiteral("%1 %2").arg(keysText(row), row.plainText().toLower());
    return keys.join(QStringLiteral(", "));
}

void setFieldTip(const NumberFieldControls& f, const QString& tip) {
    for (QWidget* w : std::initializer_list<QWidget*>{f.label, f.edit}) w->setToolTip(tip);
    f.minus->setToolTip(QStringLiteral("One less (repeats while held)"));
    f.plus->setToolTip(QStringLiteral("One more (repeats while held)"));
}

// The labels the template does not keep, by their text.
// clang-format off
const std::pair<const char*, const char*> LabelTips[] = {
    {"Valuetype ",   "The reading a value shows, or that drives a graphic (a bar's fill, an arc, a "
                     "graph). \"(M)\": offered from the mid device class up (35 elements), \"(H)\": "
                     "from the high class (500 elements)"},
    {"Graphictype ", "What a graphic draws; \"(H)\" kinds are offered on the high device class "
                     "(500 elements) only"},
    {"Text ",        "A fixed text, or the display pattern of a value ($V the reading, $H:$M:$S "
                     "times ...); a separator's caption"},
    {"Font ",        "The device font slot the value is drawn in; each entry tells its pixel size "
                     "on this device"},
    {"H Alignment ", "Which end of the text X is: Right, Center or Left"},
    {"Sample text ", "The reading the preview shows for this value"},
    {"B",            "B: blink. The row makes the element blink"},
    {"H",            "H: hide. The row hides the element (and so has no colour)"},
    {"Value (*10)",  "The row's threshold times ten: type 125 for 12.5; an empty box is an unused "
                     "row"},
    {"Colorvalues",  "The colour each row gives the element (RRGGBB in hexadecimal)"},
};
// clang-format on

} // namespace

void setControlToolTips(const DesignerControls& ui, QWidget* templateArea) {
    using C = EditorCommand;
    // clang-format off
    const std::pair<QWidget*, QString> tips[] = {
        {ui.deviceList,   QStringLiteral("The device the layout is for: its screen, fonts and element limit")},
        {ui.elementList,  QStringLiteral("The layout's elements, drawn in this order; \"*\" marks an "
                                         "element a dynamic colour recolours. Keys here: %1")
                              .arg(elementListKeys())},
        {ui.counts,       QStringLiteral("Values, graphics and dynamic colours in the layout (separators are not counted)")},
        {ui.elementKind,  QStringLiteral("The kind of element Add adds")},
        {ui.colorEdit,    QStringLiteral("The element's colour as RRGGBB in hexadecimal (6 digits)")},
        {ui.gotoDynCol,   QStringLiteral("Select the dynamic colour that recolours this element")},
        {ui.colorButton,  QStringLiteral("Choose the element's colour")},
        {ui.dayNight,     QStringLiteral("The element follows the device's day/night colours (key "
                                         "in the element list: %1)").arg(keysText(commandRow(C::ToggleDayNight)))},
        {ui.fixedText,    QStringLiteral("Fixed text: the value shows its Text instead of a reading. "
                                         "For a graph: the limit (Min value) is a minimum")},
        {ui.valueType,    QStringLiteral("The reading a value shows, or that drives a graphic. \"(M)\": offered "
                                         "from the mid device class up (35 elements), \"(H)\": from the high "
                                         "class (500 elements)")},
        {ui.graphicKind,  QStringLiteral("What a graphic draws; \"(H)\" kinds only on the high device class")},
        {ui.text,         QStringLiteral("A fixed text, or the display pattern of a value; at most 255 characters")},
        {ui.font,         QStringLiteral("The device font slot the value is drawn in; each entry tells its pixel size on this device")},
        {ui.alignment,    QStringLiteral("Which end of the text X is: Right, Center or Left")},
        {ui.maxOnly,      QStringLiteral("Show only the highest value (for a graph: mark its lowest and highest "
                                         "bars); offered from the mid device class up")},
        {ui.sampleText,   QStringLiteral("The reading the preview shows for this value")},
        {ui.replaceColorEdit,   QStringLiteral("The colour (RRGGBB) this dynamic colour replaces: every value or "
                                               "graphic of this colour takes the rows' colours")},
        {ui.replaceColorButton, QStringLiteral("Choose the colour this dynamic colour replaces")},
        {ui.invertColor,  QStringLiteral("Apply the rows from the highest threshold down")},
        {ui.deviceSummary, QStringLiteral("The device's screen size, memory and class (L, M or H)")},
        {ui.paintTime,    QStringLiteral("How long the last paint of the preview took")},
        {ui.pointer,      QStringLiteral("The pointer's position on the device screen, in screen pixels "
                                         "(Ctrl+Shift+A / Ctrl+Shift+Y move the points there)")},
        {ui.highlight,    QStringLiteral("Draw the selected element in red")},
        {ui.gradient,     QStringLiteral("Draw elements with dynamic colours in a gradient over their colours")},
        {ui.nightMode,    QStringLiteral("Show the layout as the device shows it at night")},
    };
    // clang-format on
    for (const auto& [widget, tip] : tips) widget->setToolTip(tip);

    setFieldTip(ui.x, fieldTip("X of the first point, in screen pixels from the left edge "
                               "(a value: the end of its text that H Alignment names)",
                               C::FirstPointLeft, C::FirstPointRight));
    setFieldTip(ui.y, fieldTip("Y of the first point, in screen pixels from the top edge",
                               C::FirstPointUp, C::FirstPointDown));
    setFieldTip(ui.x2, fieldTip("X2 of the second point in screen pixels; an arc's start angle in "
                                "degrees",
                                C::SecondPointLeft, C::SecondPointRight));
    setFieldTip(ui.y2, fieldTip("Y2 of the second point in screen pixels; an arc's end angle in "
                                "degrees; a direction mark's -Y offset in pixels",
                                C::SecondPointUp, C::SecondPointDown));
    setFieldTip(ui.radius, QStringLiteral("Radius in screen pixels; for a graph the limit value "
                                          "(Max value, or Min value), in the value's unit"));
    setFieldTip(ui.stroke, QStringLiteral("Line width in screen pixels; for a graph the pixels per "
                                          "bar (1 to 99)"));
    setFieldTip(ui.nrValues, QStringLiteral("Nr of Values (1 to 8190); a graph's number of bars, "
                                            "from its width and Stroke"));
    setFieldTip(ui.precision, QStringLiteral("Decimals shown (0 to 3)"));

    for (std::size_t i = 0; i < ui.dcRows.size(); ++i) {
        const DynamicColorRowControls& row = ui.dcRows[i];
        const int n = static_cast<int>(i) + 1;
        row.blink->setToolTip(QStringLiteral("B: row %1 makes the element blink").arg(n));
        row.hide->setToolTip(QStringLiteral("H: row %1 hides the element").arg(n));
        row.value->setToolTip(QStringLiteral("Row %1's threshold times ten (125 for 12.5); empty: "
                                             "the row is not used")
                                  .arg(n));
        row.colorButton->setToolTip(QStringLiteral("Choose row %1's colour").arg(n));
        row.colorEdit->setToolTip(QStringLiteral("Row %1's colour as RRGGBB").arg(n));
    }

    for (QLabel* label : templateArea->findChildren<QLabel*>()) {
        for (const auto& [caption, tip] : LabelTips)
            if (label->text() == QString::fromUtf8(caption) && label->toolTip().isEmpty())
                label->setToolTip(QString::fromUtf8(tip));
    }
}

void describeFontSlots(QComboBox* fontList, const DeviceInfo& device, const DeviceFonts& fonts) {
    for (int i = 0; i < fontList->count(); ++i) {
        const QString slot = fontList->itemText(i);
        const QString font = fonts.fontNameFor(device.name, slot);
        const PreviewFace face = fonts.faceFor(font);
        const QString tip =
            face.pixelSize > 0
                ? QStringLiteral("%1: the device font %2, %3 px high on this device")
                      .arg(slot, font)
                      .arg(face.pixelSize)
                : QStringLiteral("%1: the device font %2 (its size is not in the fonts file)")
                      .arg(slot, font);
        fontList->setItemData(i, tip, Qt::ToolTipRole);
    }
}

QString elementToolTip(const LayoutElement& e, const QString& rowText) {
    QString where;
    switch (e.kind) {
    case KindValue:
        where = QStringLiteral("At x %1, y %2; text %3 x %4 px as last drawn")
                    .arg(e.x)
                    .arg(e.y)
                    .arg(e.textWidth)
                    .arg(e.textHeight);
        break;
    case KindGraphic: {
        const GraphicKind kind = e.graphicKind();
        if (hasSecondPoint(kind))
            where = QStringLiteral("From x %1, y %2 to x %3, y %4: %5 x %6 px")
                        .arg(e.x)
                        .arg(e.y)
                        .arg(e.x2)
                        .arg(e.y2)
                        .arg(std::abs(e.x2 - e.x))
                        .arg(std::abs(e.y2 - e.y));
        else if (isArc(kind))
            where = QStringLiteral("Around x %1, y %2, radius %3 px, from %4° to %5°")
                        .arg(e.x)
                        .arg(e.y)
                        .arg(e.radius)
                        .arg(e.x2)
                        .arg(e.y2);
        else
            where =
                QStringLiteral("Around x %1, y %2, radius %3 px").arg(e.x).arg(e.y).arg(e.radius);
        break;
    }
    default:
        return rowText;
    }
    return rowText + QLatin1Char('\n') + where;
}

} // namespace zef
