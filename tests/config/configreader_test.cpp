#include "configtestsupport.h"

#include <QSignalSpy>

using namespace zef;
using namespace zef::test;

namespace {

QString groups(std::initializer_list<std::uint32_t> words) {
    QString s;
    for (const auto w : words) s += EncodeConfigNumber(w);
    return s;
}

// The four-character group of a version "B" graphic record (word below 85^4).
QString shortGroup(std::uint32_t word) {
    return EncodeConfigNumber(word).mid(1);
}

class ReaderTest : public ConfigDocumentTest {
protected:
    void SetUp() override {
        ASSERT_GE(edgeIndex(), 0);
        // Start from another layout, modified, on the device strings are read
        // for when none is selected (ReadsForTheSelectedDevice covers others).
        setModifiedLayoutOn("Edge 1030");
    }
};

} // namespace

TEST_F(ReaderTest, ReferenceStringComesBackAsFourElements) {
    QSignalSpy counts(&doc, &LayoutDocument::countsChanged);
    QSignalSpy shown(&doc, &LayoutDocument::showElementRequested);
    QSignalSpy reset(&doc, &LayoutDocument::linesReset);
    QSignalSpy title(&doc, &LayoutDocument::fileNameChanged);

    ASSERT_TRUE(loadConfigString(doc, referenceString()));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(doc.selectedDevice(), edgeIndex());
    EXPECT_EQ(doc.designDevice(), edgeIndex());

    ElementVector expected = referenceLayout();
    expected.pop_back(); // the separator is not carried
    expected = asShown(expected);
    ASSERT_EQ(doc.count(), 4);
    for (int i = 0; i < 4; ++i)
        expectSameElement(doc.elements()[i], expected[i], "element " + std::to_string(i));
    EXPECT_FALSE(doc.elements()[0].fixedText);
    EXPECT_TRUE(doc.elements()[1].fixedText);
    EXPECT_EQ(doc.elements()[0].font, fontSlotsOf(edgeIndex()).at(4));
    EXPECT_EQ(doc.elements()[1].font, fontSlotsOf(edgeIndex()).at(2));

    EXPECT_TRUE(doc.fileName().isEmpty()) << "a string is no file: the layout is untitled";
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.history().count(), 0);
    EXPECT_EQ(doc.history().position(), -1);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.selection(), 3);
    EXPECT_EQ(doc.countsText(), QStringLiteral("Val:2, Graph:1, DC:1, Total:4"));
    EXPECT_GE(counts.count(), 1);
    EXPECT_GE(shown.count(), 1);
    EXPECT_GE(reset.count(), 1);
    EXPECT_GE(title.count(), 1);

    // The first edit after loading can be undone back to the loaded layout.
    doc.selectedElement()->x = 5;
    doc.refresh();
    EXPECT_TRUE(doc.canUndo());
    doc.undo();
    EXPECT_FALSE(doc.isModified());
}

// The value's empty text reads back as the display pattern the window shows
// for it ("$V"); from then on the string is stable.
TEST_F(ReaderTest, WritingTheReadLayoutGivesTheStringAsShown) {
    ParseConfigStringC(doc, referenceString());
    ElementVector expected = referenceLayout();
    expected.pop_back();
    const QString again = build(doc.elements());
    EXPECT_EQ(again, build(asShown(expected)));
    EXPECT_TRUE(again.contains(QStringLiteral("$V")));
    ParseConfigStringC(doc, again);
    EXPECT_EQ(build(doc.elements()), again);
}

TEST_F(ReaderTest, ShortAndForeignStringsChangeNothing) {
    struct Case {
        QString text;
        QString message;
    };
    const Case cases[] = {
        {QString(), TooShort},
        {QStringLiteral("C"), TooShort},
        {QStringLiteral("C!!!"), TooShort},
        {QStringLiteral("c!\"%WB!ww*!$:,Mp!!!!!"), CannotLoad},
        {QStringLiteral(" C!\"%WB!ww*!$:,Mp!!!!!"), CannotLoad},
        {QStringLiteral("A!!!!!!!!!!"), CannotLoad},
    };
    const ElementVector before = doc.elements();
    const int device = doc.selectedDevice();
    for (const auto& c : cases) {
        platform.messages.clear();
        EXPECT_FALSE(loadConfigString(doc, c.text));
        ASSERT_EQ(platform.messages.size(), 1u) << c.text.toStdString();
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
        EXPECT_TRUE(isSameLayout(doc.elements(), before));
        EXPECT_EQ(doc.selectedDevice(), device);
        EXPECT_TRUE(doc.isModified());
    }
}

