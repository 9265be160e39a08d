#include "templates/starterlayouts.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "templates/templatefields.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::shippedCatalogs();
}

StarterLayouts& starters() {
    static StarterLayouts layouts(catalogs());
    return layouts;
}

const DeviceInfo& deviceNamed(const char* name) {
    const int index = catalogs().devices.findDeviceByName(QString::fromUtf8(name));
    EXPECT_GE(index, 0) << name;
    return catalogs().devices.at(std::max(index, 0));
}

std::string offeredNames(const char* device) {
    std::string names;
    for (const StarterTemplate* t : starters().offeredOn(deviceNamed(device)))
        names += (names.empty() ? "" : " ") + std::string(t->name);
    return names;
}

struct OfferCase {
    const char* device;
    const char* offered; // in table order
    const char* why;
};

const OfferCase OfferCases[] = {
    {"fenix 7", "bigvalue tworows grid4 grid6 roundgauge", "round: the gauge, not the strip"},
    {"Edge 1050", "bigvalue tworows grid4 grid6 navigation", "tall rectangle: the strip"},
    {"Edge 130", "bigvalue tworows grid4 grid6 navigation", "class M has the navigation values"},
    {"Venu Sq", "bigvalue tworows grid4 grid6", "square but not round, and not tall"},
    {"Forerunner 230", "bigvalue tworows grid4 grid6", "wide, class L"},
    {"D2 Charlie", "bigvalue tworows roundgauge",
     "26 px captions leave no room for a grid on a 240 px round screen"},
    {"Instinct E 40mm", "bigvalue tworows roundgauge", "the smallest round screen"},
};

class OfferTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OfferTest, TemplatesFollowTheScreen) {
    EXPECT_EQ(offeredNames(GetParam().device), GetParam().offered) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Devices, OfferTest, ::testing::ValuesIn(OfferCases), [](const auto& info) {
    std::string name;
    for (char c : std::string(info.param.device))
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
});

TEST(StarterTemplates, NamesAreOneWordAndUnique) {
    std::set<std::string> seen;
    for (const StarterTemplate& t : starterTemplates()) {
        const QString name = QLatin1String(t.name);
        EXPECT_FALSE(name.isEmpty());
        for (QChar c : name) EXPECT_TRUE(c.isLower() || c.isDigit()) << t.name;
        EXPECT_TRUE(seen.insert(t.name).second) << t.name;
        EXPECT_EQ(findStarterTemplate(name), &t);
        EXPECT_FALSE(QString::fromUtf8(t.description).isEmpty());
    }
    EXPECT_EQ(findStarterTemplate(QStringLiteral("Grid4")), nullptr);
    EXPECT_EQ(findStarterTemplate(QString()), nullptr);
}

// The fields a grid shows are those of the device's class: an L device has no
// power or cadence and shows average speed and altitude in their places.
struct FieldCase {
    const char* device;
    const char* codes; // value-type codes of the grid's values, in order
};

const FieldCase FieldCases[] = {
    {"Forerunner 230", "CS HR AS CL"}, // class L
    {"Edge 130", "CS HR CB CC"},       // class M
    {"Edge 1030", "CS HR CB CC"},      // class H
};

class FieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, Grid4ShowsWhatTheClassOffers) {
    const DeviceInfo& d = deviceNamed(GetParam().device);
    const StarterTemplate* grid = findStarterTemplate(QStringLiteral("grid4"));
    ASSERT_NE(grid, nullptr);
    for (TemplateField f : {TemplateField::Speed, TemplateField::HeartRate, TemplateField::Power,
                            TemplateField::Cadence}) {
        const std::optional<FieldChoice> choice = chooseField(f, d, catalogs().valueTypes);
        ASSERT_TRUE(choice.has_value());
        EXPECT_TRUE(ValueTypeCatalog::isOffered(
            catalogs().valueTypes.valueTypes[std::size_t(choice->valueType)], d));
    }
    const std::optional<ElementVector> layout = starters().layout(*grid, d);
    ASSERT_TRUE(layout.has_value());
    QStringList codes;
    for (const LayoutElement& e : *layout)
        if (e.kind == KindValue && !e.fixedText)
            codes << catalogs().valueTypes.valueTypes[std::size_t(e.valueType)].code;
    EXPECT_EQ(codes.join(QLatin1Char(' ')).toStdString(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(Classes, FieldTest, ::testing::ValuesIn(FieldCases));

TEST(TemplateFields, NavigationNeedsAtLeastClassM) {
    EXPECT_FALSE(chooseField(TemplateField::DistanceToNext, deviceNamed("Forerunner 230"),
                             catalogs().valueTypes));
    EXPECT_TRUE(
        chooseField(TemplateField::DistanceToNext, deviceNamed("Edge 130"), catalogs().valueTypes));
}

} // namespace
} // namespace zef
