// The property panel driven through the real window: what each kind and
// graphic kind enables and how the labels read, every handler, the "-"/"+"
// limits, the colour edits and pickers, and the dynamic-colour rows.

#include "windowtestsupport.h"

#include "ui/cautorepeatbutton.h"
#include "ui/listitemtext.h"
#include "ui/propertypanel.h"

#include <QPushButton>

#include <set>

namespace zef::test {
namespace {

using Widgets = std::set<const QWidget*>;

Widgets operator+(Widgets a, const Widgets& b) {
    a.insert(b.begin(), b.end());
    return a;
}
Widgets operator-(Widgets a, const Widgets& b) {
    for (const QWidget* w : b) a.erase(w);
    return a;
}
Widgets all(const NumberFieldControls& f) {
    return {f.edit, f.minus, f.plus};
}
Widgets all(const DynamicColorRowControls& r) {
    return {r.value, r.colorEdit, r.colorButton, r.hide, r.blink};
}

// Every control of the panel whose enabling the kinds decide, with a name for
// the messages.
std::vector<std::pair<std::string, const QWidget*>> panelControls(const DesignerControls& ui) {
    std::vector<std::pair<std::string, const QWidget*>> named = {
        {"colour edit", ui.colorEdit},
        {"Color", ui.colorButton},
        {"Goto DynCol", ui.gotoDynCol},
        {"day/night", ui.dayNight},
        {"fixed text", ui.fixedText},
        {"value types", ui.valueType},
        {"graphic kinds", ui.graphicKind},
        {"Text", ui.text},
        {"fonts", ui.font},
        {"alignments", ui.alignment},
        {"max. only", ui.maxOnly},
        {"Sample text", ui.sampleText},
        {"Color to replace", ui.replaceColorButton},
        {"replace-colour edit", ui.replaceColorEdit},
        {"invert", ui.invertColor},
    };
    const std::pair<const char*, const NumberFieldControls*> fields[] = {
        {"X", &ui.x},
        {"Y", &ui.y},
        {"X2", &ui.x2},
        {"Y2", &ui.y2},
        {"Radius", &ui.radius},
        {"Stroke", &ui.stroke},
        {"Nr of Values", &ui.nrValues},
        {"Precision", &ui.precision}};
    for (const auto& [name, f] : fields) {
        named.emplace_back(std::string(name) + " edit", f->edit);
        named.emplace_back(std::string(name) + " -", f->minus);
        named.emplace_back(std::string(name) + " +", f->plus);
    }
    // Two of the dynamic-colour rows stand for all ten.
    for (const std::size_t row : {std::size_t{0}, std::size_t{9}}) {
        const DynamicColorRowControls& r = ui.dcRows[row];
        const std::string n = "row " + std::to_string(row + 1);
        named.insert(named.end(), {{n + " value", r.value},
                                   {n + " colour edit", r.colorEdit},
                                   {n + " colour button", r.colorButton},
                                   {n + " H", r.hide},
                                   {n + " B", r.blink}});
    }
    return named;
}

struct Labels {
    const char* x2;
    const char* y2;
    const char* radius;
    const char* maxOnly;
    const char* fixedText;
};
const Labels Plain{"X2 ", "Y2 ", "Radius ", "Display max. value only", "Fixed text"};

struct EnablingCase {
    const char* name;
    ElementKind kind;
    const char* graphicKind; // graphics: the entry chosen
    const char* valueType;   // values: the entry chosen
    bool fixed;              // ticks "Fixed text" after choosing
    Widgets enabled;
    Labels labels;
};

class PanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        chooseDevice("fenix 7");
    }
    void expectEnabled(const Widgets& expected) {
        for (const auto& [name, w] : panelControls(ui()))
            EXPECT_EQ(enabled(w), expected.count(w) > 0) << name;
    }
    void expectLabels(const Labels& l) {
        EXPECT_EQ(ui().x2.label->text(), QString::fromUtf8(l.x2));
        EXPECT_EQ(ui().y2.label->text(), QString::fromUtf8(l.y2));
        EXPECT_EQ(ui().radius.label->text(), QString::fromUtf8(l.radius));
        EXPECT_EQ(ui().maxOnly->text(), QString::fromUtf8(l.maxOnly));
        EXPECT_EQ(ui().fixedText->text(), QString::fromUtf8(l.fixedText));
    }
    // A value with the given value type, selected and shown.
    void addValue(const QString& valueType) {
        add(KindValue);
        choose(ui().valueType, valueType);
    }
    void addGraphic(const QString& graphicKind) {
        add(KindGraphic);
        choose(ui().graphicKind, graphicKind);
    }
    // Puts members in place as a loaded layout would and shows the element.
    template <typename Change> void setAndShow(Change change) {
        change(element());
        panel().showElement(&element());
    }
};

