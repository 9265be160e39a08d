#include "catalog/valuetypecatalog.h"
#include "common/builtonce.h"

#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>
#include <vector>

namespace zef {
namespace {

const ValueTypeCatalog& catalog() {
    return test::builtOnce<ValueTypeCatalog>();
}

DeviceInfo deviceWithLimit(int maxElements) {
    DeviceInfo device;
    device.name = QStringLiteral("Test device");
    device.maxElements = maxElements;
    return device;
}

int levelOfName(const QString& name) {
    if (name.startsWith(QLatin1String("(H) "))) return 500;
    if (name.startsWith(QLatin1String("(M) "))) return 35;
    return 30;
}

TEST(ValueTypeCatalogTest, FontSlotsInPositionOrder) {
    const QStringList expected = {
        "XTINY",     "TINY",        "SMALL",    "MEDIUM",        "LARGE",   "NR_MILD",  "NR_MEDIUM",
        "NR_HOT",    "NR_THAI_HOT", "S_XTINY",  "S_TINY",        "S_SMALL", "S_MEDIUM", "S_LARGE",
        "S_NR_MILD", "S_NR_MEDIUM", "S_NR_HOT", "S_NR_THAI_HOT", "GLANCE",  "GLANCENR"};
    EXPECT_EQ(catalog().fontSlots, expected);
}

TEST(ValueTypeCatalogTest, BuildTwiceDoesNotGrowTheLists) {
    ValueTypeCatalog c;
    c.build();
    c.build();
    EXPECT_EQ(c.fontSlots.size(), 20);
    EXPECT_EQ(c.elementKinds.size(), 4u);
    EXPECT_EQ(c.graphicKinds.size(), 15u);
    EXPECT_EQ(c.valueTypes.size(), 215u);
}

struct KindCase {
    const char* name;
    const char* code;
};

void expectKinds(const CatalogList& list, const std::vector<KindCase>& expected) {
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list[i].name, QString::fromLatin1(expected[i].name));
        EXPECT_EQ(list[i].code, QString::fromLatin1(expected[i].code));
        EXPECT_EQ(list[i].id, static_cast<int>(i));
        EXPECT_TRUE(list[i].sampleValue.isEmpty());
        EXPECT_TRUE(list[i].displayPattern.isEmpty());
    }
}

TEST(ValueTypeCatalogTest, ElementKinds) {
    expectKinds(catalog().elementKinds,
                {{"Value", "V"}, {"Graphic", "G"}, {"Dynamic color", "C"}, {"- Seperator -", "S"}});
}

TEST(ValueTypeCatalogTest, GraphicKinds) {
    expectKinds(catalog().graphicKinds, {{"Line", "LN"},
                                         {"Circle", "CR"},
                                         {"Circle filled", "CF"},
                                         {"Rectangle", "RC"},
                                         {"Rectangle filled", "RF"},
                                         {"Rct hor. filled", "RH"},
                                         {"Rct vert. filled", "RV"},
                                         {"Arc", "AC"},
                                         {"Arc dyn. filled", "AF"},
                                         {"(H) Direction arrow", "DA"},
                                         {"(H) Direction triangle", "DT"},
                                         {"(H) Graph left/top", "GL"},
                                         {"(H) Graph right/top", "GR"},
                                         {"(H) Graph left/bottom", "GB"},
                                         {"(H) Graph right/bottom", "GT"}});
}

TEST(ValueTypeCatalogTest, LevelsFollowTheNamePrefixInEveryList) {
    for (const CatalogList* list :
         {&catalog().elementKinds, &catalog().graphicKinds, &catalog().valueTypes}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            SCOPED_TRACE((*list)[i].name.toStdString());
            EXPECT_EQ((*list)[i].level, levelOfName((*list)[i].name));
        }
    }
    const auto& vt = catalog().valueTypes;
    const auto count = [&vt](int level) {
        return std::count_if(vt.begin(), vt.end(),
                             [level](const ValueTypeInfo& e) { return e.level == level; });
    };
    EXPECT_EQ(count(30), 25);
    EXPECT_EQ(count(35), 64);
    EXPECT_EQ(count(500), 126);
}

