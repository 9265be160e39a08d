#include "templates/starterlayouts.h"

#include "catalog/catalogs.h"
#include "catalog/screenshape.h"
#include "check/layoutcheck.h"
#include "cli/documentio.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "config/configstring.h"
#include "model/layoutdocument.h"
#include "preview/facecache.h"
#include "templates/textfit.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLineF>

#include <map>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::shippedCatalogs();
}

// One maker for the whole binary: its face cache is shared by every test.
StarterLayouts& starters() {
    static StarterLayouts layouts(catalogs());
    return layouts;
}

// How bright a colour looks (0..255): what is drawn must stand out on black.
double brightness(Bgr c) {
    return 0.299 * color::red(c) + 0.587 * color::green(c) + 0.114 * color::blue(c);
}

// Every starter layout offered on a device, made once per device by the
// table test and checked from every side.
class EveryDeviceTest : public ::testing::TestWithParam<int> {
protected:
    const DeviceInfo& device() const { return catalogs().devices.at(GetParam()); }

    void expectFileRoundTrip(const ElementVector& layout) {
        ScriptedPlatform platform;
        LayoutDocument written(catalogs(), platform);
        written.replaceLayout(layout, GetParam(), QString());
        ASSERT_TRUE(isSameLayout(written.elements(), layout));
        const QByteArray bytes = layoutFileBytes(written, QDateTime(QDate(2026, 1, 2), QTime()));
        LayoutDocument read(catalogs(), platform);
        const LoadResult loaded =
            loadLayoutFromBytes(read, bytes, QStringLiteral("starter.xml"), false);
        ASSERT_EQ(loaded.status, LoadStatus::Loaded) << loaded.error.toStdString();
        EXPECT_EQ(read.device(), &device());
        EXPECT_TRUE(isSameLayout(read.elements(), layout));
        EXPECT_EQ(layoutFileBytes(read, QDateTime(QDate(2026, 1, 2), QTime())), bytes);
        EXPECT_TRUE(platform.messages.empty()) << platform.messageTexts().join('\n').toStdString();
    }

    // What the check does not look at: each caption sits right above its value,
    // no text touches a separator line, and texts stay inside a gauge's arc.
    void expectPlacement(const ElementVector& layout) {
        FaceCache faces;
        const TextFit fit(catalogs(), faces, device());
        const auto ink = [&fit](const LayoutElement& e) {
            return fit.inkAtOrigin(e).translated(e.x, e.y);
        };
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const LayoutElement& e = layout[i];
            if (e.kind != KindValue) continue;
            const QRectF text = ink(e);
            if (e.fixedText) {
                ASSERT_LT(i + 1, layout.size());
                const LayoutElement& value = layout[i + 1];
                ASSERT_TRUE(value.kind == KindValue && !value.fixedText) << i;
                const QRectF below = ink(value);
                EXPECT_LE(text.bottom(), below.top()) << e.text.toStdString();
                EXPECT_NEAR(text.center().x(), below.center().x(), 1.0) << e.text.toStdString();
            }
            for (const LayoutElement& g : layout) {
                if (g.kind != KindGraphic) continue;
                if (g.graphicKind() == GraphicKind::Line) {
                    const QRectF line = QRectF(QPointF(g.x, g.y), QPointF(g.x2, g.y2))
                                            .normalized()
                                            .adjusted(0, 0, g.stroke, g.stroke);
                    EXPECT_FALSE(line.intersects(text))
                        << e.text.toStdString() << " meets the line at " << g.x << "," << g.y;
                } else if (isArc(g.graphicKind())) {
                    const qreal inner = g.radius - g.stroke / 2.0;
                    for (QPointF corner :
                         {text.topLeft(), text.topRight(), text.bottomLeft(), text.bottomRight()})
                        EXPECT_LT(QLineF(corner, QPointF(g.x, g.y)).length(), inner)
                            << e.text.toStdString();
                }
            }
        }
    }

    void expectConfigRoundTrip(const ElementVector& layout) {
        ScriptedPlatform platform;
        LayoutDocument document(catalogs(), platform);
        document.selectDevice(GetParam());
        const QString string =
            BuildConfigString(layout, catalogs().valueTypes, documentFontSlots(document));
        ASSERT_TRUE(loadConfigString(document, string));
        EXPECT_EQ(document.device(), &device());
        EXPECT_TRUE(isSameLayout(document.elements(), layout));
        EXPECT_EQ(BuildConfigString(document.elements(), catalogs().valueTypes,
                                    documentFontSlots(document)),
                  string);
        EXPECT_TRUE(platform.messages.empty()) << platform.messageTexts().join('\n').toStdString();
    }
};

TEST_P(EveryDeviceTest, OffersAtLeastThreeThatPassTheCheckAndTravel) {
    const DeviceInfo& d = device();
    SCOPED_TRACE(d.name.toStdString());
    const std::vector<const StarterTemplate*> offered = starters().offeredOn(d);
    EXPECT_GE(offered.size(), 3u);
    LayoutCheck check(catalogs());
    const QStringList offeredSlots =
        catalogs().fonts.offeredFontSlots(d, catalogs().valueTypes.fontSlots);
    for (const StarterTemplate* t : offered) {
        SCOPED_TRACE(t->name);
        const std::optional<ElementVector> layout = starters().layout(*t, d);
        ASSERT_TRUE(layout.has_value());
        ASSERT_FALSE(layout->empty());
        EXPECT_LE(int(layout->size()), d.maxElements);
        for (const Finding& f : check.run(*layout, d))
            ADD_FAILURE() << findingLine(f).toStdString();
        for (const LayoutElement& e : *layout) {
            ASSERT_TRUE(e.kind == KindValue || e.kind == KindGraphic);
            EXPECT_GE(brightness(e.color), 64) << color::toHexText(e.color).toStdString();
            if (e.kind != KindValue) continue;
            EXPECT_TRUE(offeredSlots.contains(e.font)) << e.font.toStdString();
            // Captions are words: never in a number slot, which may hold digits only.
            if (e.fixedText) {
                EXPECT_TRUE(TextFit::textSlots().contains(e.font)) << e.font.toStdString();
            }
        }
        expectPlacement(*layout);
        expectFileRoundTrip(*layout);
        expectConfigRoundTrip(*layout);
    }
}

TEST(StarterLayouts, TheTableCoversEveryDevice) {
    EXPECT_EQ(catalogs().devices.count(), 162);
}

INSTANTIATE_TEST_SUITE_P(Devices, EveryDeviceTest, ::testing::Range(0, 162),
                         [](const auto& info) { return "device" + std::to_string(info.param); });

} // namespace
} // namespace zef