TEST_F(PanelTest, EnablingAndLabelsFollowKindAndGraphicKind) {
    const DesignerControls& c = ui();
    const Widgets ValueControls =
        Widgets{c.colorEdit, c.colorButton, c.dayNight,  c.fixedText, c.valueType,
                c.text,      c.font,        c.alignment, c.maxOnly,   c.sampleText} +
        all(c.x) + all(c.y) + all(c.nrValues) + all(c.precision);
    const Widgets GraphicBase =
        Widgets{c.colorEdit,   c.colorButton, c.dayNight,       c.valueType,
                c.graphicKind, c.maxOnly,     c.nrValues.minus, c.nrValues.plus} +
        all(c.x) + all(c.y);
    const Widgets StrokeControls = all(c.stroke);
    const Widgets X2Controls = all(c.x2);
    const Widgets Y2Controls = all(c.y2);
    const Widgets RadiusControls = all(c.radius);
    const Widgets DynamicColorControls =
        Widgets{c.replaceColorButton, c.replaceColorEdit, c.invertColor} + all(c.dcRows[0]) +
        all(c.dcRows[9]);

    const Labels graph{"X2 ", "Y2 ", "Max value ", "Mark min/max values", "Limit is minimum value"};
    const Widgets graphEnabled = GraphicBase + StrokeControls + X2Controls + Y2Controls +
                                 RadiusControls + Widgets{c.fixedText} -
                                 Widgets{c.nrValues.minus, c.nrValues.plus};
    const EnablingCase cases[] = {
        {"value", KindValue, nullptr, "Current speed", false, ValueControls, Plain},
        {"fixed text", KindValue, nullptr, "Current speed", true,
         ValueControls - Widgets{c.nrValues.minus, c.nrValues.plus, c.precision.edit, c.sampleText},
         Plain},
        {"text value type: no sample text", KindValue, nullptr, "(M) Name of destination", false,
         ValueControls - Widgets{c.sampleText}, Plain},
        {"id 10 has a sample text", KindValue, nullptr, "Current date/time", false, ValueControls,
         Plain},
        {"no value type: neither text nor sample", KindValue, nullptr, "-- None --", false,
         ValueControls - Widgets{c.text, c.sampleText}, Plain},
        {"line", KindGraphic, "Line", nullptr, false,
         GraphicBase + StrokeControls + X2Controls + Y2Controls, Plain},
        {"rectangle", KindGraphic, "Rectangle", nullptr, false,
         GraphicBase + StrokeControls + X2Controls + Y2Controls, Plain},
        {"circle", KindGraphic, "Circle", nullptr, false,
         GraphicBase + StrokeControls + RadiusControls, Plain},
        {"circle filled", KindGraphic, "Circle filled", nullptr, false,
         GraphicBase + RadiusControls, Plain},
        {"rectangle filled", KindGraphic, "Rectangle filled", nullptr, false,
         GraphicBase + X2Controls + Y2Controls, Plain},
        {"horizontal bar", KindGraphic, "Rct hor. filled", nullptr, false,
         GraphicBase + X2Controls + Y2Controls, Plain},
        {"vertical bar", KindGraphic, "Rct vert. filled", nullptr, false,
         GraphicBase + X2Controls + Y2Controls, Plain},
        {"arc",
         KindGraphic,
         "Arc",
         nullptr,
         false,
         GraphicBase + StrokeControls + X2Controls + Y2Controls + RadiusControls,
         {"Start angle ", "End angle ", "Radius ", "Display max. value only", "Fixed text"}},
        {"arc dyn. filled",
         KindGraphic,
         "Arc dyn. filled",
         nullptr,
         false,
         GraphicBase + StrokeControls + X2Controls + Y2Controls + RadiusControls,
         {"Start angle ", "End angle ", "Radius ", "Display max. value only", "Fixed text"}},
        {"direction arrow",
         KindGraphic,
         "(H) Direction arrow",
         nullptr,
         false,
         GraphicBase + StrokeControls + Y2Controls + RadiusControls,
         {"X2 ", "-Y Offset ", "Radius ", "Display max. value only", "Fixed text"}},
        {"direction triangle",
         KindGraphic,
         "(H) Direction triangle",
         nullptr,
         false,
         GraphicBase + StrokeControls + Y2Controls + RadiusControls,
         {"X2 ", "-Y Offset ", "Radius ", "Display max. value only", "Fixed text"}},
        {"graph left/top", KindGraphic, "(H) Graph left/top", nullptr, false, graphEnabled, graph},
        {"graph right/top", KindGraphic, "(H) Graph right/top", nullptr, false, graphEnabled,
         graph},
        {"graph left/bottom", KindGraphic, "(H) Graph left/bottom", nullptr, false, graphEnabled,
         graph},
        {"graph right/bottom with minimum",
         KindGraphic,
         "(H) Graph right/bottom",
         nullptr,
         true,
         graphEnabled,
         {"X2 ", "Y2 ", "Min value ", "Mark min/max values", "Limit is minimum value"}},
        {"dynamic color", KindDynamicColor, nullptr, nullptr, false, DynamicColorControls, Plain},
        {"separator", KindSeparator, nullptr, nullptr, false, {c.text}, Plain},
    };
    for (const EnablingCase& test : cases) {
        SCOPED_TRACE(test.name);
        add(test.kind);
        if (test.graphicKind) choose(c.graphicKind, QString::fromUtf8(test.graphicKind));
        if (test.valueType) choose(c.valueType, QString::fromUtf8(test.valueType));
        if (test.fixed) click(c.fixedText);
        expectEnabled(test.enabled);
        expectLabels(test.labels);
        // Shown afresh (the element selected again) it looks the same.
        add(KindSeparator);
        clickRow(doc().selection() - 1);
        expectEnabled(test.enabled);
        expectLabels(test.labels);
    }
}

