#include "previewfixture.h"

#include "catalog/devicefonts.h"
#include "preview/elementpainter.h"
#include "preview/facecache.h"

#include <QFile>
#include <QPainter>
#include <QRawFont>

#include <cmath>

namespace zef::testing {
namespace {

// The face "Edge 1050" uses for its text slots in these tests: DejaVu Sans
// Condensed Bold at 20 px, x offsets right 4, centre 3, left 2, y offset 5.
constexpr int FaceId = 242;
constexpr int PixelSize = 20;
constexpr int OffsetY = 5;
constexpr int OffsetForAlignment[] = {4, 3, 2};

QRawFont referenceFont() {
    QFile file(QString::fromUtf8(faceFileById(FaceId)->resourcePath));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QRawFont(file.readAll(), PixelSize, QFont::PreferVerticalHinting);
}

qreal advanceOf(const QRawFont& font, const QString& text) {
    qreal x = 0;
    for (const QPointF& a : font.advancesForGlyphIndexes(font.glyphIndexesForString(text)))
        x += a.x();
    return x;
}

// Bounding box of every pixel of the image that is not the screen's black.
QRect inkBox(const QImage& image, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0) box |= QRect(x, y, 1, 1);
    return box;
}

struct AlignmentCase {
    int alignment;
    const char* name;
};

class ValueTextTest : public PreviewFixture, public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(ValueTextTest, DrawsInItsFaceAtItsAnchorAndStoresTheTextBox) {
    const int a = GetParam().alignment;
    const QString text = QStringLiteral("8642 km");
    add(valueElement(200, 100, a, text));
    const QImage image = render();

    const QRawFont font = referenceFont();
    ASSERT_TRUE(font.isValid());
    const qreal padding = PixelSize / 6.0;
    const qreal width = advanceOf(font, text) + 2 * padding;
    const qreal lineHeight = font.ascent() + font.descent() + font.leading();
    const qreal anchorX = 200 + OffsetForAlignment[a];
    const qreal left = a == 0 ? anchorX - width : a == 1 ? anchorX - width / 2 : anchorX;

    // Ink lies between the padded ends, spans the face's advance and stays
    // within the line below the anchor.
    const QRect ink = inkBox(image, QRect(device->screenX, device->screenY + 80, 480, 60));
    ASSERT_FALSE(ink.isNull());
    const int sx = device->screenX, sy = device->screenY;
    EXPECT_GE(ink.left() - sx, std::floor(left + padding) - 2);
    EXPECT_LE(ink.right() - sx, std::ceil(left + width - padding) + 1);
    EXPECT_GE(ink.width(), advanceOf(font, text) - 6);
    EXPECT_GE(ink.top() - sy, 100 + OffsetY);
    EXPECT_LE(ink.bottom() - sy, 100 + OffsetY + lineHeight);