TEST(ValueTypeCatalogTest, IdsAreUniqueAndCodesUniqueExceptWa) {
    const auto& vt = catalog().valueTypes;
    ASSERT_EQ(vt.size(), 215u);
    QSet<int> ids;
    QSet<QString> codes;
    QSet<QString> names;
    for (std::size_t i = 0; i < vt.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(ids.contains(vt[i].id));
        ids.insert(vt[i].id);
        EXPECT_GE(vt[i].id, 0);
        EXPECT_LE(vt[i].id, 245);
        EXPECT_EQ(vt[i].code.size(), 2);
        if (vt[i].code != QLatin1String("WA")) {
            EXPECT_FALSE(codes.contains(vt[i].code));
        }
        codes.insert(vt[i].code);
        EXPECT_FALSE(names.contains(vt[i].name));
        names.insert(vt[i].name);
    }
    EXPECT_EQ(codes.size(), 214);
    EXPECT_EQ(vt[56].code, QStringLiteral("WA"));
    EXPECT_EQ(vt[57].code, QStringLiteral("WA"));
}

TEST(ValueTypeCatalogTest, TextValuedTypesAreExactlyTheIdsBelowTen) {
    std::vector<int> positions;
    const auto& vt = catalog().valueTypes;
    for (std::size_t i = 0; i < vt.size(); ++i)
        if (vt[i].id < 10) positions.push_back(static_cast<int>(i));
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 2, 188, 189, 204, 205, 208, 209, 210}));
    // Their pattern is the literal they show (empty for "-- None --").
    for (int p : positions) EXPECT_EQ(vt[p].displayPattern, vt[p].sampleValue) << p;
}

struct RowCase {
    int position;
    const char* name;
    const char* code;
    int id;
    const char* sampleValue;
    const char* displayPattern;
    int level;
};

