#include "templates/textfit.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "preview/facecache.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::shippedCatalogs();
}

const DeviceInfo& deviceNamed(const char* name) {
    const int index = catalogs().devices.findDeviceByName(QString::fromUtf8(name));
    EXPECT_GE(index, 0) << name;
    return catalogs().devices.at(std::max(index, 0));
}

LayoutElement speedValue() {
    LayoutElement e(KindValue);
    e.valueType = catalogs().valueTypes.positionByCode(SelectValueTypes, QStringLiteral("CS"));
    e.precision = 1;
    e.hAlignment = 1;
    return e;
}

LayoutElement timerValue() {
    LayoutElement e = speedValue();
    e.valueType = catalogs().valueTypes.positionByCode(SelectValueTypes, QStringLiteral("TT"));
    return e;
}

// Devices of different font families and sizes.
const char* const Devices[] = {"Edge 1030",       "fenix 7",   "Forerunner 965",
                               "Instinct E 40mm", "Edge 1050", "vivoactive"};

class TextFitTest : public ::testing::TestWithParam<const char*> {
protected:
    const DeviceInfo& device() const { return deviceNamed(GetParam()); }
    FaceCache faces;
};

// Given exactly the room of one slot's widest text, the choice is the tallest
// slot that fits that room: never shorter than that slot. Half a pixel less
// height and that slot no longer fits.
TEST_P(TextFitTest, TheTallestSlotThatFitsIsChosen) {
    const TextFit fit(catalogs(), faces, device());
    for (const QString& slot : TextFit::baseSlots()) {
        SCOPED_TRACE(slot.toStdString());
        LayoutElement e = speedValue();
        e.font = slot;
        const QRectF ink = fit.inkAtOrigin(e);
        ASSERT_FALSE(ink.isEmpty());

        const std::optional<QString> chosen =
            fit.largestFittingSlot({{speedValue(), ink.size()}}, TextFit::baseSlots());
        ASSERT_TRUE(chosen.has_value());
        LayoutElement c = speedValue();
        c.font = *chosen;
        const QRectF chosenInk = fit.inkAtOrigin(c);
        EXPECT_GE(chosenInk.height(), ink.height());
        EXPECT_LE(chosenInk.height(), ink.height() + 1e-9);
        EXPECT_LE(chosenInk.width(), ink.width() + 1e-9);

        const std::optional<QString> smaller = fit.largestFittingSlot(
            {{speedValue(), ink.size() - QSizeF(0, 0.5)}}, TextFit::baseSlots());
        if (!smaller) continue;
        c.font = *smaller;
        EXPECT_LT(fit.inkAtOrigin(c).height(), ink.height());
    }
}

// One slot for several texts: the widest of them decides.
TEST_P(TextFitTest, TheWidestTextOfAGroupDecides) {
    const TextFit fit(catalogs(), faces, device());
    LayoutElement timer = timerValue();
    timer.font = TextFit::baseSlots().last();
    const QRectF timerInk = fit.inkAtOrigin(timer);
    const QSizeF room(timerInk.width() / 2, timerInk.height() * 2);

    const std::optional<QString> alone =
        fit.largestFittingSlot({{speedValue(), room}}, TextFit::baseSlots());
    const std::optional<QString> together =
        fit.largestFittingSlot({{speedValue(), room}, {timerValue(), room}}, TextFit::baseSlots());
    ASSERT_TRUE(alone.has_value());
    if (together) {
        LayoutElement a = speedValue(), t = timerValue();
        a.font = *alone;
        t.font = *together;
        EXPECT_LE(fit.inkAtOrigin(t).width(), room.width());
        LayoutElement s = speedValue();
        s.font = *together;
        EXPECT_LE(fit.inkAtOrigin(s).height(), fit.inkAtOrigin(a).height());
    }
    EXPECT_FALSE(fit.largestFittingSlot({{speedValue(), QSizeF(1, 1)}}, TextFit::baseSlots()));
}

INSTANTIATE_TEST_SUITE_P(Devices, TextFitTest, ::testing::ValuesIn(Devices));

// Slots the device does not offer are never chosen, however much room there is.
TEST(TextFit, OnlyOfferedSlots) {
    FaceCache faces;
    const TextFit fit(catalogs(), faces, deviceNamed("Edge 1030"));
    const QSizeF room(10000, 10000);
    EXPECT_FALSE(fit.largestFittingSlot(
        {{speedValue(), room}},
        {QStringLiteral("S_NR_THAI_HOT"), QStringLiteral("GLANCE"), QStringLiteral("NOFONT")}));
    EXPECT_EQ(fit.largestFittingSlot({{speedValue(), room}},
                                     {QStringLiteral("GLANCE"), QStringLiteral("XTINY")}),
              QStringLiteral("XTINY"));
}

// The anchors put the ink where asked, to the pixel.
TEST(TextFit, AnchorsPlaceTheInk) {
    FaceCache faces;
    const TextFit fit(catalogs(), faces, deviceNamed("fenix 7"));
    LayoutElement e = timerValue();
    e.font = QStringLiteral("NR_MEDIUM");
    const QRectF ink = fit.inkAtOrigin(e);
    const QPoint centred = fit.anchorCentredOn(e, QPointF(130, 90));
    EXPECT_NEAR(ink.center().x() + centred.x(), 130, 0.5);
    EXPECT_NEAR(ink.center().y() + centred.y(), 90, 0.5);
    const QPoint below = fit.anchorBelow(e, 130, 40.25);
    EXPECT_GE(ink.top() + below.y(), 40.25);
    EXPECT_LT(ink.top() + below.y(), 41.25);
}

} // namespace
} // namespace zef