TEST_F(PanelTest, MaxOnlyNeedsAnMOrHDevice) {
    addValue(QStringLiteral("Current speed"));
    EXPECT_TRUE(enabled(ui().maxOnly));
    chooseDevice("D2 Bravo"); // 30 elements
    EXPECT_FALSE(enabled(ui().maxOnly));
    chooseDevice("vivoactive HR"); // 35
    EXPECT_TRUE(enabled(ui().maxOnly));
}

TEST_F(PanelTest, EditingAValueWritesEveryMember) {
    addValue(QStringLiteral("Current speed"));
    LayoutElement& e = element();
    EXPECT_EQ(e.text, QStringLiteral("$V"));
    EXPECT_EQ(e.sampleText, QStringLiteral("45.34"));
    type(ui().x.edit, QStringLiteral("2000"));
    type(ui().y.edit, QStringLiteral("40"));
    type(ui().colorEdit, QStringLiteral("FF8000"));
    type(ui().text, QStringLiteral("$V km/h"));
    type(ui().sampleText, QStringLiteral("12.5"));
    choose(ui().font, ui().font->itemText(2));
    choose(ui().alignment, QStringLiteral("Left"));
    click(ui().precision.plus);
    click(ui().precision.plus);
    click(ui().nrValues.plus);
    click(ui().dayNight);
    click(ui().maxOnly);
    EXPECT_EQ(e.x, 2000);
    EXPECT_EQ(e.y, 40);
    EXPECT_EQ(e.color, 0x0080FFu);
    EXPECT_EQ(dlg->renderer().viewState().swatchColor, 0x0080FFu);
    EXPECT_EQ(e.text, QStringLiteral("$V km/h"));
    EXPECT_EQ(e.sampleText, QStringLiteral("12.5"));
    EXPECT_EQ(e.font, ui().font->itemText(2));
    EXPECT_EQ(e.hAlignment, 2);
    EXPECT_EQ(e.precision, 2);
    EXPECT_EQ(ui().precision.edit->text(), QStringLiteral("2"));
    EXPECT_EQ(e.nrValues, 2);
    EXPECT_TRUE(e.dayNight);
    EXPECT_TRUE(e.maxOnly);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Current speed"));

    // Fixed text: the row tells its text.
    click(ui().fixedText);
    EXPECT_TRUE(e.fixedText);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Text: '$V km/h'"));
    EXPECT_EQ(rows().rowColor(0), 0u);
    type(ui().text, QStringLiteral("km/h"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Text: 'km/h'"));

    // Shown again, the panel reads back what was written.
    add(KindSeparator);
    clickRow(0);
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("2000"));
    EXPECT_EQ(ui().colorEdit->text(), QStringLiteral("FF8000"));
    EXPECT_EQ(ui().text->text(), QStringLiteral("km/h"));
    EXPECT_EQ(ui().alignment->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(ui().valueType->currentText(), QStringLiteral("Current speed"));
    EXPECT_TRUE(ui().fixedText->isChecked());
    EXPECT_TRUE(ui().dayNight->isChecked());
}

TEST_F(PanelTest, ShowingAnElementChangesNothingAndRecordsNoStep) {
    addValue(QStringLiteral("Current speed"));
    type(ui().x.edit, QStringLiteral("12"));
    add(KindGraphic);
    const ElementVector before = doc().elements();
    const int steps = doc().history().count();
    for (int i = 0; i < 3; ++i) {
        clickRow(0);
        clickRow(1);
    }
    EXPECT_TRUE(isSameLayout(doc().elements(), before));
    EXPECT_EQ(doc().history().count(), steps);
}

TEST_F(PanelTest, NumberEditsTakeDigitsOnly) {
    add(KindValue);
    type(ui().x.edit, QStringLiteral("1a2b3"));
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("123"));
    EXPECT_EQ(element().x, 123);
    type(ui().y.edit, QString());
    EXPECT_EQ(element().y, 0);
    // Negative numbers come from the "-" button; a number it shows still takes
    // digits only ("-5x7" stays "-57").
    type(ui().x.edit, QStringLiteral("0"));
    click(ui().x.minus);
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("-1"));
    QTest::keyClicks(ui().x.edit, QStringLiteral("x7"));
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("-17"));
    EXPECT_EQ(element().x, -17);
    type(ui().x.edit, QStringLiteral("-1"));
    const int start = element().x;
    auto* plus = ui().x.plus;
    ASSERT_NE(plus, nullptr);
    QTest::mousePress(plus, Qt::LeftButton, {}, plus->rect().center());
    for (int i = 0; i < 5; ++i) plus->repeatTick();
    QTest::mouseRelease(plus, Qt::LeftButton, {}, plus->rect().center());
    EXPECT_EQ(element().x, start + 5);
    EXPECT_EQ(ui().x.edit->text(), QString::number(start + 5));
}