TEST_F(ReaderTest, OverlargeStringIsRefused) {
    const QString huge = QStringLiteral("C") + QString(MaxConfigStringLength, QLatin1Char('!'));
    EXPECT_FALSE(loadConfigString(doc, huge));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("The string is too long!")));
    EXPECT_EQ(doc.count(), 2);
}

TEST_F(ReaderTest, FourCharactersAfterTheLetterMakeOneRecord) {
    ASSERT_TRUE(loadConfigString(doc, QStringLiteral("C!!!!")));
    ASSERT_EQ(doc.count(), 1);
    // Four "!" are kind 0: a value of type "-- None --", read as a fixed text.
    EXPECT_EQ(doc.elements()[0].kind, KindValue);
    EXPECT_TRUE(doc.elements()[0].fixedText);
    EXPECT_EQ(doc.elements()[0].x, -50);
}

TEST_F(ReaderTest, TrailingCharacters) {
    ParseConfigStringC(doc, referenceString() + QStringLiteral("!"));
    EXPECT_EQ(doc.count(), 4);
    // A line break is two characters: one more record is read from them.
    ParseConfigStringC(doc, referenceString() + QStringLiteral("\r\n"));
    EXPECT_EQ(doc.count(), 5);
}

TEST_F(ReaderTest, RecordCutOffReadsWhatRemains) {
    // The text of "km/h" cut after "km".
    const QString cut = referenceString().left(43);
    ParseConfigStringC(doc, cut);
    ASSERT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.elements()[1].text, QStringLiteral("km"));
    // A line record cut inside its third group: missing groups read as 0.
    const QString line =
        QStringLiteral("C") + groups({0x00080001, 0x02FF0000}) + QStringLiteral("!!");
    ParseConfigStringC(doc, line);
    ASSERT_EQ(doc.count(), 1);
    EXPECT_EQ(doc.elements()[0].kind, KindGraphic);
    EXPECT_EQ(doc.elements()[0].stroke, 2);
    EXPECT_EQ(doc.elements()[0].x, -50);
    EXPECT_EQ(doc.elements()[0].y2, -50);
}

TEST_F(ReaderTest, ValueFields) {
    const QStringList fonts = fontSlotsOf(edgeIndex());
    struct Case {
        const char* what;
        QString record;
        LayoutElement expected;
    };
    auto valueOf = [](auto change) {
        LayoutElement e(KindValue);
        e.x = -50;
        e.y = -50;
        e.nrValues = 0; // taken from the string as it stands, 0 included
        change(e);
        return e;
    };
    const Case cases[] = {
        {"a value of type None comes back as a fixed text", groups({0, 0, 0, 0}),
         valueOf([](auto& e) { e.fixedText = true; })},
        {"shown id set: no fixed text; type id 10 is position 3",
         groups({10u << 3 | 10u << 11 | 3u << 19, 0, 0, 0}), valueOf([](auto& e) {
             e.valueType = 3;
             e.nrValues = 3;
         })},
        {"an unknown type id gives None", groups({8u << 3 | 250u << 11, 0, 0, 0}),
         valueOf([](auto&) {})},
        {"font index 18 keeps XTINY on a nine-slot device", groups({0, 0, 18u << 20, 0}),
         valueOf([](auto& e) { e.fixedText = true; })},
        {"font index 31", groups({0, 0, 31u << 20, 0}),
         valueOf([](auto& e) { e.fixedText = true; })},
        {"font index 8", groups({0, 0, 8u << 20, 0}), valueOf([&](auto& e) {
             e.fixedText = true;
             e.font = fonts.at(8);
         })},
        {"flags, precision, alignment, position",
         groups({0, 0x00ABCDEF, 60u | 1023u << 10 | 3u << 25 | 3u << 27 | 3u << 30, 0}),
         valueOf([](auto& e) {
             e.fixedText = true;
             e.color = 0xEFCDAB;
             e.x = 10;
             e.y = 973;
             e.precision = 3;
             e.hAlignment = 3;
             e.maxOnly = true;
             e.dayNight = true;
         })},
        {"group 4 is ignored", groups({0, 0, 0, 0xFFFFFFFF}),
         valueOf([](auto& e) { e.fixedText = true; })},
        {"text with the replacement letters", groups({0, 12u << 24, 0, 0}) + "wxyz<>&#!\"!!",
         valueOf([](auto& e) {
             e.fixedText = true;
             e.text = QStringLiteral("wxyz<>&#!\"!!");
         })},
    };
    for (const auto& c : cases) {
        ParseConfigStringC(doc, QStringLiteral("C") + c.record);
        ASSERT_EQ(doc.count(), 1) << c.what;
        expectSameElement(doc.elements()[0], asShown({c.expected})[0], c.what);
    }
}

