#include "configtestsupport.h"

using namespace zef;
using namespace zef::test;

namespace {

// Random layouts that use every member, including values outside their fields.
class LayoutGenerator {
public:
    explicit LayoutGenerator(unsigned seed) : m_rng(seed) {}

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    std::uint32_t word() { return std::uniform_int_distribution<std::uint32_t>()(m_rng); }

    QString text(int maxLength) {
        // The replacement letters and the characters they stand for, others of
        // the alphabet, a few beyond it and a surrogate pair.
        static const QString pool = QStringLiteral("wxyz<>&#!\"uv ~km/h$V:.\u00e9\u20ac") +
                                    QString::fromUtf8("\xF0\x9F\x98\x80");
        QString s;
        const int length = between(0, maxLength);
        while (s.size() < length) s += pool.at(between(0, static_cast<int>(pool.size()) - 1));
        return s;
    }

    LayoutElement value() {
        LayoutElement e(KindValue);
        e.valueType = between(0, static_cast<int>(catalogs().valueTypes.valueTypes.size()) - 1);
        e.fixedText = chance(40);
        e.text = chance(3) ? QString(between(256, 400), QLatin1Char('w')) : text(20);
        const QStringList& names = catalogs().valueTypes.fontSlots;
        e.font = chance(10) ? QStringLiteral("NOFONT")
                            : names.at(between(0, static_cast<int>(names.size()) - 1));
        e.precision = between(-2, 6);
        e.hAlignment = between(-2, 6);
        common(e);
        return e;
    }

    LayoutElement graphic(GraphicKind kind) {
        LayoutElement e(KindGraphic);
        e.setGraphicKind(kind);
        e.valueType = between(0, static_cast<int>(catalogs().valueTypes.valueTypes.size()) - 1);
        e.x2 = between(-1200, 2200);
        e.y2 = between(-1200, 2200);
        e.stroke = between(-5, 300);
        e.radius = between(-5, 2100);
        e.fixedText = chance(50);
        common(e);
        return e;
    }

    LayoutElement dynamicColor() {
        LayoutElement e(KindDynamicColor);
        e.replaceColor = word();
        e.invertColor = chance(50);
        for (int row = 0; row < DynamicColorRows; ++row) {
            if (!chance(40)) continue;
            e.setDynamicColor(row, {threshold(), word(), chance(30), chance(30)});
        }
        return e;
    }

    LayoutElement any() {
        switch (between(0, 9)) {
        case 0: {
            LayoutElement s(KindSeparator);
            s.text = text(10);
            return s;
        }
        case 1:
        case 2:
            return dynamicColor();
        case 3:
        case 4:
        case 5:
            return graphic(graphicKindAt(between(0, GraphicKindCount - 1)));
        default:
            return value();
        }
    }

    ElementVector layout(int count) {
        ElementVector v;
        for (int i = 0; i < count; ++i) v.push_back(any());
        return v;
    }

private:
    void common(LayoutElement& e) {
        e.color = word();
        e.x = between(-200, 1300);
        e.y = between(-200, 1300);
        e.nrValues = chance(10) ? between(8000, 40000) : between(-3, 50);
        e.maxOnly = chance(50);
        e.dayNight = chance(50);
    }

    // Thresholds within the 20-bit magnitude and beyond it (masked). A negative
    // threshold whose masked magnitude is 0 or 999999 has no other form in the
    // string than 0 or the empty-row marker, so it is left out here.
    std::int32_t threshold() {
        for (;;) {
            const std::int32_t v =
                chance(80) ? between(-1048575, 1048575) : between(-4000000, 4000000);
            const std::uint32_t magnitude = static_cast<std::uint32_t>(v < 0 ? -v : v) & 0xFFFFF;
            if (v < 0 && (magnitude == 0 || magnitude == 999999)) continue;
            if (v == EmptyDcValue) continue;
            return v;
        }
    }

