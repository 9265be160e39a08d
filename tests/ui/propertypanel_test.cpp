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

// Every control of the panel whose enabling the kinds decide.
const int PanelControls[] = {
    IdcColorEdit,
    IdcColorButton,
    IdcGotoDynCol,
    IdcDayNight,
    IdcX,
    IdcXMinus,
    IdcXPlus,
    IdcY,
    IdcYMinus,
    IdcYPlus,
    IdcX2,
    IdcX2Minus,
    IdcX2Plus,
    IdcY2,
    IdcY2Minus,
    IdcY2Plus,
    IdcRadius,
    IdcRadiusMinus,
    IdcRadiusPlus,
    IdcStroke,
    IdcStrokeMinus,
    IdcStrokePlus,
    IdcFixedText,
    IdcValueType,
    IdcGraphicKind,
    IdcText,
    IdcFont,
    IdcAlignment,
    IdcNrValues,
    IdcNrValuesMinus,
    IdcNrValuesPlus,
    IdcMaxOnly,
    IdcPrecision,
    IdcPrecisionMinus,
    IdcPrecisionPlus,
    IdcSampleText,
    IdcReplaceColorButton,
    IdcReplaceColorEdit,
    IdcInvertColor,
    // Two of the dynamic-colour rows stand for all ten.
    1025,
    1024,
    1023,
    1088,
    1102,
    1052,
    1051,
    1050,
    1099,
    1111,
};

const std::set<int> ValueControls = {
    IdcColorEdit,     IdcColorButton, IdcDayNight,  IdcX,
    IdcXMinus,        IdcXPlus,       IdcY,         IdcYMinus,
    IdcYPlus,         IdcFixedText,   IdcValueType, IdcText,
    IdcFont,          IdcAlignment,   IdcNrValues,  IdcNrValuesMinus,
    IdcNrValuesPlus,  IdcMaxOnly,     IdcPrecision, IdcPrecisionMinus,
    IdcPrecisionPlus, IdcSampleText,
};
const std::set<int> GraphicBase = {
    IdcColorEdit,     IdcColorButton,  IdcDayNight,    IdcX,
    IdcXMinus,        IdcXPlus,        IdcY,           IdcYMinus,
    IdcYPlus,         IdcValueType,    IdcGraphicKind, IdcMaxOnly,
    IdcNrValuesMinus, IdcNrValuesPlus,
};
const std::set<int> StrokeControls = {IdcStroke, IdcStrokeMinus, IdcStrokePlus};
const std::set<int> X2Controls = {IdcX2, IdcX2Minus, IdcX2Plus};
const std::set<int> Y2Controls = {IdcY2, IdcY2Minus, IdcY2Plus};
const std::set<int> RadiusControls = {IdcRadius, IdcRadiusMinus, IdcRadiusPlus};
const std::set<int> DynamicColorControls = {IdcReplaceColorButton,
                                            IdcReplaceColorEdit,
                                            IdcInvertColor,
                                            1025,
                                            1024,
                                            1023,
                                            1088,
                                            1102,
                                            1052,
                                            1051,
                                            1050,
                                            1099,
                                            1111};

std::set<int> operator+(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}
std::set<int> operator-(std::set<int> a, const std::set<int>& b) {
    for (int id : b) a.erase(id);
    return a;
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
    bool fixed;              // ticks 1079 after choosing
    std::set<int> enabled;
    Labels labels;
};

class PanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        chooseDevice("fenix 7");
    }
    void expectEnabled(const std::set<int>& expected) {
        for (int id : PanelControls)
            EXPECT_EQ(enabled(id), expected.count(id) > 0) << "control " << id;
    }
    void expectLabels(const Labels& l) {
        EXPECT_EQ(labelText(IdcLabelX2), QString::fromUtf8(l.x2));
        EXPECT_EQ(labelText(IdcLabelY2), QString::fromUtf8(l.y2));
        EXPECT_EQ(labelText(IdcLabelRadius), QString::fromUtf8(l.radius));
        EXPECT_EQ(check(IdcMaxOnly)->text(), QString::fromUtf8(l.maxOnly));
        EXPECT_EQ(check(IdcFixedText)->text(), QString::fromUtf8(l.fixedText));
    }
    // A value with the given value type, selected and shown.
    void addValue(const QString& valueType) {
        add(KindValue);
        choose(IdcValueType, valueType);
    }
    void addGraphic(const QString& graphicKind) {
        add(KindGraphic);
        choose(IdcGraphicKind, graphicKind);
    }
    // Puts members in place as a loaded layout would and shows the element.
    template <typename Change> void setAndShow(Change change) {
        change(element());
        panel().showElement(&element());
    }
};