TEST(ValueTypeCatalogTest, SpotChecksAcrossTheTable) {
    // clang-format off
    const RowCase cases[] = {
        {  0, "-- None --",                       "FX",   0, "",                  "",                  30},
        {  1, "(M) Name of destination",          "ND",   1, "Mordor",            "Mordor",            35},
        {  3, "Current date/time",                "CT",  10, "63312",             "$D.$N.$Y $H:$M:$S", 30},
        { 17, "(M) Total pause time",             "TI",  26, "374",               "$H:$M:$S",          35},
        { 24, "Elapsed Distance",                 "DS",  50, "12.56",             "$V",                30},
        { 27, "(H) Distance to coordinate",       "DC",  57, "8.34",              "$V",               500},
        { 31, "Current speed",                    "CS",  60, "45.34",             "$V",                30},
        { 41, "(M) Steps goal",                   "SG", 232, "10000",             "$V",                35},
        { 56, "(H) Watt per kg/pound",            "WA",  79, "5.13",              "$V",               500},
        { 57, "(H) Watt per kg/pound NP",         "WA",  89, "4.23",              "$V",               500},
        { 60, "(H) Norm b. pow. ",                "NB",  80, "425.34",            "$V",               500},
        { 67, "(H) Curr Lap avg power",           "ZZ",  88, "245.34",            "$V",               500},
        { 68, "(H) Curr Lap avg power without zeros", "ZD", 87, "245.34",         "$V",               500},
        { 71, "(H) Time in power zone 0",         "H0", 150, "326",               "$M:$S",            500},
        { 91, "(H) ANT BikeCad status",           "A0", 170, "1",                 "$T",               500},
        {117, "(H) ANT BPower Pedal power left %", "E6", 196, "54.5",             "$V",               500},
        {143, "(H) ANT LightNet Headlight mode",  "K2", 222, "4",                 "$T",               500},
        {149, "Current altitude",                 "CL",  90, "478.22",            "$V",                30},
        {152, "(H) Total season ascent",          "TN",  48, "5457.21",           "$V",               500},
        {160, "(H) Minimum gradient",             "GM",  96, "-3.62",             "$V",               500},
        {161, "(H) Maximum gradient",             "GT",  97, "16.39",             "$V",               500},
        {188, "(H) Current longitude",            "LO",   8, "47.3542342",        "47.3542342",       500},
        {193, "(H) Bike curr gear",               "BG", 117, "5",   "220;30;10;12;14;16;18;21;24;28;32;36;42;50", 500},
        {196, "(M) Pacer curr. ahead time",       "PE",  25, "1323",              "$m:$S",             35},
        {202, "(M) Pacer offset indicator",       "OI", 119, "0",                 "",                  35},
        {203, "Free memory",                      "XX", 121, "566",               "$V byte",           30},
        {205, "(M) App name",                     "CN",   4, "Vek ZEF #1",        "Vek ZEF #1",        35},
        {208, "(H) Start coordinates",            "SC",   5, "33.14820,22.41759", "33.14820,22.41759", 500},
        {209, "(H) North",                        "SN",   6, "90.0,0.0",          "90.0,0.0",         500},
        {212, "(H) Sunset",                       "SS", 231, "74567",             "$H:$M",            500},
        {214, "(H) Windspeed",                    "WS", 245, "4.5",               "$V",               500},
    };
    // clang-format on
    const auto& vt = catalog().valueTypes;
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.position);
        const ValueTypeInfo& e = vt.at(static_cast<std::size_t>(c.position));
        EXPECT_EQ(e.name, QString::fromLatin1(c.name));
        EXPECT_EQ(e.code, QString::fromLatin1(c.code));
        EXPECT_EQ(e.id, c.id);
        EXPECT_EQ(e.sampleValue, QString::fromLatin1(c.sampleValue));
        EXPECT_EQ(e.displayPattern, QString::fromLatin1(c.displayPattern));
        EXPECT_EQ(e.level, c.level);
    }
}

TEST(ValueTypeCatalogTest, PositionByName) {
    const ValueTypeCatalog& c = catalog();
    struct Case {
        const CatalogList* list;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {&c.valueTypes, "(H) Norm b. pow. ", 60},
        {&c.valueTypes, "(H) Norm b. pow.", 0}, // the trailing space is part of the name
        {&c.valueTypes, "Current speed", 31},
        {&c.valueTypes, "current speed", 0},
        {&c.valueTypes, "(H) Windspeed", 214},
        {&c.valueTypes, "", 0},
        {&c.graphicKinds, "Arc", 7},
        {&c.graphicKinds, "(H) Graph right/bottom", 14},
        {&c.graphicKinds, "Current speed", 0},
        {&c.elementKinds, "- Seperator -", 3},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ValueTypeCatalog::positionByName(*k.list, QString::fromLatin1(k.text)),
                  k.expected)
            << k.text;
}

TEST(ValueTypeCatalogTest, PositionByCode) {
    struct Case {
        int selector;
        const char* code;
        bool force;
        int expected;
    };
    const Case cases[] = {
        {SelectValueTypes, "WA", false, 56},
        {SelectValueTypes, "CS", false, 31},
        {SelectValueTypes, "GT", false, 161},
        {SelectGraphicKinds, "GT", false, 14},
        {SelectGraphicKinds, "GR", false, 12},
        {SelectGraphicKinds, "CS", false, 0},
        {SelectValueTypes, "cs", false, 0},
        {SelectValueTypes, "", false, 0},
        {SelectValueTypes, "FX", false, 0},
        {SelectValueTypes, "WS", false, 214},
        {2, "CS", false, 0},
        {-1, "LN", false, 0},
        {2, "CS", true, 31},
        {SelectGraphicKinds, "WA", true, 56},
        {SelectGraphicKinds, "LN", true, 0},
    };
    for (const Case& k : cases)
        EXPECT_EQ(catalog().positionByCode(k.selector, QString::fromLatin1(k.code), k.force),
                  k.expected)
            << k.selector << " " << k.code << " " << k.force;
}