    std::mt19937 m_rng;
};

bool carried(const LayoutElement& e) {
    return e.kind == KindValue || e.kind == KindGraphic ||
           (e.kind == KindDynamicColor && e.hasDynamicColorRows());
}

class RoundTripTest : public ConfigDocumentTest {
protected:
    void SetUp() override { ASSERT_GE(edgeIndex(), 0); }

    // Writes, reads and writes again: the two strings are equal, and reading the
    // second gives the same elements as reading the first. The layout is taken
    // as the window shows it (a value's empty text shows its display pattern).
    void expectRoundTrip(const ElementVector& layout, const std::string& where) {
        SCOPED_TRACE(where);
        const QString first = build(asShown(layout));
        ParseConfigStringC(doc, first);
        const auto expectedCount = std::count_if(layout.begin(), layout.end(), carried);
        ASSERT_EQ(doc.count(), expectedCount);
        const ElementVector read = doc.elements();
        const QString second = build(read);
        EXPECT_EQ(second, first);
        ParseConfigStringC(doc, second);
        EXPECT_TRUE(isSameLayout(doc.elements(), read));
        EXPECT_TRUE(platform.messages.empty());
    }
};

} // namespace

TEST_F(RoundTripTest, GeneratedLayouts) {
    LayoutGenerator gen(20240611);
    for (int i = 0; i < 300; ++i)
        expectRoundTrip(gen.layout(gen.between(0, 30)), "layout " + std::to_string(i));
}

TEST_F(RoundTripTest, EveryValueTypeAndGraphicKind) {
    LayoutGenerator gen(7);
    ElementVector layout;
    const int types = static_cast<int>(catalogs().valueTypes.valueTypes.size());
    for (int position = 0; position < types; ++position) {
        LayoutElement e = gen.value();
        e.valueType = position;
        e.fixedText = position % 2 == 0;
        e.text = QStringLiteral("wxyz");
        layout.push_back(e);
    }
    for (int kind = 0; kind < GraphicKindCount; ++kind)
        for (int n = 0; n < 10; ++n) layout.push_back(gen.graphic(graphicKindAt(kind)));
    ASSERT_LE(layout.size(), 500u);
    expectRoundTrip(layout, "all types");

    // Texts survive unchanged where they are sent; where they are not, the
    // value shows its display pattern.
    for (int position = 0; position < types; ++position) {
        const int id = catalogs().valueTypes.valueTypes[std::size_t(position)].id;
        LayoutElement unsent = doc.elements()[std::size_t(position)];
        unsent.text.clear();
        EXPECT_EQ(doc.elements()[std::size_t(position)].text,
                  id >= 1 && id <= 9 ? asShown({unsent})[0].text : QStringLiteral("wxyz"))
            << position;
    }
}

TEST_F(RoundTripTest, MaskedFieldsComeBackMasked) {
    LayoutElement line(KindGraphic);
    line.x = 974;      // wraps to -50
    line.x2 = -51;     // wraps to 973
    line.stroke = 258; // 8 bits: 2
    line.nrValues = 8193;
    LayoutElement rect(KindGraphic);
    rect.setGraphicKind(GraphicKind::Rectangle);
    rect.x = 100;
    rect.x2 = 90; // width -10 wraps: 100 + 1014
    rect.y = 5;
    rect.y2 = 5;
    LayoutElement dc(KindDynamicColor);
    dc.setDynamicColor(0, {-25, 0xFF123456, false, false});
    dc.setDynamicColor(1, {(1 << 20) + 7, 0, false, false});

    ParseConfigStringC(doc, build({line, rect, dc}));
    ASSERT_EQ(doc.count(), 3);
    EXPECT_EQ(doc.elements()[0].x, -50);
    EXPECT_EQ(doc.elements()[0].x2, 973);
    EXPECT_EQ(doc.elements()[0].stroke, 2);
    EXPECT_EQ(doc.elements()[0].nrValues, 1);
    EXPECT_EQ(doc.elements()[1].x2, 100 + 1014);
    EXPECT_EQ(doc.elements()[1].y2, 5);
    EXPECT_EQ(doc.elements()[2].dcValue[0], -25);
    EXPECT_EQ(doc.elements()[2].dcColor[0], 0x123456u);
    EXPECT_EQ(doc.elements()[2].dcValue[1], 7);
}