TEST_F(PanelTest, EnablingAndLabelsFollowKindAndGraphicKind) {
    const Labels graph{"X2 ", "Y2 ", "Max value ", "Mark min/max values", "Limit is minimum value"};
    const std::set<int> graphEnabled = GraphicBase + StrokeControls + X2Controls + Y2Controls +
                                       RadiusControls + std::set<int>{IdcFixedText} -
                                       std::set<int>{IdcNrValuesMinus, IdcNrValuesPlus};
    const EnablingCase cases[] = {
        {"value", KindValue, nullptr, "Current speed", false, ValueControls, Plain},
        {"fixed text", KindValue, nullptr, "Current speed", true,
         ValueControls -
             std::set<int>{IdcNrValuesMinus, IdcNrValuesPlus, IdcPrecision, IdcSampleText},
         Plain},
        {"text value type: no sample text", KindValue, nullptr, "(M) Name of destination", false,
         ValueControls - std::set<int>{IdcSampleText}, Plain},
        {"id 10 has a sample text", KindValue, nullptr, "Current date/time", false, ValueControls,
         Plain},
        {"no value type: neither text nor sample", KindValue, nullptr, "-- None --", false,
         ValueControls - std::set<int>{IdcText, IdcSampleText}, Plain},
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
        {"separator", KindSeparator, nullptr, nullptr, false, {IdcText}, Plain},
    };
    for (const EnablingCase& c : cases) {
        SCOPED_TRACE(c.name);
        add(c.kind);
        if (c.graphicKind) choose(IdcGraphicKind, QString::fromUtf8(c.graphicKind));
        if (c.valueType) choose(IdcValueType, QString::fromUtf8(c.valueType));
        if (c.fixed) click(IdcFixedText);
        expectEnabled(c.enabled);
        expectLabels(c.labels);
        // Shown afresh (the element selected again) it looks the same.
        add(KindSeparator);
        clickRow(doc().selection() - 1);
        expectEnabled(c.enabled);
        expectLabels(c.labels);
    }
}

TEST_F(PanelTest, MaxOnlyNeedsAnMOrHDevice) {
    addValue(QStringLiteral("Current speed"));
    EXPECT_TRUE(enabled(IdcMaxOnly));
    chooseDevice("D2 Bravo"); // 30 elements
    EXPECT_FALSE(enabled(IdcMaxOnly));
    chooseDevice("vivoactive HR"); // 35
    EXPECT_TRUE(enabled(IdcMaxOnly));
}