TEST(ValueTypeCatalogTest, PositionById) {
    const std::pair<int, int> cases[] = {{10, 3},  {0, 0},   {1, 1},     {79, 56},   {89, 57},
                                         {8, 188}, {9, 189}, {245, 214}, {244, 213}, {117, 193},
                                         {24, 0},  {246, 0}, {-1, 0},    {1000, 0}};
    for (const auto& [id, position] : cases) EXPECT_EQ(catalog().positionById(id), position) << id;
}

TEST(ValueTypeCatalogTest, EveryEntryMapsBackToItsPosition) {
    const ValueTypeCatalog& c = catalog();
    for (std::size_t i = 0; i < c.valueTypes.size(); ++i) {
        const int p = static_cast<int>(i);
        const ValueTypeInfo& e = c.valueTypes[i];
        EXPECT_EQ(ValueTypeCatalog::positionByName(c.valueTypes, e.name), p);
        EXPECT_EQ(c.positionById(e.id), p);
        EXPECT_EQ(c.positionByCode(SelectValueTypes, e.code), p == 57 ? 56 : p);
    }
    for (std::size_t i = 0; i < c.graphicKinds.size(); ++i) {
        const int p = static_cast<int>(i);
        EXPECT_EQ(ValueTypeCatalog::positionByName(c.graphicKinds, c.graphicKinds[i].name), p);
        EXPECT_EQ(c.positionByCode(SelectGraphicKinds, c.graphicKinds[i].code), p);
    }
}

TEST(ValueTypeCatalogTest, OfferedListsPerDeviceClass) {
    const ValueTypeCatalog& c = catalog();
    struct Case {
        int maxElements;
        int valueTypes;
        int graphicKinds;
    };
    const Case cases[] = {{30, 25, 9}, {34, 25, 9}, {35, 89, 9}, {499, 89, 9}, {500, 215, 15}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.maxElements);
        const DeviceInfo device = deviceWithLimit(k.maxElements);
        const QStringList values = ValueTypeCatalog::offeredNames(c.valueTypes, device);
        const QStringList graphics = ValueTypeCatalog::offeredNames(c.graphicKinds, device);
        EXPECT_EQ(values.size(), k.valueTypes);
        EXPECT_EQ(graphics.size(), k.graphicKinds);
        // In position order, and each offered name is one the device may use.
        int last = -1;
        for (const QString& name : values) {
            const int p = ValueTypeCatalog::positionByName(c.valueTypes, name);
            EXPECT_GT(p, last) << name.toStdString();
            last = p;
            EXPECT_TRUE(ValueTypeCatalog::isOffered(c.valueTypes[p], device));
        }
        for (int i = 0; i < graphics.size(); ++i) EXPECT_EQ(graphics[i], c.graphicKinds[i].name);
    }

    const QStringList light = ValueTypeCatalog::offeredNames(c.valueTypes, deviceWithLimit(30));
    EXPECT_EQ(light.mid(0, 5), (QStringList{"-- None --", "Current date/time", "Timer time",
                                            "Current pace", "Average pace"}));
    EXPECT_EQ(light.last(), QStringLiteral("Notification count"));
    for (const QString& name : light)
        EXPECT_FALSE(name.startsWith(QLatin1Char('('))) << name.toStdString();

    const QStringList medium = ValueTypeCatalog::offeredNames(c.valueTypes, deviceWithLimit(35));
    EXPECT_EQ(medium.filter(QStringLiteral("(M) ")).size(), 64);
    EXPECT_TRUE(medium.filter(QStringLiteral("(H) ")).isEmpty());
}

} // namespace
} // namespace zef