TEST_F(RoundTripTest, EveryPrefixReadsTheCompleteRecordsUnchanged) {
    LayoutGenerator gen(99);
    for (int n = 0; n < 6; ++n) {
        ElementVector layout;
        for (const auto& e : gen.layout(12))
            if (carried(e)) layout.push_back(e);
        const QString full = build(layout);
        ParseConfigStringC(doc, full);
        const ElementVector all = doc.elements();
        ASSERT_EQ(all.size(), layout.size());

        // Where each record ends in the body.
        std::vector<qsizetype> ends;
        qsizetype end = 0;
        for (const auto& e : layout) {
            end += build({e}).size() - 1;
            ends.push_back(end);
        }
        ASSERT_EQ(end, full.size() - 1);

        for (qsizetype length = 0; length <= end; ++length) {
            ParseConfigStringC(doc, full.left(1 + length));
            const auto complete =
                std::count_if(ends.begin(), ends.end(), [&](qsizetype e) { return e <= length; });
            const qsizetype rest = length - (complete ? ends[std::size_t(complete - 1)] : 0);
            // A cut record is read from what remains, unless one character is left.
            ASSERT_EQ(doc.count(), complete + (rest >= 2 ? 1 : 0)) << n << " " << length;
            for (int i = 0; i < complete; ++i)
                ASSERT_TRUE(isSameContent(doc.elements()[std::size_t(i)], all[std::size_t(i)]))
                    << n << " " << length << " " << i;
        }
    }
}

TEST_F(RoundTripTest, ArbitraryStringsNeverBreakTheReader) {
    std::mt19937 rng(424242);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    const auto& vt = catalogs().valueTypes;
    const int maxElements = catalogs().devices.at(edgeIndex()).maxElements;
    for (int i = 0; i < 3000; ++i) {
        QString s;
        const int head = pick(0, 9);
        s += head < 4 ? QLatin1Char('C') : head < 8 ? QLatin1Char('B') : QChar(pick(0, 0x24F));
        const int length = pick(0, i % 100 == 0 ? 4000 : 300);
        for (int k = 0; k < length; ++k) {
            const int kind = pick(0, 19);
            if (kind < 16)
                s += QChar(pick('!', 'z'));
            else if (kind < 18)
                s += QChar(pick(0, 0x2FF));
            else
                s += QChar(static_cast<char16_t>(pick(0xD800, 0xDFFF)));
        }
        platform.messages.clear();
        const bool loaded = loadConfigString(doc, s);
        const bool readable =
            s.size() >= 5 && (s.front() == QLatin1Char('C') || s.front() == QLatin1Char('B'));
        if (readable && !loaded) {
            // Only a text holding a NUL, which no layout file could keep.
            ASSERT_TRUE(s.contains(QChar(u'\0'))) << i;
            ASSERT_EQ(platform.messages.size(), 1u) << i;
            ASSERT_TRUE(platform.messages[0].text.contains(QStringLiteral("NUL"))) << i;
        }
        ASSERT_TRUE(readable || !loaded) << i;
        if (!loaded) continue;
        ASSERT_LE(doc.count(), maxElements) << i;
        for (const auto& e : doc.elements()) {
            ASSERT_TRUE(e.kind == KindValue || e.kind == KindGraphic || e.kind == KindDynamicColor);
            ASSERT_GE(e.valueType, 0);
            ASSERT_LT(e.valueType, static_cast<int>(vt.valueTypes.size()));
            ASSERT_GE(e.graphicType, 0);
            ASSERT_LT(e.graphicType, static_cast<int>(vt.graphicKinds.size()));
            ASSERT_LE(e.text.size(), MaxConfigTextLength);
        }
        // Whatever was read writes back, and that string reads back to itself.
        const QString written = build(doc.elements());
        ParseConfigStringC(doc, written);
        ASSERT_EQ(build(doc.elements()), written) << i;
    }
}