TEST_F(PanelTest, EditingAValueWritesEveryMember) {
    addValue(QStringLiteral("Current speed"));
    LayoutElement& e = element();
    EXPECT_EQ(e.text, QStringLiteral("$V"));
    EXPECT_EQ(e.sampleText, QStringLiteral("45.34"));
    type(IdcX, QStringLiteral("2000"));
    type(IdcY, QStringLiteral("40"));
    type(IdcColorEdit, QStringLiteral("FF8000"));
    type(IdcText, QStringLiteral("$V km/h"));
    type(IdcSampleText, QStringLiteral("12.5"));
    choose(IdcFont, combo(IdcFont)->itemText(2));
    choose(IdcAlignment, QStringLiteral("Left"));
    click(IdcPrecisionPlus);
    click(IdcPrecisionPlus);
    click(IdcNrValuesPlus);
    click(IdcDayNight);
    click(IdcMaxOnly);
    EXPECT_EQ(e.x, 2000);
    EXPECT_EQ(e.y, 40);
    EXPECT_EQ(e.color, 0x0080FFu);
    EXPECT_EQ(dlg->renderer().viewState().swatchColor, 0x0080FFu);
    EXPECT_EQ(e.text, QStringLiteral("$V km/h"));
    EXPECT_EQ(e.sampleText, QStringLiteral("12.5"));
    EXPECT_EQ(e.font, combo(IdcFont)->itemText(2));
    EXPECT_EQ(e.hAlignment, 2);
    EXPECT_EQ(e.precision, 2);
    EXPECT_EQ(edit(IdcPrecision)->text(), QStringLiteral("2"));
    EXPECT_EQ(e.nrValues, 2);
    EXPECT_TRUE(e.dayNight);
    EXPECT_TRUE(e.maxOnly);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Current speed"));

    // Fixed text: the row tells its text.
    click(IdcFixedText);
    EXPECT_TRUE(e.fixedText);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Text: '$V km/h'"));
    EXPECT_EQ(rows().rowColor(0), 0u);
    type(IdcText, QStringLiteral("km/h"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF8000  | Text: 'km/h'"));

    // Shown again, the panel reads back what was written.
    add(KindSeparator);
    clickRow(0);
    EXPECT_EQ(edit(IdcX)->text(), QStringLiteral("2000"));
    EXPECT_EQ(edit(IdcColorEdit)->text(), QStringLiteral("FF8000"));
    EXPECT_EQ(edit(IdcText)->text(), QStringLiteral("km/h"));
    EXPECT_EQ(combo(IdcAlignment)->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(combo(IdcValueType)->currentText(), QStringLiteral("Current speed"));
    EXPECT_TRUE(check(IdcFixedText)->isChecked());
    EXPECT_TRUE(check(IdcDayNight)->isChecked());
}

TEST_F(PanelTest, ShowingAnElementChangesNothingAndRecordsNoStep) {
    addValue(QStringLiteral("Current speed"));
    type(IdcX, QStringLiteral("12"));
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
    type(IdcX, QStringLiteral("-12a3"));
    EXPECT_EQ(edit(IdcX)->text(), QStringLiteral("123"));
    EXPECT_EQ(element().x, 123);
    type(IdcY, QString());
    EXPECT_EQ(element().y, 0);
    // Negative numbers come from the "-" button only.
    type(IdcX, QStringLiteral("0"));
    click(IdcXMinus);
    EXPECT_EQ(edit(IdcX)->text(), QStringLiteral("-1"));
    EXPECT_EQ(element().x, -1);
}

TEST(ParseDecimal, ReadsLikeTheCLibrary) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"", 0},
                 {"12", 12},
                 {"-50", -50},
                 {"+7", 7},
                 {"  42x", 42},
                 {"x42", 0},
                 {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    for (const auto& c : cases)
        EXPECT_EQ(parseDecimal(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ParseColorText, PairsInReverseOrderAsHexadecimal) {
    const struct {
        const char* text;
        Bgr color;
    } cases[] = {
        {"FF8000", 0x0080FF}, {"ff8000", 0x0080FF}, {"123456", 0x563412}, {"FF", 0x0000FF}, {"", 0},
        {"12345", 0x053412},  {"12G456", 0x56},     {"0000-1", 0xFF0000}};
    for (const auto& c : cases)
        EXPECT_EQ(parseColorText(QString::fromLatin1(c.text)), c.color) << c.text;
}

struct StepCase {
    const char* name;
    ElementKind kind;
    const char* graphicKind;
    std::int32_t LayoutElement::*member;
    std::int32_t start;
    int button;
    std::int32_t expected;
};

TEST_F(PanelTest, MinusAndPlusStopAtTheirLimits) {
    const StepCase cases[] = {
        {"X - at -49", KindValue, nullptr, &LayoutElement::x, -49, IdcXMinus, -50},
        {"X - at -50", KindValue, nullptr, &LayoutElement::x, -50, IdcXMinus, -50},
        {"X + at 973", KindValue, nullptr, &LayoutElement::x, 973, IdcXPlus, 973},
        {"Y + at 972", KindValue, nullptr, &LayoutElement::y, 972, IdcYPlus, 973},
        {"X2 - at -50", KindGraphic, "Line", &LayoutElement::x2, -50, IdcX2Minus, -50},
        {"Y2 + at 10", KindGraphic, "Line", &LayoutElement::y2, 10, IdcY2Plus, 11},
        {"stroke + at 98", KindGraphic, "Line", &LayoutElement::stroke, 98, IdcStrokePlus, 99},
        {"stroke + at 99", KindGraphic, "Line", &LayoutElement::stroke, 99, IdcStrokePlus, 99},
        {"stroke - at 1", KindGraphic, "Line", &LayoutElement::stroke, 1, IdcStrokeMinus, 1},
        {"radius + at 1023", KindGraphic, "Circle", &LayoutElement::radius, 1023, IdcRadiusPlus,
         1023},
        {"radius - at 0", KindGraphic, "Circle", &LayoutElement::radius, 0, IdcRadiusMinus, 0},
        {"radius - at 1", KindGraphic, "Circle", &LayoutElement::radius, 1, IdcRadiusMinus, 0},
        {"precision + at 3", KindValue, nullptr, &LayoutElement::precision, 3, IdcPrecisionPlus, 3},
        {"precision - at 0", KindValue, nullptr, &LayoutElement::precision, 0, IdcPrecisionMinus,
         0},
        {"values + at 8189", KindValue, nullptr, &LayoutElement::nrValues, 8189, IdcNrValuesPlus,
         8190},
        {"values + at 8190", KindValue, nullptr, &LayoutElement::nrValues, 8190, IdcNrValuesPlus,
         8190},
        {"values - at 1", KindValue, nullptr, &LayoutElement::nrValues, 1, IdcNrValuesMinus, 1},
        {"values - at 2", KindValue, nullptr, &LayoutElement::nrValues, 2, IdcNrValuesMinus, 1},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        add(c.kind);
        if (c.graphicKind) choose(IdcGraphicKind, QString::fromUtf8(c.graphicKind));
        setAndShow([&](LayoutElement& e) { e.*c.member = c.start; });
        ASSERT_TRUE(enabled(c.button));
        click(c.button);
        EXPECT_EQ(element().*c.member, c.expected);
    }
}

TEST_F(PanelTest, AHeldPlusButtonWalksTheValue) {
    add(KindValue);
    auto* plus = dlg->control<CAutoRepeatButton>(IdcXPlus);
    ASSERT_NE(plus, nullptr);
    QTest::mousePress(plus, Qt::LeftButton, {}, plus->rect().center());
    for (int i = 0; i < 5; ++i) plus->repeatTick();
    QTest::mouseRelease(plus, Qt::LeftButton, {}, plus->rect().center());
    EXPECT_EQ(element().x, 5);
    EXPECT_EQ(edit(IdcX)->text(), QStringLiteral("5"));
}

TEST_F(PanelTest, GraphValuesFollowWidthAndStroke) {
    addGraphic(QStringLiteral("(H) Graph left/top"));
    setAndShow([](LayoutElement& e) {
        e.x = 10;
        e.x2 = 110;
        e.stroke = 4;
    });
    EXPECT_EQ(element().nrValues, 25); // set when shown
    EXPECT_EQ(edit(IdcNrValues)->text(), QStringLiteral("25"));
    element().nrValues = 1;
    type(IdcY, QStringLiteral("5"));
    EXPECT_EQ(element().nrValues, 25);
    click(IdcStrokePlus); // 5
    EXPECT_EQ(element().nrValues, 20);
    type(IdcX2, QStringLiteral("210"));
    EXPECT_EQ(element().nrValues, 40);

    // With x2 left of x the edits leave it alone; showing sets it anyway.
    type(IdcX2, QStringLiteral("0"));
    EXPECT_EQ(element().nrValues, 40);
    add(KindSeparator);
    clickRow(0);
    EXPECT_EQ(element().nrValues, -2); // (0 - 10) / 5
    // Another graphic kind: no recomputing at all.
    choose(IdcGraphicKind, QStringLiteral("Line"));
    type(IdcX2, QStringLiteral("100"));
    EXPECT_EQ(element().nrValues, -2);
}

TEST_F(PanelTest, ValueTypeChangeRefillsTextUnlessFixed) {
    addValue(QStringLiteral("Current speed"));
    choose(IdcValueType, QStringLiteral("Timer time"));
    EXPECT_EQ(element().text, QStringLiteral("$H:$M:$S"));
    EXPECT_EQ(element().sampleText, QStringLiteral("4374"));
    EXPECT_EQ(edit(IdcText)->text(), QStringLiteral("$H:$M:$S"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("000000  | Timer time"));
    // The Sample text edit shows the new sample; typing goes on from it.
    EXPECT_EQ(edit(IdcSampleText)->text(), QStringLiteral("4374"));
    edit(IdcSampleText)->setFocus();
    QTest::keyClick(edit(IdcSampleText), Qt::Key_End);
    QTest::keyClick(edit(IdcSampleText), Qt::Key_Backspace);
    EXPECT_EQ(element().sampleText, QStringLiteral("437"));
    // Shown with an empty sample, the element takes its value type's sample
    // and the edit shows it.
    setAndShow([](LayoutElement& e) { e.sampleText.clear(); });
    EXPECT_EQ(element().sampleText, QStringLiteral("4374"));
    EXPECT_EQ(edit(IdcSampleText)->text(), QStringLiteral("4374"));

    // A fixed text keeps its text and is warned about its value type.
    type(IdcText, QStringLiteral("Hello"));
    click(IdcFixedText);
    choose(IdcValueType, QStringLiteral("Current speed"));
    EXPECT_EQ(element().text, QStringLiteral("Hello"));
    const QString warning = QStringLiteral(
        "You will have to set a dynamic color to this element for the valuetype to take effect!");
    EXPECT_EQ(messages().count(warning), 1);
    choose(IdcValueType, QStringLiteral("-- None --"));
    EXPECT_EQ(messages().count(warning), 1);

    // With a dynamic colour for its colour, nothing is said.
    add(KindDynamicColor);
    type(IdcReplaceColorEdit, QStringLiteral("000000"));
    clickRow(0);
    EXPECT_TRUE(enabled(IdcGotoDynCol));
    choose(IdcValueType, QStringLiteral("Current speed"));
    EXPECT_EQ(messages().count(warning), 1);
}

TEST_F(PanelTest, GraphicKindAndValueTypeShowInTheRow) {
    addGraphic(QStringLiteral("Rectangle"));
    choose(IdcValueType, QStringLiteral("(H) Watt per kg/pound"));
    type(IdcX, QStringLiteral("5"));
    type(IdcX2, QStringLiteral("50"));
    type(IdcY2, QStringLiteral("60"));
    click(IdcStrokePlus);
    EXPECT_EQ(element().graphicKind(), GraphicKind::Rectangle);
    EXPECT_EQ(element().x, 5);
    EXPECT_EQ(element().x2, 50);
    EXPECT_EQ(element().y2, 60);
    EXPECT_EQ(element().stroke, 2);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("000000  | Rectangle | Watt per kg/pound"));
}

TEST_F(PanelTest, ColourEditsAndPickers) {
    add(KindValue);
    // Fewer than six characters store nothing.
    type(IdcColorEdit, QStringLiteral("FF80"));
    EXPECT_EQ(element().color, 0u);
    QTest::keyClicks(edit(IdcColorEdit), QStringLiteral("00FF")); // at most six
    EXPECT_EQ(edit(IdcColorEdit)->text(), QStringLiteral("FF8000"));
    EXPECT_EQ(element().color, 0x0080FFu);

    // The picker starts at black; Cancel changes nothing.
    click(IdcColorButton);
    EXPECT_EQ(platform.colorDialogs, 1);
    EXPECT_EQ(element().color, 0x0080FFu);
    platform.colors.push_back(Bgr(0x00FF00));
    click(IdcColorButton);
    EXPECT_EQ(element().color, 0x00FF00u);
    EXPECT_EQ(edit(IdcColorEdit)->text(), QStringLiteral("00FF00"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00  | -- None --"));

    add(KindDynamicColor);
    EXPECT_EQ(edit(IdcReplaceColorEdit)->text(), QStringLiteral("123456"));
    // The replace-colour edit reads whatever it holds; every row follows.
    type(IdcReplaceColorEdit, QStringLiteral("12345"));
    EXPECT_EQ(element().replaceColor, 0x053412u);
    type(IdcReplaceColorEdit, QStringLiteral("00FF00"));
    EXPECT_EQ(element().replaceColor, 0x00FF00u);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00 * | -- None --"));
    platform.colors.push_back(Bgr(0x0000FF));
    click(IdcReplaceColorButton);
    EXPECT_EQ(element().replaceColor, 0x0000FFu);
    EXPECT_EQ(edit(IdcReplaceColorEdit)->text(), QStringLiteral("FF0000"));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("00FF00  | -- None --"));
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FF0000  | Vals: 0.0 - 0.0"));

    // A row's colour button fills its colour edit and swatch.
    type(1025, QStringLiteral("150"));
    platform.colors.push_back(Bgr(0x123456));
    click(1023);
    EXPECT_EQ(edit(1024)->text(), QStringLiteral("563412"));
    EXPECT_EQ(element().dcColor[0], 0x123456u);
    EXPECT_EQ(element().dcValue[0], 150);
    EXPECT_EQ(dlg->renderer().viewState().dcSwatchColors[0], 0x123456u);
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FF0000  | Vals: 15.0 - 0.0"));
}

TEST_F(PanelTest, DynamicColourRows) {
    add(KindDynamicColor);
    // Every row, the tenth too.
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowIds& ids = DynamicColorRowTable[row];
        type(ids.value, QString::number(100 * (row + 1)));
        type(ids.colorEdit, QStringLiteral("0000%1").arg(row, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(element().dcValue[row], 100 * (row + 1)) << row;
        EXPECT_EQ(element().dcColor[row], Bgr(row) << 16) << row;
    }
    EXPECT_EQ(rows().rowText(0), QStringLiteral("123456  | Vals: 10.0 - 100.0"));
    type(1052, QString());
    EXPECT_EQ(element().dcValue[9], EmptyDcValue);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("123456  | Vals: 10.0 - 90.0"));

    // H disables the row's colour controls at once and whenever shown.
    click(1089);
    EXPECT_TRUE(element().dcHide[1]);
    EXPECT_FALSE(enabled(1027));
    EXPECT_FALSE(enabled(1026));
    EXPECT_TRUE(enabled(1024));
    click(1103);
    EXPECT_TRUE(element().dcBlink[1]);
    click(IdcInvertColor);
    EXPECT_TRUE(element().invertColor);
    add(KindSeparator);
    clickRow(0);
    EXPECT_FALSE(enabled(1027));
    EXPECT_FALSE(enabled(1026));
    EXPECT_TRUE(check(1089)->isChecked());
    EXPECT_TRUE(check(1103)->isChecked());
    EXPECT_TRUE(check(IdcInvertColor)->isChecked());
    EXPECT_TRUE(edit(1052)->text().isEmpty());
    EXPECT_EQ(edit(1025)->text(), QStringLiteral("100"));
    click(1089);
    EXPECT_TRUE(enabled(1027));
}

TEST_F(PanelTest, GotoDynColSelectsTheDynamicColourOfTheElement) {
    add(KindValue);
    type(IdcColorEdit, QStringLiteral("ABCDEF"));
    EXPECT_FALSE(enabled(IdcGotoDynCol));
    add(KindDynamicColor);
    add(KindDynamicColor);
    type(IdcReplaceColorEdit, QStringLiteral("ABCDEF"));
    add(KindGraphic);
    // A colour edit decides it at once, without selecting the element again.
    EXPECT_FALSE(enabled(IdcGotoDynCol));
    type(IdcColorEdit, QStringLiteral("ABCDEF"));
    EXPECT_TRUE(enabled(IdcGotoDynCol));
    platform.colors.push_back(Bgr(0x123456));
    click(IdcColorButton);
    EXPECT_FALSE(enabled(IdcGotoDynCol));
    clickRow(0);
    ASSERT_TRUE(enabled(IdcGotoDynCol));
    type(IdcColorEdit, QStringLiteral("ABCDEE"));
    EXPECT_FALSE(enabled(IdcGotoDynCol));
    type(IdcColorEdit, QStringLiteral("ABCDEF"));
    ASSERT_TRUE(enabled(IdcGotoDynCol));
    click(IdcGotoDynCol);
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_EQ(dlg->elementList().selectedRow(), 2);
    EXPECT_EQ(edit(IdcReplaceColorEdit)->text(), QStringLiteral("ABCDEF"));
    EXPECT_TRUE(enabled(IdcReplaceColorEdit));
}

TEST_F(PanelTest, SeparatorTextAndTheTextLimit) {
    add(KindSeparator);
    type(IdcText, QStringLiteral("=== laps ==="));
    EXPECT_EQ(element().text, QStringLiteral("=== laps ==="));
    EXPECT_EQ(rows().rowText(0), QStringLiteral("=== laps ==="));
    // The config string's one-byte length carries 255 characters at most.
    type(IdcText, QString(300, QLatin1Char('x')));
    EXPECT_EQ(element().text.size(), 255);

    // A longer text read from a file is shown cut but kept whole, also when
    // the panel rewrites the Text edit outside of showing the element.
    add(KindValue);
    click(IdcFixedText);
    setAndShow([](LayoutElement& e) { e.text = QString(400, QLatin1Char('y')); });
    EXPECT_EQ(edit(IdcText)->text().size(), 255);
    choose(IdcValueType, QStringLiteral("-- None --"));
    EXPECT_EQ(element().text.size(), 400);
    QTest::keyClick(edit(IdcText), Qt::Key_Backspace);
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
    EXPECT_EQ(edit(IdcX2)->text(), QStringLiteral("56"));
    panel().toggleDayNight();
    EXPECT_TRUE(element().dayNight);
    EXPECT_TRUE(check(IdcDayNight)->isChecked());
    // Shift+Left is the X2 "-" button.
    QTest::keyClick(edit(IdcX), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(element().x2, 55);
}

} // namespace
} // namespace zef::test
