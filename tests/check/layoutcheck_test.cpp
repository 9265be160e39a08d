#include "check/layoutcheck.h"
#include "cli/documentio.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/layoutelements.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <limits>

namespace zef {
namespace {

// The catalogs with preview faces for two slots of each test device; the slot
// "TINY" of both has a device font but no face.
const Catalogs& catalogs() {
    static const Catalogs built = [] {
        Catalogs c;
        c.build();
        c.fonts.parsePreviewFaces(
            QStringLiteral("FNT_EDGE130_ROBOTO_CONDENSED_17;IDR_FNT_ROBOTO_COND_REG;17;0;0;0;0\n"
                           "FNT_EDGE130_ROBOTO_CONDENSED_18;IDR_FNT_ROBOTO_COND_REG;18;0;0;0;0\n"
                           "FNT_FENIX6_CDPG_ROBOTO_13B;IDR_FNT_ROBOTO_COND_BOLD;13;0;0;0;0\n"
                           "FNT_FENIX6_CDPG_ROBOTO_20B;IDR_FNT_ROBOTO_COND_BOLD;20;0;0;0;0\n"));
        return c;
    }();
    return built;
}

// A rectangular and a round screen, both of class M (35 elements).
constexpr const char* Rect = "Edge 130"; // 230x303, slots XTINY to NR_THAI_HOT
constexpr const char* Round = "fenix 6"; // 260x260, slots XTINY to S_NR_THAI_HOT

constexpr Bgr White = 0xFFFFFF;
constexpr Bgr Orange = 0x0080FF;
constexpr Bgr Grey = 0xA0A0A0;
constexpr int CurrentSpeed = 31;    // sample "45.34"
constexpr int CurrentHeading = 190; // "(H) Current heading"

LayoutElement text(int x, int y, int alignment, const QString& t, const char* slot = "SMALL",
                   Bgr color = White) {
    LayoutElement e(KindValue);
    e.x = x;
    e.y = y;
    e.hAlignment = alignment;
    e.text = t;
    e.fixedText = true;
    e.font = QLatin1String(slot);
    e.color = color;
    return e;
}

// "Current speed" with its sample reading and one decimal.
LayoutElement speed(int x, int y, int alignment, const QString& sample = {}, Bgr color = White) {
    LayoutElement e(KindValue);
    e.valueType = CurrentSpeed;
    e.precision = 1;
    e.sampleText = sample;
    e.x = x;
    e.y = y;
    e.hAlignment = alignment;
    e.font = QStringLiteral("SMALL");
    e.color = color;
    return e;
}

LayoutElement dynamicColor(Bgr replaced) {
    LayoutElement e(KindDynamicColor);
    e.replaceColor = replaced;
    e.dcValue[0] = 1000;
    e.dcColor[0] = 0x0000FF;
    return e;
}

QStringList check(const std::vector<LayoutElement>& elements, const char* deviceName) {
    const Catalogs& c = catalogs();
    const DeviceInfo& device = c.devices.at(c.devices.findDeviceByName(QLatin1String(deviceName)));
    LayoutCheck layoutCheck(c);
    QStringList lines;
    for (const Finding& f : layoutCheck.run(elements, device)) lines << findingLine(f);
    return lines;
}

struct CheckCase {
    const char* name;
    const char* device;
    std::vector<LayoutElement> elements;
    QStringList findings;
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
    return os << c.name;
}

const CheckCase CheckCases[] = {
    // --- a rectangular screen ---------------------------------------------------
    {"RectClean",
     Rect,
     {text(115, 10, 1, QStringLiteral("Speed"), "SMALL", Grey), speed(115, 40, 1),
      graphicElement(GraphicKind::Rectangle, 0, 0, 229,
                     302), // a frame on the screen's outermost pixels
      // A line paints half its pen past its end points.
      graphicElement(GraphicKind::Line, 1, 150, 228, 150, 0, 2),
      graphicElement(GraphicKind::Circle, 115, 200, 0, 0, 40, 3),
      graphicElement(GraphicKind::Arc, 115, 200, 180, 360, 30, 4),
      graphicElement(GraphicKind::RectangleHorizontalFill, 20, 260, 210, 290),
      graphicElement(GraphicKind::CircleFilled, 12, 12, 0, 0,
                     10), // in a corner, which a rectangle shows
      dynamicColor(White)},
     {}},
    {"RectOffScreen",
     Rect,
     {text(235, 100, 2, QStringLiteral("km/h")), text(-3, 100, 0, QStringLiteral("km/h")),
      graphicElement(GraphicKind::Line, 230, 10, 230, 50),
      graphicElement(GraphicKind::RectangleFilled, 10, -40, 50, 0),
      graphicElement(GraphicKind::Circle, 115, 150, 0, 0, 300)},
     {QStringLiteral("1: off-screen: the text \"km/h\" lies outside the 230x303 screen (x 239 to "
                     "274, y 104 to 120)"),
      QStringLiteral("2: off-screen: the text \"km/h\" lies outside the 230x303 screen (x -43 to "
                     "-7, y 104 to 120)"),
      QStringLiteral(
          "3: off-screen: the \"Line\" lies outside the 230x303 screen (x 230 to 230, y 10 to 50)"),
      QStringLiteral("4: off-screen: the \"Rectangle filled\" lies outside the 230x303 screen (x "
                     "10 to 49, y -40 to -1)"),
      QStringLiteral("5: off-screen: the \"Circle\" lies outside the 230x303 screen (x -185 to "
                     "415, y -150 to 450)")}},
    {"RectClippedText",
     Rect,
     // The sample "11.1" fits; its widest reading does not. The same fixed text fits.
     {speed(198, 100, 2, QStringLiteral("11.1")), text(198, 140, 2, QStringLiteral("11.1")),
      text(115, -8, 1, QStringLiteral("Speed")), text(5, 100, 0, QStringLiteral("Speed"))},
     {QStringLiteral(
          "1: clipped: the text \"22.2\" (widest digits) is cut off: 2 px past the right edge"),
      QStringLiteral("3: clipped: the text \"Speed\" is cut off: 3 px past the top edge"),
      QStringLiteral("4: clipped: the text \"Speed\" is cut off: 42 px past the left edge")}},
    {"RectClippedGraphics",
     Rect,
     {graphicElement(GraphicKind::RectangleFilled, 200, 280, 240, 310),
      graphicElement(GraphicKind::Line, 0, 0, 100, 0, 0, 3),
      graphicElement(GraphicKind::Line, 0, 0, 100, 0, 0, 1),
      graphicElement(GraphicKind::Circle, 40, 150, 0, 0, 50, 2),
      graphicElement(GraphicKind::ArcFilled, 115, 150, 90, 270, 160, 4)},
     {QStringLiteral("1: clipped: the \"Rectangle filled\" is cut off: 10 px past the right edge "
                     "and 7 px past the bottom edge"),
      QStringLiteral("2: clipped: the \"Line\" is cut off: 1 px past the left edge and 1 px past "
                     "the top edge"),
      QStringLiteral("4: clipped: the \"Circle\" is cut off: 11 px past the left edge"),
      QStringLiteral("5: clipped: the \"Arc dyn. filled\" is cut off: 47 px past the left edge, 12 "
                     "px past the top edge and 9 px past the bottom edge")}},
    {"RectOverlap",
     Rect,
     {speed(100, 50, 1), text(110, 55, 1, QStringLiteral("km/h")),
      text(115, 200, 1, QStringLiteral("Pace")), speed(100, 60, 1),
      // Texts that do not show do not collide.
      text(240, 100, 2, QStringLiteral("off")), text(245, 100, 2, QStringLiteral("off"))},
     {QStringLiteral(
          "1: overlap: the text \"22.2\" (widest digits) overlaps the texts of elements 2 and 4"),
      QStringLiteral("2: overlap: the text \"km/h\" overlaps the texts of elements 1 and 4"),
      QStringLiteral(
          "4: overlap: the text \"22.2\" (widest digits) overlaps the texts of elements 1 and 2"),
      QStringLiteral("5: off-screen: the text \"off\" lies outside the 230x303 screen (x 243 to "
                     "263, y 103 to 118)"),
      QStringLiteral("6: off-screen: the text \"off\" lies outside the 230x303 screen (x 248 to "
                     "268, y 103 to 118)")}},
    {"RectFont",
     Rect,
     {text(100, 50, 1, QStringLiteral("a"), "S_TINY"),
      text(100, 100, 1, QStringLiteral("b"), "TINY"),
      text(100, 150, 1, QStringLiteral("c"), "GLANCE"),
      text(100, 200, 1, QStringLiteral("d"), "XTINY")},
     {QStringLiteral("1: font: the font slot \"S_TINY\" is not offered on \"Edge 130\""),
      QStringLiteral(
          "2: font: the device font FNT_EDGE130_ROBOTO_CONDENSED_BOLD_17 of slot \"TINY\" has no "
          "preview face in fonts.txt, so the preview cannot show the text"),
      QStringLiteral("3: font: the font slot \"GLANCE\" is not offered on \"Edge 130\"")}},
    {"RectValueType",
     Rect,
     {[] {
          LayoutElement e = speed(100, 50, 1);
          e.valueType = CurrentHeading;
          return e;
      }(),
      [] {
          LayoutElement e = graphicElement(GraphicKind::DirectionArrow, 100, 150, 0, 0, 20, 2);
          e.valueType = CurrentHeading;
          return e;
      }(),
      graphicElement(GraphicKind::GraphLeftTop, 20, 200, 100, 250, 0, 2)},
     {QStringLiteral("1: value type: the value type \"(H) Current heading\" is not offered on "
                     "\"Edge 130\" (class M)"),
      QStringLiteral("2: value type: the value type \"(H) Current heading\" that drives it is not "
                     "offered on \"Edge 130\" (class M)"),
      QStringLiteral("2: value type: the graphic kind \"(H) Direction arrow\" is not offered on "
                     "\"Edge 130\" (class M)"),
      QStringLiteral("3: value type: the graphic kind \"(H) Graph left/top\" is not offered on "
                     "\"Edge 130\" (class M)")}},
    {"RectDynamicColour",
     Rect,
     {speed(100, 50, 1, {}, Orange), text(100, 100, 1, QStringLiteral("bpm"), "SMALL", Orange),
      dynamicColor(Orange), dynamicColor(0x563412), dynamicColor(Orange)},
     {QStringLiteral("2: dynamic colour: the dynamic colour of element 3 replaces its colour "
                     "FF8000, but its value type is \"-- None --\": select a value type"),
      QStringLiteral("4: dynamic colour: no value or graphic has its replace colour 123456, so it "
                     "colours nothing")}},
    // --- a round screen ------------------------------------------------------
    {"RoundClean",
     Round,
     {text(130, 20, 1, QStringLiteral("Speed"), "SMALL", Grey), speed(130, 60, 1),
      graphicElement(GraphicKind::Circle, 130, 130, 0, 0, 128, 2), // on the screen's outermost ring
      graphicElement(GraphicKind::ArcFilled, 130, 130, 150, 390, 120, 6),
      graphicElement(GraphicKind::RectangleFilled, 60, 200, 200, 220),
      graphicElement(GraphicKind::CircleFilled, 130, 245, 0, 0, 10),
      graphicElement(GraphicKind::Line, 10, 130, 249, 130), dynamicColor(White)},
     {}},
    {"RoundOffScreen",
     Round,
     // Corners of the screen rectangle lie outside the round screen.
     {graphicElement(GraphicKind::CircleFilled, 12, 12, 0, 0, 10),
      text(3, 250, 2, QStringLiteral("km/h")),
      graphicElement(GraphicKind::Line, 250, 0, 260, 10, 0, 2),
      graphicElement(GraphicKind::Circle, 130, 130, 0, 0, 200, 3)},
     {QStringLiteral("1: off-screen: the \"Circle filled\" lies outside the round 260x260 screen "
                     "(x 2 to 21, y 2 to 21)"),
      QStringLiteral("2: off-screen: the text \"km/h\" lies outside the round 260x260 screen (x 7 "
                     "to 46, y 255 to 271)"),
      QStringLiteral("3: off-screen: the \"Line\" lies outside the round 260x260 screen (x 248 to "
                     "261, y -2 to 11)"),
      QStringLiteral("4: off-screen: the \"Circle\" lies outside the round 260x260 screen (x -72 "
                     "to 331, y -72 to 331)")}},
    {"RoundClipped",
     Round,
     {graphicElement(GraphicKind::Circle, 130, 130, 0, 0, 130, 2),
      text(10, 60, 2, QStringLiteral("Speed")),
      // Up to the circle, with every pixel whose centre lies inside: shown whole.
      speed(130, 2, 1), graphicElement(GraphicKind::RectangleFilled, 60, 220, 200, 240),
      graphicElement(GraphicKind::Arc, 130, 130, 200, 340, 131, 3)},
     {QStringLiteral(
          "1: clipped: the \"Circle\" is cut off: 1 px past the edge of the round screen"),
      QStringLiteral(
          "2: clipped: the text \"Speed\" is cut off: 3 px past the edge of the round screen"),
      QStringLiteral(
          "5: clipped: the \"Arc\" is cut off: 3 px past the edge of the round screen")}},
    {"RoundOverlap",
     Round,
     {speed(130, 100, 1), text(140, 104, 2, QStringLiteral("km/h")), speed(130, 150, 1)},
     {QStringLiteral(
          "1: overlap: the text \"00.0\" (widest digits) overlaps the text of element 2"),
      QStringLiteral("2: overlap: the text \"km/h\" overlaps the text of element 1")}},
    {"RoundValueType",
     Round,
     {graphicElement(GraphicKind::DirectionTriangle, 130, 130, 0, 40, 20, 2),
      graphicElement(GraphicKind::Arc, 130, 130, 0, 90, 100, 2)},
     {QStringLiteral("1: value type: the graphic kind \"(H) Direction triangle\" is not offered on "
                     "\"fenix 6\" (class M)")}},
    {"RoundDynamicColour",
     Round,
     {text(130, 100, 1, QStringLiteral("bpm"), "SMALL", Orange), dynamicColor(Orange),
      dynamicColor(White)},
     {QStringLiteral("1: dynamic colour: the dynamic colour of element 2 replaces its colour "
                     "FF8000, but its value type is \"-- None --\": select a value type"),
      QStringLiteral("3: dynamic colour: no value or graphic has its replace colour FFFFFF, so it "
                     "colours nothing")}},
    {"RoundFont",
     Round,
     {text(130, 50, 1, QStringLiteral("a"), "GLANCE"),
      text(130, 100, 1, QStringLiteral("b"), "TINY"),
      text(130, 150, 1, QStringLiteral("c"), "S_XTINY")},
     {QStringLiteral("1: font: the font slot \"GLANCE\" is not offered on \"fenix 6\""),
      QStringLiteral("2: font: the device font FNT_FENIX6_CDPG_ROBOTO_18B of slot \"TINY\" has no "
                     "preview face in fonts.txt, so the preview cannot show the text")}},
};

class LayoutCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(LayoutCheckTest, FindsWhatWillNotShow) {
    const CheckCase& c = GetParam();
    const QStringList lines = check(c.elements, c.device);
    EXPECT_EQ(lines.join(QLatin1Char('\n')).toStdString(),
              c.findings.join(QLatin1Char('\n')).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutCheckTest, ::testing::ValuesIn(CheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two texts in the top left corner of a round screen, each partly shown,
// whose boxes meet only where the screen shows nothing.
TEST(LayoutCheckOverlap, TextsMeetingOnlyBesideARoundScreenDoNotOverlap) {
    const Catalogs& c = catalogs();
    const DeviceInfo& device = c.devices.at(c.devices.findDeviceByName(QLatin1String(Round)));
    const std::vector<LayoutElement> corner = {text(-4, -6, 2, QStringLiteral("SPEED SPEED")),
                                               text(10, 8, 2, QStringLiteral("SPEED"))};
    LayoutCheck layoutCheck(c);
    const std::vector<Finding> findings = layoutCheck.run(corner, device);
    ASSERT_EQ(findings.size(), 2u);
    for (const Finding& f : findings) EXPECT_EQ(f.kind, FindingKind::Clipped);
    EXPECT_TRUE(findings[0].area.intersects(findings[1].area));

    // Moved into the screen together, the same two texts overlap.
    std::vector<LayoutElement> inside = corner;
    for (LayoutElement& e : inside) {
        e.x += 60;
        e.y += 60;
    }
    const QStringList lines = check(inside, Round);
    EXPECT_EQ(lines.join(QLatin1Char('\n')).toStdString(),
              "1: overlap: the text \"SPEED SPEED\" overlaps the text of element 2\n"
              "2: overlap: the text \"SPEED\" overlaps the text of element 1");
}

// The example layout the designer opens first shows whole on its device, in
// the faces the designer ships.
TEST(LayoutCheckExample, FindsNothingInTheExampleLayout) {
    const Catalogs& shipped = test::shippedCatalogs();
    ScriptedPlatform platform;
    LayoutDocument document(shipped, platform);
    ASSERT_EQ(loadLayout(document, QStringLiteral(SOURCE_DIR "/res/layout.xml"), false).status,
              LoadStatus::Loaded);
    ASSERT_NE(document.device(), nullptr);
    ASSERT_GT(document.count(), 10);
    LayoutCheck layoutCheck(shipped);
    QStringList lines;
    for (const Finding& f : layoutCheck.run(document.elements(), *document.device()))
        lines << findingLine(f);
    EXPECT_TRUE(lines.isEmpty()) << lines.join(QLatin1Char('\n')).toStdString();
}

// Stored values are not bounded: elements far beyond the screen, in either
// direction, are measured without overflow and found off the screen.
TEST(LayoutCheckFarOut, ExtremeGeometryIsOffTheScreen) {
    constexpr int Max = std::numeric_limits<std::int32_t>::max();
    constexpr int Min = std::numeric_limits<std::int32_t>::min();
    std::vector<LayoutElement> far;
    for (int position = 0; position < GraphicKindCount; ++position) {
        const GraphicKind type = graphicKindAt(position);
        // Arcs keep their angles in x2 and y2; a graph needs bars to draw.
        const bool arc = isArc(type);
        // A direction mark's pen of 2^31 pixels, square-ended, would reach the
        // screen at some heading.
        const int stroke = isGraph(type) || isDirectionMark(type) ? 3 : Max;
        far.push_back(graphicElement(type, Max - 1000, Max - 1000, arc ? 0 : Max, arc ? 270 : Max,
                                     500, stroke));
        far.push_back(
            graphicElement(type, Min, Min, arc ? -90 : Min + 1000, arc ? 90 : Min + 1000, 500, 3));
    }
    const QStringList lines = check(far, "Edge 1030");
    ASSERT_EQ(lines.size(), qsizetype(far.size())) << lines.join(QLatin1Char('\n')).toStdString();
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("%1: off-screen: ").arg(i + 1)))
            << lines[i].toStdString();
}

} // namespace
} // namespace zef
