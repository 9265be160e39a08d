#include "filestestsupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace zef {
namespace {

using test::Session;

constexpr const char* EveryKindDevice =
    "epix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7  \xE2\x80\x93 AMOLED Edition";

// A value, a fixed text, every graphic kind, two dynamic colours, a separator
// and an element of a kind the designer does not know: the layout of
// tests/data/files/every-kind.xml.
ElementVector everyKindLayout() {
    ElementVector layout;
    LayoutElement speed(KindValue);
    speed.color = 0x000080FF;
    speed.x = -5;
    speed.y = 20;
    speed.maxOnly = true;
    speed.valueType = 31; // "CS"
    speed.text = QStringLiteral("$V km/h");
    speed.font = QStringLiteral("MEDIUM");
    speed.hAlignment = 1;
    speed.precision = 2;
    speed.sampleText = QStringLiteral("45.34");
    layout.push_back(speed);

    LayoutElement fixed(KindValue);
    fixed.color = 0x00FFFFFF;
    fixed.x = 120;
    fixed.fixedText = true;
    fixed.dayNight = true;
    fixed.text = QStringLiteral("Tom & \"Jerry\" <3> 'x' Grüße €");
    fixed.font = QStringLiteral("SMALL");
    fixed.hAlignment = 2;
    fixed.nrValues = 3;
    layout.push_back(fixed);

    LayoutElement distance(KindValue);
    distance.color = 0x00563412;
    distance.y = 240;
    distance.valueType = 27; // "DC"
    distance.font = QStringLiteral("NR_HOT");
    distance.precision = 1;
    distance.sampleText = QStringLiteral("8.34 km");
    layout.push_back(distance);

    for (int g = 0; g < 15; ++g) {
        LayoutElement e(KindGraphic);
        e.color = static_cast<Bgr>(g * 0x11) | (static_cast<Bgr>(0xFF - g) << 8) | (0x40u << 16);
        e.x = 5 + g;
        e.y = 6 + 2 * g;
        e.x2 = 100 + g;
        e.y2 = 120 - g;
        e.graphicType = g;
        e.valueType = g == 0 ? 0 : (g % 2 ? 31 : 24); // FX, CS, DS
        e.fixedText = g % 3 == 0;
        e.maxOnly = g % 2 == 1;
        e.dayNight = g % 4 == 0;
        e.radius = 3 * g;
        e.stroke = 1 + g % 5;
        e.nrValues = 1 + g;
        layout.push_back(e);
    }

    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = 0x00563412;
    dc.setDynamicColor(0, {150, 0x000000FF, false, true});
    dc.setDynamicColor(3, {-25, 0x0000FF00, true, false});
    layout.push_back(dc);

    LayoutElement emptyDc(KindDynamicColor);
    emptyDc.invertColor = true;
    layout.push_back(emptyDc);

    LayoutElement separator(KindSeparator);
    separator.text = QStringLiteral("----------------- Seperator ------------------");
    layout.push_back(separator);

    layout.push_back(LayoutElement(7));
    return layout;
}

const QDateTime FixtureTime(QDate(2024, 3, 5), QTime(9, 7));

TEST(LayoutRoundTrip, EveryKindIsWrittenByteForByteAsExpected) {
    Session s(test::deviceIndex(EveryKindDevice));
    ASSERT_GE(s.document.selectedDevice(), 0);
    s.add(everyKindLayout());
    ASSERT_EQ(s.document.count(), 22);

    const QByteArray expected = test::readFile(test::dataPath("every-kind.xml"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(layoutFileBytes(s.document, FixtureTime), expected);
}

TEST(LayoutRoundTrip, SavedAndLoadedGivesTheSameElements) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Spaces and letters outside ASCII in both the folder and the file name.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Meine Layouts é ü")));
    const QString path = dir.filePath(QStringLiteral("Meine Layouts é ü/Läufer 日本.xml"));

    Session writer(test::deviceIndex(EveryKindDevice));
    writer.add(everyKindLayout());
    QString error;
    ASSERT_TRUE(writeLayoutFile(writer.document, path, &error)) << error.toStdString();
    writer.document.markSaved(path);
    EXPECT_TRUE(writer.platform.messages.empty());
    EXPECT_FALSE(writer.document.isModified());

    const QByteArray onDisk = test::readFile(path);
    EXPECT_EQ(test::withFixedTime(onDisk), test::readFile(test::dataPath("every-kind.xml")))
        << "the saved file differs from the expected one apart from the time";

    Session reader(test::deviceIndex("Edge 1030"));
    const LoadResult result = loadLayout(reader.document, path, false);
    ASSERT_EQ(result.status, LoadStatus::Loaded) << result.error.toStdString();
    EXPECT_EQ(result.added, 22);
    EXPECT_EQ(reader.document.selectedDevice(), writer.document.selectedDevice());
    EXPECT_EQ(reader.document.designDevice(), writer.document.selectedDevice());
    ASSERT_EQ(reader.document.count(), writer.document.count());
    const ElementVector written = test::asShown(writer.document.elements());
    for (int i = 0; i < reader.document.count(); ++i)
        EXPECT_TRUE(isSameContent(reader.document.elements()[i], written[i])) << "element " << i;
    EXPECT_EQ(reader.document.fileName(), path);
    EXPECT_FALSE(reader.document.isModified());
    EXPECT_TRUE(reader.platform.messages.empty());

    // Written again, the bytes are those of the layout as the writer's window
    // showed it.
    EXPECT_EQ(layoutFileBytes(reader.document, FixtureTime),
              layoutFileBytes(written, QString::fromUtf8(EveryKindDevice),
                              test::catalogs().valueTypes, FixtureTime));
}

TEST(LayoutRoundTrip, ExpectedFileLoadsIntoTheSameLayout) {
    Session s;
    const LoadResult result = loadLayout(s.document, test::dataPath("every-kind.xml"), false);
    ASSERT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(s.document.selectedDevice(), test::deviceIndex(EveryKindDevice));
    EXPECT_TRUE(isSameLayout(s.document.elements(), test::asShown(everyKindLayout())));
    EXPECT_EQ(s.document.selection(), s.document.count() - 1) << "the last line is selected";
    for (const LayoutElement& e : s.document.elements()) {
        EXPECT_EQ(e.prevX, e.x);
        EXPECT_EQ(e.prevY2, e.y2);
        EXPECT_EQ(e.prevStroke, e.stroke);
        EXPECT_EQ(e.prevRadius, e.radius);
    }
}

} // namespace
} // namespace zef