TEST_F(ReaderTest, GraphicFieldsPerKind) {
    // x 10, y 20 (as written: +50), kind-dependent fields 1000 / 30 / 40 / graph flag.
    const std::uint32_t g2 = 0x00FF0000 | 7u << 24;
    const std::uint32_t g3 = 60u | 70u << 10 | 1000u << 20;
    const std::uint32_t g4 = 30u | 40u << 10 | 1u << 20;
    struct Expect {
        int kind;
        int stroke, x2, y2, radius;
        bool fixedText;
    };
    const Expect expects[] = {
        {0, 7, 950, -20, 0, false},  {1, 7, 0, 0, 1000, false},   {2, 1, 0, 0, 1000, false},
        {3, 7, 1010, 50, 0, false},  {4, 1, 1010, 50, 0, false},  {5, 1, 1010, 50, 0, false},
        {6, 1, 1010, 50, 0, false},  {7, 7, 30, 40, 1000, false}, {8, 7, 30, 40, 1000, false},
        {9, 7, 0, 30, 1000, false},  {10, 7, 0, 30, 1000, false}, {11, 7, 1010, 50, 40, true},
        {12, 7, 1010, 50, 40, true}, {13, 7, 1010, 50, 40, true}, {14, 7, 1010, 50, 40, true},
    };
    for (const auto& x : expects) {
        const std::uint32_t g1 = 1u | std::uint32_t(x.kind) << 3 | 60u << 11 | 4u << 19;
        ParseConfigStringC(doc, QStringLiteral("C") + groups({g1, g2, g3, g4}));
        ASSERT_EQ(doc.count(), 1) << x.kind;
        LayoutElement e(KindGraphic);
        e.graphicType = x.kind;
        e.valueType = valueTypePosition(60);
        e.nrValues = 4;
        e.color = 0x0000FF;
        e.x = 10;
        e.y = 20;
        e.stroke = x.stroke;
        e.x2 = x.x2;
        e.y2 = x.y2;
        e.radius = x.radius;
        e.fixedText = x.fixedText;
        expectSameElement(doc.elements()[0], e, "kind " + std::to_string(x.kind));
    }
}

TEST_F(ReaderTest, UnknownGraphicKindBecomesALineWithTheSharedMembers) {
    const QString record = groups(
        {1u | 200u << 3 | 60u << 11 | 2u << 19, 0x05123456, 60u | 70u << 10 | 500u << 20, 0xFFFFF});
    ParseConfigStringC(doc, QStringLiteral("C") + record + groups({0, 0, 0, 0}));
    ASSERT_EQ(doc.count(), 2);
    LayoutElement e(KindGraphic);
    e.valueType = valueTypePosition(60);
    e.nrValues = 2;
    e.color = 0x563412;
    e.x = 10;
    e.y = 20;
    expectSameElement(doc.elements()[0], e, "unknown kind");
    EXPECT_EQ(doc.elements()[1].kind, KindValue);
    // Written again it is a plain line.
    EXPECT_EQ(build({doc.elements()[0]}).mid(1, 5), EncodeConfigNumber(1u | 60u << 11 | 2u << 19));
}

