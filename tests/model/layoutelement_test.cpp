#include "model/layoutelement.h"

#include <gtest/gtest.h>

using namespace zef;

TEST(LayoutElement, DefaultsMatchTheRecord) {
    const LayoutElement e;
    EXPECT_EQ(e.kind, KindNone);
    EXPECT_EQ(e.font, QStringLiteral("XTINY"));
    EXPECT_EQ(e.stroke, 1);
    EXPECT_EQ(e.nrValues, 1);
    for (int r = 0; r < DynamicColorRows; ++r) {
        EXPECT_EQ(e.dcValue[r], EmptyDcValue);
        EXPECT_EQ(e.dcColor[r], 0u);
        EXPECT_FALSE(e.dcHide[r]);
        EXPECT_FALSE(e.dcBlink[r]);
        EXPECT_TRUE(e.dynamicColor(r).isEmpty());
    }
    EXPECT_EQ(e.color, 0u);
    EXPECT_EQ(e.replaceColor, 0u);
    EXPECT_EQ(e.graphicType + e.valueType + e.x + e.y + e.x2 + e.y2 + e.radius + e.precision +
                  e.hAlignment,
              0);
    EXPECT_FALSE(e.invertColor || e.fixedText || e.dayNight || e.maxOnly);
    EXPECT_TRUE(e.text.isEmpty());
    EXPECT_TRUE(e.sampleText.isEmpty());
    EXPECT_FALSE(e.hasDynamicColorRows());
    EXPECT_EQ(LayoutElement(7).kind, 7);
}

TEST(LayoutElement, SameContentIgnoresRuntimeMembersOnly) {
    LayoutElement a(KindValue);
    LayoutElement b = a;
    b.prevX = 5;
    b.prevRadius = 9;
    b.textLeft = 3;
    b.textHeight = 12;
    EXPECT_TRUE(isSameContent(a, b));

    b = a;
    b.dcBlink[9] = true;
    EXPECT_FALSE(isSameContent(a, b));

    a.text = QStringLiteral("Speed");
    b = a;
    b.text = QStringLiteral("speed");
    EXPECT_FALSE(isSameContent(a, b));

    b = a;
    b.nrValues = 2;
    EXPECT_FALSE(isSameContent(a, b));
}

TEST(LayoutElement, CopyIsIndependent) {
    LayoutElement a(KindSeparator);
    a.text = QStringLiteral("one");
    LayoutElement b = a;
    b.text = QStringLiteral("two");
    EXPECT_EQ(a.text, QStringLiteral("one"));
}

TEST(LayoutElement, LineColourPerKind) {
    LayoutElement value(KindValue);
    EXPECT_EQ(elementLineColor(value), 0x00B40000u);
    value.fixedText = true;
    EXPECT_EQ(elementLineColor(value), 0u);
    EXPECT_EQ(elementLineColor(LayoutElement(KindGraphic)), 0x00000082u);
    EXPECT_EQ(elementLineColor(LayoutElement(KindDynamicColor)), 0x00008200u);
    EXPECT_EQ(elementLineColor(LayoutElement(KindSeparator)), 0x00969696u);
    EXPECT_EQ(elementLineColor(LayoutElement(9)), 0u);
}