TEST_F(PanelTest, GraphValuesFollowWidthAndStroke) {
    addGraphic(QStringLiteral("(H) Graph left/top"));
    setAndShow([](LayoutElement& e) {
        e.x = 10;
        e.x2 = 110;
        e.stroke = 4;
        e.nrValues = 7;
    });
    // Showing is not editing: the stored number stays until the width changes.
    EXPECT_EQ(element().nrValues, 7);
    EXPECT_EQ(ui().nrValues.edit->text(), QStringLiteral("7"));
    type(ui().y.edit, QStringLiteral("5"));
    EXPECT_EQ(element().nrValues, 25);
    EXPECT_EQ(ui().nrValues.edit->text(), QStringLiteral("25"));
    click(ui().stroke.plus); // 5
    EXPECT_EQ(element().nrValues, 20);
    type(ui().x2.edit, QStringLiteral("210"));
    EXPECT_EQ(element().nrValues, 40);

    // With x2 left of x the edits leave it alone, and so does showing.
    type(ui().x2.edit, QStringLiteral("0"));
    EXPECT_EQ(element().nrValues, 40);
    add(KindSeparator);
    clickRow(0);
    EXPECT_EQ(element().nrValues, 40);
    // Another graphic kind: no recomputing at all.
    choose(ui().graphicKind, QStringLiteral("Line"));
    type(ui().x2.edit, QStringLiteral("100"));
    EXPECT_EQ(element().nrValues, 40);
}