TEST_F(ReaderTest, DynamicColourRows) {
    const std::uint32_t head = 2u | 0x123456u << 3;
    struct Case {
        const char* what;
        std::uint32_t kind; // bits 0-2 of the first group
        int announced;
    };
    const Case cases[] = {{"three rows", 2, 3},
                          {"ten rows", 2, 10},
                          {"kind 7 reads as a dynamic colour", 7, 2},
                          {"fifteen rows announced: the first ten are kept", 2, 15},
                          {"no rows", 2, 0}};
    for (const auto& c : cases) {
        QString s = QStringLiteral("C") +
                    groups({(head & ~7u) | c.kind | std::uint32_t(c.announced) << 27});
        for (int j = 0; j < c.announced; ++j) {
            const std::uint32_t flags =
                (j == 0 ? 1u << 25 : 0) | (j % 2 ? 1u << 26 : 0) | (j % 3 ? 1u << 27 : 0);
            s += groups({0x010203u * std::uint32_t(j + 1) | flags,
                         std::uint32_t(100 * j) | (j % 2 ? 1u << 20 : 0)});
        }
        // The next record starts right after the announced rows.
        s += groups({0, 0, 0, 0});
        ParseConfigStringC(doc, s);
        ASSERT_EQ(doc.count(), 2) << c.what;
        EXPECT_EQ(doc.elements()[1].kind, KindValue) << c.what;

        LayoutElement e(KindDynamicColor);
        e.replaceColor = 0x563412;
        e.invertColor = c.announced > 0;
        for (int j = 0; j < std::min(c.announced, DynamicColorRows); ++j)
            e.setDynamicColor(j, {j % 2 ? -100 * j : 100 * j,
                                  color::fromRgb24(0x010203u * std::uint32_t(j + 1)), j % 2 == 1,
                                  j % 3 != 0});
        expectSameElement(doc.elements()[0], e, c.what);
    }
}

TEST_F(ReaderTest, RowsUsedLaterComeBackAtTheTop) {
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = 0x563412;
    dc.invertColor = true;
    dc.setDynamicColor(3, {-25, 0x112233, true, false});
    dc.setDynamicColor(7, {0, 0x445566, false, true});
    ParseConfigStringC(doc, build({dc}));
    ASSERT_EQ(doc.count(), 1);
    LayoutElement expected(KindDynamicColor);
    expected.replaceColor = 0x563412;
    expected.invertColor = true;
    expected.setDynamicColor(0, {-25, 0x112233, true, false});
    expected.setDynamicColor(1, {0, 0x445566, false, true});
    expectSameElement(doc.elements()[0], expected, "compacted rows");
}

TEST_F(ReaderTest, VersionBHasNoOffsetsAndShorterRecords) {
    // Value at x 10, y 20 with three groups, then its text; a line with a
    // four-character last group; a value after it finds its place at p + 19.
    const QString s =
        QStringLiteral("B") +
        groups({10u << 3 | 10u << 11 | 1u << 19, 4u << 24 | 0xFFFFFF, 10u | 20u << 10 | 4u << 20}) +
        QStringLiteral("wxyz") + groups({1u | 1u << 19, 0x02FF0000, 0u | 80u << 10 | 239u << 20}) +
        shortGroup(80) + groups({6u << 19, 0, 5u | 6u << 10}) +
        groups({1u | 3u << 3, 0, 10u | 20u << 10 | 1020u << 20}) + shortGroup(5);
    ASSERT_TRUE(loadConfigString(doc, s));
    ASSERT_EQ(doc.count(), 4);

    LayoutElement value(KindValue);
    value.valueType = 3;
    value.color = 0xFFFFFF;
    value.x = 10;
    value.y = 20;
    value.font = fontSlotsOf(edgeIndex()).at(4);
    value.text = QStringLiteral("wxyz");
    expectSameElement(doc.elements()[0], asShown({value})[0], "B value");

    LayoutElement line(KindGraphic);
    line.color = 0x0000FF;
    line.stroke = 2;
    line.y = 80;
    line.x2 = 239;
    line.y2 = 80;
    expectSameElement(doc.elements()[1], line, "B line");

    // The third record starts at 15 + 4 + 19 = 38 of the body, the fourth at 53.
    EXPECT_EQ(doc.elements()[2].kind, KindValue);
    EXPECT_EQ(doc.elements()[2].nrValues, 6);
    EXPECT_EQ(doc.elements()[2].x, 5);
    EXPECT_EQ(doc.elements()[2].y, 6);

    LayoutElement rect(KindGraphic);
    rect.setGraphicKind(GraphicKind::Rectangle);
    rect.x = 10;
    rect.y = 20;
    rect.x2 = 1030;
    rect.y2 = 25;
    rect.stroke = 0;
    rect.nrValues = 0;
    expectSameElement(doc.elements()[3], rect, "B rectangle");
}

