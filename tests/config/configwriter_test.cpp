#include "configtestsupport.h"

using namespace zef;
using namespace zef::test;

namespace {

std::uint32_t groupAt(const QString& s, qsizetype pos) {
    return DecodeConfigNumber(QStringView(s).sliced(pos, 5));
}

LayoutElement value(int valueTypeId) {
    LayoutElement e(KindValue);
    e.valueType = valueTypePosition(valueTypeId);
    return e;
}

LayoutElement graphic(GraphicKind kind) {
    LayoutElement e(KindGraphic);
    e.setGraphicKind(kind);
    return e;
}

} // namespace

TEST(ConfigWriter, ReferenceLayoutGivesTheNinetyCharacterString) {
    const int edge = edgeIndex();
    ASSERT_GE(edge, 0);
    ASSERT_GE(fontSlotsOf(edge).size(), 5);
    EXPECT_EQ(fontSlotsOf(edge).mid(0, 5),
              QStringList({"XTINY", "TINY", "SMALL", "MEDIUM", "LARGE"}));
    const QString s = build(referenceLayout());
    EXPECT_EQ(s.size(), 90);
    EXPECT_EQ(s, referenceString());
}

TEST(ConfigWriter, ReferenceLayoutWords) {
    const QString s = build(referenceLayout());
    ASSERT_EQ(s.size(), 90);
    const std::uint32_t words[] = {0x0009E1E0, 0x00FFFFFF, 0x0A411896, 0,
                                   0x00080000, 0x04123456, 0x102178FA, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(groupAt(s, 1 + 5 * i), words[i]) << i;
    EXPECT_EQ(s.mid(41, 4), QStringLiteral("km/h"));
    const std::uint32_t rest[] = {0x00080001, 0x02FF0000, 0x12120832, 0x00000082, 0x1091A2B2,
                                  0x0000FF00, 0,          0x08FFFF00, 0x000000FA};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(groupAt(s, 45 + 5 * i), rest[i]) << i;
}

TEST(ConfigWriter, NothingForSeparatorsAndEmptyDynamicColours) {
    LayoutElement separator(KindSeparator);
    separator.text = QStringLiteral("abc");
    LayoutElement emptyDc(KindDynamicColor);
    emptyDc.replaceColor = 0x563412;
    emptyDc.invertColor = true;
    EXPECT_EQ(build({}), QStringLiteral("C"));
    EXPECT_EQ(build({separator, separator}), QStringLiteral("C"));
    EXPECT_EQ(build({emptyDc, separator}), QStringLiteral("C"));
}

TEST(ConfigWriter, DynamicColourCompactsUsedRows) {
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = 0x0000FF;
    dc.invertColor = true;
    dc.setDynamicColor(3, {-25, 0x112233, true, false});
    dc.setDynamicColor(7, {0, 0x445566, false, true});
    const QString s = build({dc});
    ASSERT_EQ(s.size(), 1 + 5 + 20);
    EXPECT_EQ(groupAt(s, 1), 2u | 0xFF0000u << 3 | 2u << 27);
    // Row 3 first, carrying the invert flag; row 7 second, without it.
    EXPECT_EQ(groupAt(s, 6), 0x332211u | 1u << 25 | 1u << 26);
    EXPECT_EQ(groupAt(s, 11), 25u | 1u << 20);
    EXPECT_EQ(groupAt(s, 16), 0x665544u | 1u << 27);
    EXPECT_EQ(s.mid(21, 5), QStringLiteral("!!!!!"));
}

TEST(ConfigWriter, ValueFields) {
    struct Case {
        const char* what;
        LayoutElement element;
        int group;
        std::uint32_t word;
    };
    auto with = [](LayoutElement e, auto change) {
        change(e);
        return e;
    };
    const LayoutElement speed = value(60);
    const Case cases[] = {
        {"fixed text sends no shown id but keeps the value type",
         with(speed, [](auto& e) { e.fixedText = true; }), 1, 60u << 11 | 1u << 19},
        {"shown id and value type", speed, 1, 60u << 3 | 60u << 11 | 1u << 19},
        {"nrValues is masked to 13 bits", with(speed, [](auto& e) { e.nrValues = 8192 + 3; }), 1,
         60u << 3 | 60u << 11 | 3u << 19},
        {"x -50 writes 0", with(speed, [](auto& e) { e.x = -50; }), 3, 0u | 50u << 10},
        {"x 973 writes 1023", with(speed, [](auto& e) { e.x = 973; }), 3, 1023u | 50u << 10},
        {"x 974 wraps to 0", with(speed, [](auto& e) { e.x = 974; }), 3, 0u | 50u << 10},
        {"y -51 wraps to 1023", with(speed, [](auto& e) { e.y = -51; }), 3, 50u | 1023u << 10},
        {"font not offered gives index 0",
         with(speed, [](auto& e) { e.font = QStringLiteral("GLANCE"); }), 3, 50u | 50u << 10},
        {"font names compare case-sensitively",
         with(speed, [](auto& e) { e.font = QStringLiteral("large"); }), 3, 50u | 50u << 10},
        {"font index", with(speed, [](auto& e) { e.font = QStringLiteral("NR_THAI_HOT"); }), 3,
         50u | 50u << 10 | 8u << 20},
        {"precision and alignment are masked",
         with(speed,
              [](auto& e) {
                  e.precision = 7;
                  e.hAlignment = 6;
              }),
         3, 50u | 50u << 10 | 3u << 25 | 2u << 27},
        {"flags",
         with(speed,
              [](auto& e) {
                  e.maxOnly = true;
                  e.dayNight = true;
              }),
         3, 50u | 50u << 10 | 1u << 30 | 1u << 31},
        {"colour swapped, the high byte dropped",
         with(speed, [](auto& e) { e.color = 0xAA563412; }), 2, 0x123456u},
        {"text length", with(speed, [](auto& e) { e.text = QStringLiteral("$V km/h"); }), 2,
         7u << 24},
        {"group 4 is zero",
         with(speed,
              [](auto& e) {
                  e.x = 500;
                  e.dayNight = true;
              }),
         4, 0},
    };
    for (const auto& c : cases) {
        const QString s = build({c.element});
        ASSERT_GE(s.size(), 21) << c.what;
        EXPECT_EQ(groupAt(s, 1 + 5 * (c.group - 1)), c.word) << c.what;
    }
}

TEST(ConfigWriter, TextValuedTypesSendNoText) {
    for (int id = 0; id <= 10; ++id) {
        LayoutElement e = value(id);
        if (valueTypePosition(id) == 0 && id != 0) continue; // no such id
        e.text = QStringLiteral("wxyz<>&#");
        for (const bool fixed : {false, true}) {
            e.fixedText = fixed;
            const QString s = build({e});
            const bool sent = id < 1 || id > 9;
            EXPECT_EQ(s.size(), sent ? 29 : 21) << id;
            EXPECT_EQ(groupAt(s, 6) >> 24, sent ? 8u : 0u) << id;
            EXPECT_EQ(s.mid(21), sent ? e.text : QString()) << id;
        }
    }
}

TEST(ConfigWriter, GraphicKindFields) {
    LayoutElement base(KindGraphic);
    base.x = 10;
    base.y = 20;
    base.x2 = 5;  // left of x: the width wraps
    base.y2 = 60; // height 40
    base.radius = 33;
    base.stroke = 3;
    base.fixedText = true;
    base.color = 0x0000FF;
    base.valueType = valueTypePosition(60);
    base.nrValues = 2;

    struct Expect {
        int kind;
        std::uint32_t stroke;
        std::uint32_t field3;
        std::uint32_t group4;
    };
    const std::uint32_t width = (5u - 10u) & 0x3FF; // 1019
    const Expect expects[] = {
        {0, 3, 55, 110},
        {1, 3, 33, 0},
        {2, 0, 33, 0},
        {3, 3, width, 40},
        {4, 0, width, 40},
        {5, 0, width, 40},
        {6, 0, width, 40},
        {7, 3, 33, 5u | 60u << 10},
        {8, 3, 33, 5u | 60u << 10},
        {9, 3, 33, 60},
        {10, 3, 33, 60},
        {11, 3, width, 40u | 33u << 10 | 1u << 20},
        {12, 3, width, 40u | 33u << 10 | 1u << 20},
        {13, 3, width, 40u | 33u << 10 | 1u << 20},
        {14, 3, width, 40u | 33u << 10 | 1u << 20},
    };
    for (const auto& x : expects) {
        LayoutElement e = base;
        e.graphicType = x.kind;
        const QString s = build({e});
        ASSERT_EQ(s.size(), 21) << x.kind;
        EXPECT_EQ(groupAt(s, 1), 1u | std::uint32_t(x.kind) << 3 | 60u << 11 | 2u << 19) << x.kind;
        EXPECT_EQ(groupAt(s, 6), 0xFF0000u | x.stroke << 24) << x.kind;
        EXPECT_EQ(groupAt(s, 11), 60u | 70u << 10 | x.field3 << 20) << x.kind;
        EXPECT_EQ(groupAt(s, 16), x.group4) << x.kind;
    }
}

TEST(ConfigWriter, NegativeDifferencesAndAnglesWrapInTenBits) {
    LayoutElement arc = graphic(GraphicKind::Arc);
    arc.x2 = -90;
    arc.y2 = 1100;
    EXPECT_EQ(groupAt(build({arc}), 16), ((-90u) & 0x3FF) | (1100u & 0x3FF) << 10);
    LayoutElement rect = graphic(GraphicKind::Rectangle);
    rect.y = 100;
    rect.y2 = 99;
    EXPECT_EQ(groupAt(build({rect}), 16), 1023u);
}

TEST(ConfigWriter, OverlongTextIsCutAndReported) {
    LayoutElement e = value(0);
    e.fixedText = true;
    e.text = QString(300, QLatin1Char('a'));
    LayoutElement fits = e;
    fits.text = QString(255, QLatin1Char('b'));
    LayoutElement textValued = value(1);
    textValued.text = QString(400, QLatin1Char('c'));

    const ElementVector layout = {fits, e, textValued};
    const QString s = build(layout);
    EXPECT_EQ(s.size(), 1 + 20 + 255 + 20 + 255 + 20);
    EXPECT_EQ(groupAt(s, 1 + 275 + 5) >> 24, 255u);
    EXPECT_EQ(s.mid(1 + 275 + 20, 255), QString(255, QLatin1Char('a')));
    EXPECT_EQ(overlongTextElements(layout, catalogs().valueTypes), std::vector<int>{1});

    // A surrogate pair across the cut is dropped whole.
    LayoutElement emoji = e;
    emoji.text = QString(254, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80") +
                 QStringLiteral("zz");
    const QString t = build({emoji});
    EXPECT_EQ(groupAt(t, 6) >> 24, 254u);
    EXPECT_EQ(t.mid(21), QString(254, QLatin1Char('a')));
}

TEST(ConfigWriter, FontIndicesFollowTheDevice) {
    // The same layout on a device with a different slot list gives other indices.
    int eighteen = -1;
    for (int i = 0; i < catalogs().devices.count(); ++i)
        if (fontSlotsOf(i).size() == 18) {
            eighteen = i;
            break;
        }
    ASSERT_GE(eighteen, 0);
    LayoutElement e = value(60);
    e.font = QStringLiteral("S_SMALL");
    EXPECT_EQ(groupAt(build({e}, edgeIndex()), 11) >> 20 & 0x1F, 0u);
    EXPECT_EQ(groupAt(build({e}, eighteen), 11) >> 20 & 0x1F, 11u);
}