TEST_F(PanelTest, ValueTypeChangeRefillsTextUnlessFixed) {
    addValue(QStringLiteral("Current speed"));
    choose(ui().valueType, QStringLiteral("Timer time"));
    EXPECT_EQ(element().text, QStringLiteral("$H:$M:$S"));
    EXPECT_EQ(element().sampleText, QStringLiteral("4374"));
    EXPECT_EQ(ui().text->text(), QStringLiteral("$H:$M:$S"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FFFFFF  | Timer time"));
    // The Sample text edit shows the new sample; typing goes on from it.
    EXPECT_EQ(ui().sampleText->text(), QStringLiteral("4374"));
    ui().sampleText->setFocus();
    QTest::keyClick(ui().sampleText, Qt::Key_End);
    QTest::keyClick(ui().sampleText, Qt::Key_Backspace);
    EXPECT_EQ(element().sampleText, QStringLiteral("437"));
    // Shown with an empty sample, the element takes its value type's sample
    // and the edit shows it.
    setAndShow([](LayoutElement& e) { e.sampleText.clear(); });
    EXPECT_EQ(element().sampleText, QStringLiteral("4374"));
    EXPECT_EQ(ui().sampleText->text(), QStringLiteral("4374"));

    // A fixed text keeps its text and is warned about its value type.
    type(ui().text, QStringLiteral("Hello"));
    click(ui().fixedText);
    choose(ui().valueType, QStringLiteral("Current speed"));
    EXPECT_EQ(element().text, QStringLiteral("Hello"));
    const QString warning = QStringLiteral(
        "You will have to set a dynamic color to this element for the valuetype to take effect!");
    EXPECT_EQ(messages().count(warning), 1);
    choose(ui().valueType, QStringLiteral("-- None --"));
    EXPECT_EQ(messages().count(warning), 1);

    // With a dynamic colour for its colour (Add made it white), nothing is said.
    add(KindDynamicColor);
    type(ui().replaceColorEdit, QStringLiteral("FFFFFF"));
    clickRow(0);
    EXPECT_TRUE(enabled(ui().gotoDynCol));
    choose(ui().valueType, QStringLiteral("Current speed"));
    EXPECT_EQ(messages().count(warning), 1);
}

TEST_F(PanelTest, GraphicKindAndValueTypeShowInTheRow) {
    addGraphic(QStringLiteral("Rectangle"));
    choose(ui().valueType, QStringLiteral("(H) Watt per kg/pound"));
    type(ui().x.edit, QStringLiteral("5"));
    type(ui().x2.edit, QStringLiteral("50"));
    type(ui().y2.edit, QStringLiteral("60"));
    click(ui().stroke.plus);
    EXPECT_EQ(element().graphicKind(), GraphicKind::Rectangle);
    EXPECT_EQ(element().x, 5);
    EXPECT_EQ(element().x2, 50);
    EXPECT_EQ(element().y2, 60);
    EXPECT_EQ(element().stroke, 2);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FFFFFF  | Rectangle | Watt per kg/pound"));
}

TEST_F(PanelTest, ColourEditsAndPickers) {
    add(KindValue);
    // Fewer than six characters store nothing.
    const Bgr added = element().color;
    type(ui().colorEdit, QStringLiteral("FF80"));
    EXPECT_EQ(element().color, added);
    QTest::keyClicks(ui().colorEdit, QStringLiteral("00FF")); // at most six
    EXPECT_EQ(ui().colorEdit->text(), QStringLiteral("FF8000"));
    EXPECT_EQ(element().color, 0x0080FFu);

    // The picker starts at black; Cancel changes nothing.
    click(ui().colorButton);
    EXPECT_EQ(platform.colorDialogs, 1);
    EXPECT_EQ(element().color, 0x0080FFu);
    platform.colors.push_back(Bgr(0x00FF00));
    click(ui().colorButton);
    EXPECT_EQ(element().color, 0x00FF00u);
    EXPECT_EQ(ui().colorEdit->text(), QStringLiteral("00FF00"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00  | -- None --"));

    add(KindDynamicColor);
    EXPECT_EQ(ui().replaceColorEdit->text(), QStringLiteral("123456"));
    // The replace-colour edit reads whatever it holds; every row follows.
    type(ui().replaceColorEdit, QStringLiteral("12345"));
    EXPECT_EQ(element().replaceColor, 0x053412u);
    type(ui().replaceColorEdit, QStringLiteral("00FF00"));
    EXPECT_EQ(element().replaceColor, 0x00FF00u);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00 * | -- None --"));
    platform.colors.push_back(Bgr(0x0000FF));
    click(ui().replaceColorButton);
    EXPECT_EQ(element().replaceColor, 0x0000FFu);
    EXPECT_EQ(ui().replaceColorEdit->text(), QStringLiteral("FF0000"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00  | -- None --"));
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FF0000  | Vals: 0.0 - 0.0"));

    // A row's colour button fills its colour edit and swatch.
    type(ui().dcRows[0].value, QStringLiteral("150"));
    platform.colors.push_back(Bgr(0x123456));
    click(ui().dcRows[0].colorButton);
    EXPECT_EQ(ui().dcRows[0].colorEdit->text(), QStringLiteral("563412"));
    EXPECT_EQ(element().dcColor[0], 0x123456u);
    EXPECT_EQ(element().dcValue[0], 150);
    EXPECT_EQ(dlg->renderer().viewState().dcSwatchColors[0], 0x123456u);
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FF0000  | Vals: 15.0 - 0.0"));
}

TEST_F(PanelTest, DynamicColourRows) {
    add(KindDynamicColor);
    // Every row, the tenth too.
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowControls& controls = ui().dcRows[static_cast<std::size_t>(row)];
        type(controls.value, QString::number(100 * (row + 1)));
        type(controls.colorEdit, QStringLiteral("0000%1").arg(row, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(element().dcValue[row], 100 * (row + 1)) << row;
        EXPECT_EQ(element().dcColor[row], Bgr(row) << 16) << row;
    }
    EXPECT_EQ(rows().rowText(0), QStringLiteral("123456  | Vals: 10.0 - 100.0"));
    type(ui().dcRows[9].value, QString());
    EXPECT_EQ(element().dcValue[9], EmptyDcValue);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("123456  | Vals: 10.0 - 90.0"));

    // H disables the row's colour controls at once and whenever shown.
    click(ui().dcRows[1].hide);
    EXPECT_TRUE(element().dcHide[1]);
    EXPECT_FALSE(enabled(ui().dcRows[1].colorEdit));
    EXPECT_FALSE(enabled(ui().dcRows[1].colorButton));
    EXPECT_TRUE(enabled(ui().dcRows[0].colorEdit));
    click(ui().dcRows[1].blink);
    EXPECT_TRUE(element().dcBlink[1]);
    click(ui().invertColor);
    EXPECT_TRUE(element().invertColor);
    add(KindSeparator);
    clickRow(0);
    EXPECT_FALSE(enabled(ui().dcRows[1].colorEdit));
    EXPECT_FALSE(enabled(ui().dcRows[1].colorButton));
    EXPECT_TRUE(ui().dcRows[1].hide->isChecked());
    EXPECT_TRUE(ui().dcRows[1].blink->isChecked());
    EXPECT_TRUE(ui().invertColor->isChecked());
    EXPECT_TRUE(ui().dcRows[9].value->text().isEmpty());
    EXPECT_EQ(ui().dcRows[0].value->text(), QStringLiteral("100"));
    click(ui().dcRows[1].hide);
    EXPECT_TRUE(enabled(ui().dcRows[1].colorEdit));
}

TEST_F(PanelTest, GotoDynColSelectsTheDynamicColourOfTheElement) {
    add(KindValue);
    type(ui().colorEdit, QStringLiteral("ABCDEF"));
    EXPECT_FALSE(enabled(ui().gotoDynCol));
    add(KindDynamicColor);
    add(KindDynamicColor);
    type(ui().replaceColorEdit, QStringLiteral("ABCDEF"));
    add(KindGraphic);
    // A colour edit decides it at once, without selecting the element again.
    EXPECT_FALSE(enabled(ui().gotoDynCol));
    type(ui().colorEdit, QStringLiteral("ABCDEF"));
    EXPECT_TRUE(enabled(ui().gotoDynCol));
    platform.colors.push_back(Bgr(0x123456));
    click(ui().colorButton);
    EXPECT_FALSE(enabled(ui().gotoDynCol));
    clickRow(0);
    ASSERT_TRUE(enabled(ui().gotoDynCol));
    type(ui().colorEdit, QStringLiteral("ABCDEE"));
    EXPECT_FALSE(enabled(ui().gotoDynCol));
    type(ui().colorEdit, QStringLiteral("ABCDEF"));
    ASSERT_TRUE(enabled(ui().gotoDynCol));
    click(ui().gotoDynCol);
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_EQ(dlg->elementList().selectedRow(), 2);
    EXPECT_EQ(ui().replaceColorEdit->text(), QStringLiteral("ABCDEF"));
    EXPECT_TRUE(enabled(ui().replaceColorEdit));
}

TEST_F(PanelTest, SeparatorTextAndTheTextLimit) {
    add(KindSeparator);
    type(ui().text, QStringLiteral("=== laps ==="));
    EXPECT_EQ(element().text, QStringLiteral("=== laps ==="));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("=== laps ==="));
    // The config string's one-byte length carries 255 characters at most.
    type(ui().text, QString(300, QLatin1Char('x')));
    EXPECT_EQ(element().text.size(), 255);

    // A longer text read from a file is shown cut but kept whole, also when
    // the panel rewrites the Text edit outside of showing the element.
    add(KindValue);
    click(ui().fixedText);
    setAndShow([](LayoutElement& e) { e.text = QString(400, QLatin1Char('y')); });
    EXPECT_EQ(ui().text->text().size(), 255);
    choose(ui().valueType, QStringLiteral("-- None --"));
    EXPECT_EQ(element().text.size(), 400);
    QTest::keyClick(ui().text, Qt::Key_Backspace);
    EXPECT_EQ(element().text.size(), 254);
}

TEST_F(PanelTest, KeyboardPointsAndDayNightGoThroughThePanel) {
    addGraphic(QStringLiteral("Line"));
    panel().moveFirstPointTo(12, 34);
    panel().moveSecondPointTo(56, 78);
    EXPECT_EQ(element().x, 12);
    EXPECT_EQ(element().y, 34);
    EXPECT_EQ(element().x2, 56);
    EXPECT_EQ(element().y2, 78);
    EXPECT_EQ(ui().x2.edit->text(), QStringLiteral("56"));
    panel().toggleDayNight();
    EXPECT_TRUE(element().dayNight);
    EXPECT_TRUE(ui().dayNight->isChecked());
    // Shift+Left is the X2 "-" button.
    QTest::keyClick(ui().x.edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(element().x2, 55);
}

} // namespace
} // namespace zef::test