TEST_F(ReaderTest, SameFieldInVersionsBAndC) {
    const QString record = groups({0, 0, 10u | 10u << 10});
    ParseConfigStringB(doc, QStringLiteral("B") + record);
    ASSERT_EQ(doc.count(), 1);
    EXPECT_EQ(doc.elements()[0].x, 10);
    ParseConfigStringC(doc, QStringLiteral("C") + record + groups({0}));
    ASSERT_EQ(doc.count(), 1);
    EXPECT_EQ(doc.elements()[0].x, -40);
}

TEST_F(ReaderTest, SurplusElementsGiveOneMessage) {
    QString s = QStringLiteral("C");
    const QString record = groups({1u | 1u << 19, 0, 0, 0});
    for (int i = 0; i < 620; ++i) s += record;
    ParseConfigStringC(doc, s);
    EXPECT_EQ(doc.count(), catalogs().devices.at(edgeIndex()).maxElements);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              LayoutDocument::limitMessage() + QStringLiteral("\n120 elements were not added."));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.selection(), doc.count() - 1);
}

TEST_F(ReaderTest, WithoutTheReadingDeviceTheCurrentOneStays) {
    // A catalog without "Edge 1030" (here: without any device) keeps the
    // current device; with none selected nothing can be added.
    Catalogs other = catalogs();
    other.devices = DeviceCatalog();
    ScriptedPlatform p;
    LayoutDocument d(other, p);
    ParseConfigStringC(d, referenceString());
    EXPECT_EQ(d.selectedDevice(), -1);
    EXPECT_EQ(d.count(), 0);
    EXPECT_TRUE(d.fileName().isEmpty());
}

// The string names no device: it is read with the font slots of the selected
// device, which stays; only with none selected is "Edge 1030" chosen. Font
// index 12 is S_MEDIUM and 18 GLANCE where the device offers them.
TEST_F(ReaderTest, ReadsForTheSelectedDevice) {
    const struct {
        const char* selected; // nullptr: none
        const char* device;   // selected afterwards
        const char* font12;
        const char* font18;
    } cases[] = {
        {nullptr, "Edge 1030", "XTINY", "XTINY"},
        {"Edge 1030", "Edge 1030", "XTINY", "XTINY"},
        {"fenix 7", "fenix 7", "S_MEDIUM", "XTINY"},
        {"Forerunner 965", "Forerunner 965", "S_MEDIUM", "GLANCE"},
    };
    const QString s =
        QStringLiteral("C") + groups({0, 0, 12u << 20, 0}) + groups({0, 0, 18u << 20, 0});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected ? c.selected : "no device");
        ScriptedPlatform p;
        LayoutDocument d(catalogs(), p);
        if (c.selected) d.selectDevice(deviceIndex(c.selected));
        ASSERT_TRUE(loadConfigString(d, s));
        EXPECT_EQ(d.selectedDevice(), deviceIndex(c.device));
        EXPECT_EQ(d.designDevice(), deviceIndex(c.device));
        ASSERT_EQ(d.count(), 2);
        EXPECT_EQ(d.elements()[0].font, QString::fromLatin1(c.font12));
        EXPECT_EQ(d.elements()[1].font, QString::fromLatin1(c.font18));
        // Written for the same device, the indices come back.
        if (QString::fromLatin1(c.font12) != QStringLiteral("XTINY")) {
            const QString again = build(d.elements(), d.selectedDevice());
            EXPECT_EQ(DecodeConfigNumber(QStringView(again).sliced(11, 5)) >> 20 & 0x1F, 12u);
        }
    }
}