    const LayoutElement& e = document.elements()[0];
    const int textWidth = int(std::trunc(0.8 * width));
    EXPECT_EQ(e.textWidth, textWidth);
    EXPECT_EQ(e.textHeight, int(std::trunc(0.6 * lineHeight)));
    if (a == 0) {
        EXPECT_EQ(e.textLeft, 200 - textWidth);
        EXPECT_EQ(e.textTop, 100);
    } else if (a == 1) {
        EXPECT_EQ(e.textLeft, 200 - textWidth / 2);
        EXPECT_EQ(e.textTop, 100);
    } else {
        const int clientLeft = int(std::trunc(650 + sx + left + 0.15 * textWidth));
        const int clientTop = int(std::trunc(35 + sy + 100 + OffsetY + 0.4 * e.textHeight));
        EXPECT_EQ(e.textLeft, clientLeft - 650 - sx);
        EXPECT_EQ(e.textTop, clientTop - 35 - sy);
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, ValueTextTest,
                         ::testing::Values(AlignmentCase{0, "Right"}, AlignmentCase{1, "Center"},
                                           AlignmentCase{2, "Left"}),
                         [](const auto& info) { return std::string(info.param.name); });

class ValueTextFaceTest : public PreviewFixture {};

TEST_F(ValueTextFaceTest, TextIsPaintedWithAVerticalGradientInGradientMode) {
    LayoutElement v = valueElement(10, 100, 2, QStringLiteral("IIIIIIII"), RedBgr);
    add(v);
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = RedBgr;
    dc.dcValue[0] = 1;
    dc.dcColor[0] = RedBgr;
    dc.dcValue[1] = 2;
    dc.dcColor[1] = 0xFF0000; // blue
    add(dc);
    // The value type of the text matters only to the warning, which is not tested here.
    renderer.viewState().showDcGradient = true;
    const QImage image = render();
    const QRect ink = inkBox(image, QRect(device->screenX, device->screenY + 90, 200, 50));
    ASSERT_GT(ink.height(), 8);
    const int x = ink.left() + 1;
    const QRgb top = image.pixel(x, ink.top() + 1), bottom = image.pixel(x, ink.bottom() - 1);
    EXPECT_GT(qRed(top), qRed(bottom));
    EXPECT_LT(qBlue(top), qBlue(bottom));
}

TEST_F(ValueTextFaceTest, SlotWithoutFaceDrawsNothingAndLeavesAnEmptyBox) {
    // "GLANCE" is not a slot of "Edge 1050": no font name, no face.
    for (int a : {0, 1, 2}) {
        document.elementsForDrawing().clear();
        LayoutElement v = valueElement(200, 100, a, QStringLiteral("123"));
        v.font = QStringLiteral("GLANCE");
        add(v);
        const QImage image = render();
        EXPECT_TRUE(inkBox(image, QRect(device->screenX, device->screenY, 480, 800)).isNull());
        const LayoutElement& e = document.elements()[0];
        EXPECT_EQ(e.textWidth, 0);
        EXPECT_EQ(e.textHeight, 0);
        if (a == 2) {
            // The corner of an empty box is the client origin.
            EXPECT_EQ(e.textLeft, -650 - device->screenX);
            EXPECT_EQ(e.textTop, -35 - device->screenY);
        } else {
            EXPECT_EQ(e.textLeft, 200);
            EXPECT_EQ(e.textTop, 100);
        }
    }
}

TEST_F(ValueTextFaceTest, EachFaceFileIsReadOnceForAllPaints) {
    ElementPainter painter(sharedCatalogs());
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter p(&image);
    const PreviewFace regular{233, 20, 0, 0, 0, 0};
    const PreviewFace bold{232, 30, 0, 0, 0, 0};
    const PreviewFace boldSmall{232, 12, 0, 0, 0, 0};
    for (int paint = 0; paint < 5; ++paint) {
        painter.DrawValueText(p, regular, 10, 10, Red, Red, 2, QStringLiteral("12:34"));
        painter.DrawValueText(p, bold, 10, 50, Red, Red, 2, QStringLiteral("56 km/h"));
        painter.DrawValueText(p, boldSmall, 10, 90, Red, Red, 2, QStringLiteral("7"));
    }
    EXPECT_EQ(painter.faces().filesRead(), 2);
}

TEST_F(ValueTextFaceTest, RegularAndBoldFacesOfOneFamilyAreTheirOwnFiles) {
    ElementPainter painter(sharedCatalogs());
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter p(&image);
    const QString text = QStringLiteral("Wa1,Mg");
    for (int faceId : {232, 233, 239, 240, 241, 242}) {
        SCOPED_TRACE(faceId);
        QFile file(QString::fromUtf8(faceFileById(faceId)->resourcePath));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRawFont reference(file.readAll(), 20);
        const QRectF box =
            painter.DrawValueText(p, PreviewFace{faceId, 20, 0, 0, 0, 0}, 0, 0, Red, Red, 2, text);
        EXPECT_NEAR(box.width(), advanceOf(reference, text) + 20.0 / 3, 0.01);
        EXPECT_NEAR(box.height(), reference.ascent() + reference.descent() + reference.leading(),
                    0.01);
    }
    const QRectF none =
        painter.DrawValueText(p, PreviewFace{0, 20, 0, 0, 0, 0}, 5, 5, Red, Red, 2, text);
    EXPECT_EQ(none, QRectF(0, 0, 0, 0));
}

} // namespace
} // namespace zef::testing
