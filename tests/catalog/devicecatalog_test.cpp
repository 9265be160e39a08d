#include "catalog/devicecatalog.h"
#include "common/builtonce.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <set>

namespace zef {
namespace {

const DeviceCatalog& catalog() {
    return test::builtOnce<DeviceCatalog>();
}

const QString AmoledEditionName =
    QStringLiteral("epix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7  \u2013 AMOLED Edition");

std::map<int, int> histogram(int DeviceInfo::*member) {
    std::map<int, int> counts;
    for (const DeviceInfo& device : catalog().devices()) ++counts[device.*member];
    return counts;
}

QSet<QString> namesWhere(int DeviceInfo::*member, int value) {
    QSet<QString> names;
    for (const DeviceInfo& device : catalog().devices())
        if (device.*member == value) names.insert(device.name);
    return names;
}

TEST(DeviceCatalogTest, HoldsTheDevicesOfEachClass) {
    EXPECT_EQ(catalog().count(), 162);
    const std::map<int, int> expected = {{30, 9}, {35, 43}, {500, 110}};
    EXPECT_EQ(histogram(&DeviceInfo::maxElements), expected);
}

TEST(DeviceCatalogTest, MemorySizesAreTheKnownOnes) {
    std::set<int> sizes;
    for (const auto& [size, count] : histogram(&DeviceInfo::memoryBytes)) sizes.insert(size);
    const std::set<int> expected = {16384, 29328, 32768, 62096, 65536, 127632, 131072, 262144};
    EXPECT_EQ(sizes, expected);
}

TEST(DeviceCatalogTest, LastFontSlots) {
    const std::map<int, int> expected = {{8, 3}, {17, 145}, {19, 14}};
    EXPECT_EQ(histogram(&DeviceInfo::maxFontSlot), expected);
    const QSet<QString> gpsmaps = {"GPSMAP 66s / 66st", "GPSMAP 67 / 67i",
                                   "GPSMAP 86s / 86sc / 86i / 86sci"};
    EXPECT_EQ(namesWhere(&DeviceInfo::maxFontSlot, 8), gpsmaps);
    const QSet<QString> glanceDevices = {"Edge 540",
                                         "Edge 840",
                                         "Forerunner 255",
                                         "Forerunner 255 Music",
                                         "Forerunner 255s",
                                         "Forerunner 255s Music",
                                         "Forerunner 265",
                                         "Forerunner 265s",
                                         "Forerunner 955 / Solar",
                                         "Forerunner 965",
                                         "Instinct 2X Solar",
                                         "Instinct Crossover",
                                         "MARQ (Gen 2) Athlete / Adventurer / Captain / Golfer",
                                         "MARQ (Gen 2) Aviator"};
    EXPECT_EQ(namesWhere(&DeviceInfo::maxFontSlot, 19), glanceDevices);
}

TEST(DeviceCatalogTest, NamesAndPicturesAreUnique) {
    QSet<QString> names;
    std::set<int> pictures;
    for (const DeviceInfo& device : catalog().devices()) {
        EXPECT_FALSE(device.name.isEmpty());
        EXPECT_LE(device.name.size(), 66) << device.name.toStdString();
        EXPECT_GE(device.pictureId, 133) << device.name.toStdString();
        EXPECT_LE(device.pictureId, 379) << device.name.toStdString();
        names.insert(device.name);
        pictures.insert(device.pictureId);
    }
    EXPECT_EQ(names.size(), 162);
    EXPECT_EQ(pictures.size(), 162u);
}

TEST(DeviceCatalogTest, ScreensFitThePictures) {
    // Device pictures are at most 747 pixels wide and 1003 high.
    for (const DeviceInfo& device : catalog().devices()) {
        SCOPED_TRACE(device.name.toStdString());
        EXPECT_GT(device.screenWidth, 0);
        EXPECT_GT(device.screenHeight, 0);
        EXPECT_GE(device.screenX, 0);
        EXPECT_GE(device.screenY, 0);
        EXPECT_LE(device.screenX + device.screenWidth, 747);
        EXPECT_LE(device.screenY + device.screenHeight, 1003);
    }
}

struct RowCase {
    int index;
    DeviceInfo expected;
};

TEST(DeviceCatalogTest, RowsHoldTheirColumnsInOrder) {
    const RowCase cases[] = {
        {0, {"Approach S50", 357, 101, 178, 390, 390, 500, 262144, 17}},
        {6, {"D2 Bravo", 135, 92, 148, 218, 218, 30, 16384, 17}},
        {27, {"Edge 1050", 328, 36, 6, 480, 800, 500, 131072, 17}},
        {49, {AmoledEditionName, 317, 66, 256, 454, 454, 500, 262144, 17}},
        {107, {"GPSMAP 66s / 66st", 178, 71, 92, 240, 400, 500, 127632, 8}},
        {158, {"vivoactive HR", 193, 81, 98, 148, 205, 35, 29328, 17}},
        {161, {"vivolife", 200, 106, 153, 240, 240, 500, 127632, 17}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.index);
        const DeviceInfo& device = catalog().at(c.index);
        EXPECT_EQ(device.name, c.expected.name);
        EXPECT_EQ(device.pictureId, c.expected.pictureId);
        EXPECT_EQ(device.screenX, c.expected.screenX);
        EXPECT_EQ(device.screenY, c.expected.screenY);
        EXPECT_EQ(device.screenWidth, c.expected.screenWidth);
        EXPECT_EQ(device.screenHeight, c.expected.screenHeight);
        EXPECT_EQ(device.maxElements, c.expected.maxElements);
        EXPECT_EQ(device.memoryBytes, c.expected.memoryBytes);
        EXPECT_EQ(device.maxFontSlot, c.expected.maxFontSlot);
    }
}

TEST(DeviceCatalogTest, AmoledEditionNameHasEnDashAfterTwoSpaces) {
    const QString& name = catalog().at(49).name;
    EXPECT_EQ(name.size(), 66);
    const qsizetype dash = name.indexOf(QChar(0x2013));
    ASSERT_GE(dash, 2);
    EXPECT_EQ(name.mid(dash - 3, 5), QStringLiteral("7  \u2013 "));
}

struct FindCase {
    QString text;
    int expected;
    const char* why;
};

TEST(DeviceCatalogTest, FindDeviceByNameMatchesExactly) {
    const FindCase cases[] = {
        {"Edge 1030", 23, "exact name"},
        {"Edge 1030 plus", 25, "longer name is another device"},
        {"fenix 7", 64, "a prefix of other names still finds itself"},
        {AmoledEditionName, 49, "en dash and double space"},
        {"vivolife", 161, "last device"},
        {"edge 1030", -1, "case-sensitive"},
        {"Edge 1030 ", -1, "trailing space"},
        {"Edge", -1, "prefix only"},
        {"epix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7 - AMOLED Edition", -1,
         "hyphen and one space instead of the en dash"},
        {"", -1, "empty"},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(catalog().findDeviceByName(c.text), c.expected) << c.why;
}

TEST(DeviceCatalogTest, ClassLetterFollowsMaxElements) {
    const std::pair<int, const char*> cases[] = {{30, "L"}, {35, "M"}, {500, "H"},
                                                 {0, "H"},  {34, "H"}, {36, "H"}};
    for (const auto& [maxElements, letter] : cases) {
        DeviceInfo device;
        device.maxElements = maxElements;
        EXPECT_EQ(DeviceCatalog::deviceClassLetter(device), QLatin1String(letter)) << maxElements;
    }
    EXPECT_EQ(DeviceCatalog::deviceClassLetter(catalog().at(6)), QStringLiteral("L"));
    EXPECT_EQ(DeviceCatalog::deviceClassLetter(catalog().at(1)), QStringLiteral("M"));
    EXPECT_EQ(DeviceCatalog::deviceClassLetter(catalog().at(0)), QStringLiteral("H"));
}

TEST(DeviceCatalogTest, SummaryTextCutsTheNameAtThirtyCharacters) {
    const std::pair<int, const char*> cases[] = {
        {23, "Edge 1030 | Res: 282x470 px | Mem: 127632 bytes -> (H)"},
        {6, "D2 Bravo | Res: 218x218 px | Mem: 16384 bytes -> (L)"},
        {1, "Approach S60 | Res: 240x240 px | Mem: 29328 bytes -> (M)"},
        {49, "epix Pro (Gen 2) 51mm / D2 Mac | Res: 454x454 px | Mem: 262144 bytes -> (H)"},
        {66, "fenix 7 Pro - Solar Edition (n | Res: 260x260 px | Mem: 262144 bytes -> (H)"},
    };
    for (const auto& [index, text] : cases)
        EXPECT_EQ(DeviceCatalog::deviceSummaryText(catalog().at(index)), QString::fromUtf8(text));

    DeviceInfo exact;
    exact.name = QString(30, QLatin1Char('x'));
    exact.maxElements = 35;
    EXPECT_EQ(DeviceCatalog::deviceSummaryText(exact),
              exact.name + QStringLiteral(" | Res: 0x0 px | Mem: 0 bytes -> (M)"));
}

} // namespace
} // namespace zef
