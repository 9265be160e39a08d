#include "catalog/devicecatalog.h"
#include "catalog/devicefonts.h"
#include "catalog/valuetypecatalog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <limits>

namespace zef {
namespace {

struct Built {
    DeviceCatalog devices;
    DeviceFonts fonts;
};

const Built& built() {
    static const Built tables = [] {
        Built b;
        b.devices.build();
        b.fonts.buildDeviceFonts();
        return b;
    }();
    return tables;
}

const DeviceFonts& fonts() {
    return built().fonts;
}

const DeviceInfo& device(const QString& name) {
    const int index = built().devices.findDeviceByName(name);
    EXPECT_GE(index, 0) << name.toStdString();
    return built().devices.at(index < 0 ? 0 : index);
}

const QStringList& slotNames() {
    return DeviceFonts::slotNames();
}

const QString AmoledEditionName =
    QStringLiteral("epix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7  \u2013 AMOLED Edition");

// The devices that define the nine base slots only.
const QSet<QString> NineSlotDevices = {"GPSMAP 66s / 66st",
                                       "GPSMAP 67 / 67i",
                                       "GPSMAP 86s / 86sc / 86i / 86sci",
                                       "D2 Bravo",
                                       "D2 Bravo Titanium",
                                       "Edge 1030",
                                       "Edge 1030, Bontrager",
                                       "Edge 1030 plus",
                                       "Edge 1050",
                                       "Edge 130",
                                       "Edge 130 plus",
                                       "Edge 520",
                                       "Edge 520 Plus",
                                       "Edge 530",
                                       "Edge 820 / Explore",
                                       "Edge 830",
                                       "Edge Explore",
                                       "Edge Explore 2",
                                       "Edge 1000 / Explore",
                                       "epix",
                                       "fenix 3 / tactix Bravo / quatix 3",
                                       "fenix 3 HR",
                                       "Forerunner 230",
                                       "Forerunner 235",
                                       "Forerunner 45",
                                       "Forerunner 55",
                                       "Forerunner 630",
                                       "Forerunner 735xt",
                                       "Forerunner 920XT",
                                       "Montana 7 Series",
                                       "Oregon 7 Series",
                                       "Rino 7 Series",
                                       "vivoactive",
                                       "vivoactive HR"};

struct SlotException {
    const char* device;
    const char* slot;
    const char* font;
};
const SlotException Exceptions[] = {
    {"Forerunner 965", "S_NR_THAI_HOT", "FNT_006B402400_ROBOTO_BLACK_NUMBER_FONT_57"},
    {"Instinct 2X Solar", "S_XTINY", "FNT_006B415500_CDPG_ROBOTO_10M"},
    {"Instinct Crossover", "S_TINY", "FNT_006B415500_CDPG_ROBOTO_15M"},
};

bool isException(const QString& deviceName, const QString& slot) {
    for (const SlotException& e : Exceptions)
        if (deviceName == QLatin1String(e.device) && slot == QLatin1String(e.slot)) return true;
    return false;
}

TEST(DeviceFontsTest, SlotNamesAreTheCatalogsFontSlots) {
    ValueTypeCatalog valueTypes;
    valueTypes.build();
    EXPECT_EQ(slotNames(), valueTypes.fontSlots);
}

TEST(DeviceFontsTest, TableSizes) {
    const DeviceFontTable& table = fonts().deviceFontTable();
    std::size_t entries = 0;
    QSet<QString> fontNames;
    for (const auto& [deviceName, slotFonts] : table) {
        entries += slotFonts.size();
        for (const auto& [slot, font] : slotFonts) fontNames.insert(font);
    }
    EXPECT_EQ(table.size(), 162u);
    EXPECT_EQ(entries, 2638u);
    EXPECT_EQ(fontNames.size(), 394);
}

TEST(DeviceFontsTest, EveryCatalogDeviceDefinesItsSlotSet) {
    for (const DeviceInfo& info : built().devices.devices()) {
        SCOPED_TRACE(info.name.toStdString());
        const auto entry = fonts().deviceFontTable().find(info.name);
        ASSERT_NE(entry, fonts().deviceFontTable().end());
        const qsizetype expected =
            NineSlotDevices.contains(info.name) ? 9 : (info.maxFontSlot == 19 ? 20 : 18);
        ASSERT_EQ(entry->second.size(), std::size_t(expected));
        // The defined slots are the first ones in slot order.
        for (qsizetype i = 0; i < expected; ++i)
            EXPECT_EQ(entry->second.count(slotNames()[i]), 1u) << slotNames()[i].toStdString();
    }
}

TEST(DeviceFontsTest, ShortSlotsNameTheFontOfThePlainSlot) {
    int compared = 0;
    for (const auto& [deviceName, slotFonts] : fonts().deviceFontTable()) {
        for (const auto& [slot, font] : slotFonts) {
            if (!slot.startsWith(QLatin1String("S_")) || isException(deviceName, slot)) continue;
            EXPECT_EQ(font, slotFonts.at(slot.mid(2)))
                << deviceName.toStdString() << " " << slot.toStdString();
            ++compared;
        }
    }
    EXPECT_EQ(compared, 128 * 9 - 3);
}

TEST(DeviceFontsTest, TheThreeExceptions) {
    for (const SlotException& e : Exceptions) {
        const QString deviceName = QString::fromLatin1(e.device);
        const QString slot = QString::fromLatin1(e.slot);
        EXPECT_EQ(fonts().fontNameFor(deviceName, slot), QLatin1String(e.font));
        EXPECT_NE(fonts().fontNameFor(deviceName, slot.mid(2)), QLatin1String(e.font));
    }
}

struct FontNameCase {
    QString device;
    const char* slot;
    const char* font;
};

TEST(DeviceFontsTest, FontNameForLooksUpDeviceAndSlot) {
    const FontNameCase cases[] = {
        {"Approach S60", "XTINY", "FNT_NOTO_SANS_BOLD_16PX"},
        {"Edge 1030", "NR_HOT", "FNT_DEJAVU_FITNESS_47"},
        {"Instinct Crossover", "TINY", "FNT_006B388900_CDPG_ROBOTO_15M"},
        {"Venu 3S", "S_NR_MILD", "Yantramanav-Regular"},
        {"Edge 1050", "NR_THAI_HOT", "Garmin_Roboto_Bold"},
        {"MARQ (Gen 2) Aviator", "GLANCENR", "FNT_006B410500_BIONIC_SEMI_BOLD_NUMBER_28"},
        {"Instinct 2X Solar", "GLANCENR", "FNT_006B388800_0000_GARMIN_16"},
        {AmoledEditionName, "S_NR_THAI_HOT", "FNT_006B431400_BIONIC_SEMI_BOLD_NUMBER_92"},
        {"Edge 1030", "S_XTINY", ""},
        {"Approach S60", "GLANCE", ""},
        {"Approach S60", "xtiny", ""},
        {"No such device", "XTINY", ""},
        {"", "", ""},
    };
    for (const FontNameCase& c : cases)
        EXPECT_EQ(fonts().fontNameFor(c.device, QLatin1String(c.slot)), QLatin1String(c.font))
            << c.device.toStdString() << " " << c.slot;
    for (const QString& slot : fonts().offeredFontSlots(device("fenix 8 43mm"), slotNames()))
        EXPECT_EQ(fonts().fontNameFor("fenix 8 43mm", slot), QStringLiteral("Roboto-Regular"));
}

TEST(DeviceFontsTest, LookupsNeverAddEntries) {
    DeviceFonts f;
    f.buildDeviceFonts();
    f.parsePreviewFaces(QStringLiteral("FNT_A;IDR_FNT_DEJAVUSANS;20;1;2;3;4"));
    const DeviceFontTable before = f.deviceFontTable();
    EXPECT_TRUE(f.fontNameFor("No such device", "XTINY").isEmpty());
    EXPECT_TRUE(f.fontNameFor("Edge 1030", "GLANCE").isEmpty());
    EXPECT_EQ(f.faceFor("FNT_B"), PreviewFace{});
    EXPECT_EQ(f.faceFor(QString()), PreviewFace{});
    EXPECT_EQ(f.deviceFontTable(), before);
    EXPECT_EQ(f.previewFaceTable().size(), 1u);
}

struct OfferedCase {
    QString device;
    int count;
    const char* last;
};

TEST(DeviceFontsTest, OfferedFontSlotsOfCatalogDevices) {
    const OfferedCase cases[] = {
        {"GPSMAP 66s / 66st", 9, "NR_THAI_HOT"},
        {"GPSMAP 86s / 86sc / 86i / 86sci", 9, "NR_THAI_HOT"},
        {"Edge 1030", 9, "NR_THAI_HOT"},
        {"Forerunner 965", 20, "GLANCENR"},
        {"Approach S60", 18, "S_NR_THAI_HOT"},
        {"fenix Chronos", 18, "S_NR_THAI_HOT"},
        {AmoledEditionName, 18, "S_NR_THAI_HOT"},
        {"Instinct Crossover", 20, "GLANCENR"},
    };
    for (const OfferedCase& c : cases) {
        SCOPED_TRACE(c.device.toStdString());
        const QStringList offered = fonts().offeredFontSlots(device(c.device), slotNames());
        EXPECT_EQ(offered, slotNames().mid(0, c.count));
        ASSERT_FALSE(offered.isEmpty());
        EXPECT_EQ(offered.last(), QLatin1String(c.last));
    }
}

TEST(DeviceFontsTest, ChronosShortNumberSlotsMatchThePlainOnes) {
    const QString chronos = QStringLiteral("fenix Chronos");
    for (const char* slot : {"NR_MILD", "NR_MEDIUM", "NR_HOT", "NR_THAI_HOT"}) {
        const QString plain = QLatin1String(slot);
        EXPECT_FALSE(fonts().fontNameFor(chronos, plain).isEmpty());
        EXPECT_EQ(fonts().fontNameFor(chronos, QStringLiteral("S_") + plain),
                  fonts().fontNameFor(chronos, plain));
    }
}

TEST(DeviceFontsTest, OfferedFontSlotsObeyLastSlotAndTable) {
    struct Case {
        const char* why;
        QString name;
        int maxFontSlot;
        qsizetype slotListSize;
        int expected;
    };
    const Case cases[] = {
        {"a GPSMAP table never offers what it does not define", "GPSMAP 67 / 67i", 19, 20, 9},
        {"last slot 8 hides the S_ and glance slots", "Forerunner 965", 8, 20, 9},
        {"last slot 17 hides the glance slots", "Forerunner 965", 17, 20, 18},
        {"last slot 0 offers one", "Approach S60", 0, 20, 1},
        {"negative last slot offers none", "Approach S60", -1, 20, 0},
        {"never beyond the slot list", "Forerunner 965", 19, 5, 5},
        {"never beyond 20 slots", "Forerunner 965", 40, 22, 20},
        {"unknown device", "No such device", 19, 20, 0},
    };
    QStringList longList = slotNames();
    longList << QStringLiteral("EXTRA_A") << QStringLiteral("EXTRA_B");
    for (const Case& c : cases) {
        DeviceInfo info;
        info.name = c.name;
        info.maxFontSlot = c.maxFontSlot;
        const QStringList offered = fonts().offeredFontSlots(info, longList.mid(0, c.slotListSize));
        EXPECT_EQ(offered, slotNames().mid(0, c.expected)) << c.why;
    }
}

TEST(DeviceFontsTest, FaceFiles) {
    const std::pair<const char*, int> expected[] = {
        {"IDR_FNT_ROBOTO_COND_BOLD", 232},     {"IDR_FNT_ROBOTO_COND_REG", 233},
        {"IDR_FNT_STEELFISH_BOLD", 236},       {"IDR_FNT_STEELFISH_REG", 237},
        {"IDR_FNT_BEBASNEUE_REG", 238},        {"IDR_FNT_DEJAVUSANS", 239},
        {"IDR_FNT_DEJAVUSANS_BOLD", 240},      {"IDR_FNT_DEJAVUSANS_COND", 241},
        {"IDR_FNT_DEJAVUSANS_COND_BOLD", 242},
    };
    ASSERT_EQ(faceFiles().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& [name, id] = expected[i];
        const FaceFile& face = faceFiles()[i];
        SCOPED_TRACE(name);
        EXPECT_STREQ(face.resourceName, name);
        EXPECT_EQ(face.faceId, id);
        EXPECT_EQ(faceIdForResourceName(QLatin1String(name)), id);
        EXPECT_EQ(faceFileById(id), &face);
        const QString path = QLatin1String(face.resourcePath);
        ASSERT_TRUE(path.startsWith(QLatin1String(":/faces/")));
        EXPECT_TRUE(QFile::exists(QStringLiteral(SOURCE_DIR "/res/faces/") + path.mid(8)));
    }
    EXPECT_EQ(faceIdForResourceName("idr_fnt_dejavusans"), 0);
    EXPECT_EQ(faceIdForResourceName("IDR_FNT_DEJAVUSANS "), 0);
    EXPECT_EQ(faceIdForResourceName(""), 0);
    for (int id : {0, 231, 234, 235, 243, -1}) EXPECT_EQ(faceFileById(id), nullptr) << id;
}

struct ParseCase {
    const char* why;
    QString content;
    QString name;     // the font name looked up afterwards
    bool stored;      // whether the content leaves an entry under that name
    PreviewFace face; // faceId, pixelSize, right, centre, left, y
};

class FontsFileTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FontsFileTest, ReadsOneLine) {
    const ParseCase& c = GetParam();
    DeviceFonts f;
    f.parsePreviewFaces(c.content);
    const auto entry = f.previewFaceTable().find(c.name);
    ASSERT_EQ(entry != f.previewFaceTable().end(), c.stored);
    EXPECT_EQ(f.faceFor(c.name), c.face);
    if (c.stored) {
        EXPECT_EQ(f.previewFaceTable().size(), 1u);
    }
}

const PreviewFace DejaVu20 = {239, 20, 3, 2, 1, 4};

// clang-format off
const ParseCase ParseCases[] = {
    {"plain line", "FNT_ROBOTO_16;IDR_FNT_DEJAVUSANS;20;1;2;3;4", "FNT_ROBOTO_16", true, DejaVu20},
    {"spaces around every field and a comment",
     " FNT_ROBOTO_16 ; IDR_FNT_DEJAVUSANS ; 20 ; 1 ; 2 ; 3 ; 4 / as on the device",
     "FNT_ROBOTO_16", true, DejaVu20},
    {"spaces inside names and numbers are removed", "FNT_ROBO TO_16;IDR_FNT_ DEJAVUSANS;2 0;1;2;3;4",
     "FNT_ROBOTO_16", true, DejaVu20},
    {"without the last number and its separator", "FNT_ROBOTO_16;IDR_FNT_DEJAVUSANS;20;1;2;3",
     "FNT_ROBOTO_16", false, {}},
    {"a font of another family", "Arial_12;IDR_FNT_DEJAVUSANS;20;1;2;3;4", "Arial_12", false, {}},
    {"FNT_ after the first ten characters", "ABCDEFGHIFNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4",
     "ABCDEFGHIFNT_X", false, {}},
    {"FNT_ ending at the tenth character", "ABCDEFFNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4",
     "ABCDEFFNT_X", true, DejaVu20},
    {"the keep test sees the spaces", "       FNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4", "FNT_X", false, {}},
    {"Roboto anywhere in the line", "MyRobotoFace;IDR_FNT_ROBOTO_COND_REG;18;0;0;0;0",
     "MyRobotoFace", true, {233, 18, 0, 0, 0, 0}},
    {"the keep test is case-sensitive", "roboto-regular;IDR_FNT_ROBOTO_COND_REG;18;0;0;0;0",
     "roboto-regular", false, {}},
    {"Yantramanav", "Yantramanav-Regular;IDR_FNT_ROBOTO_COND_REG;30;0;0;0;0",
     "Yantramanav-Regular", true, {233, 30, 0, 0, 0, 0}},
    {"DejaVu condensed WGL4", "DejaVuSans_Cd_SemiBold_WGL4;IDR_FNT_DEJAVUSANS_COND_BOLD;22;0;0;0;-2",
     "DejaVuSans_Cd_SemiBold_WGL4", true, {242, 22, 0, 0, 0, -2}},
    {"unknown face resource gives face id 0", "FNT_X;IDR_FNT_ARIAL;20;1;2;3;4", "FNT_X", true,
     {0, 20, 3, 2, 1, 4}},
    {"signs and trailing garbage", "FNT_X;IDR_FNT_DEJAVUSANS;+20px;-1;2x;--3;4.9", "FNT_X", true,
     {239, 20, 0, 2, -1, 4}},
    {"empty and non-numeric fields read as 0", "FNT_X;IDR_FNT_DEJAVUSANS;;abc;;;", "FNT_X", true,
     {239, 0, 0, 0, 0, 0}},
    {"tabs stay and are skipped before a number", "FNT_X;IDR_FNT_DEJAVUSANS;\t20;1;2;3;\t4", "FNT_X",
     true, DejaVu20},
    {"a tab stays in the font name", "FNT_X\t;IDR_FNT_DEJAVUSANS;20;1;2;3;4", "FNT_X\t", true,
     DejaVu20},
    {"numbers beyond 32 bits are clamped", "FNT_X;IDR_FNT_DEJAVUSANS;99999999999999999999;-2147483649;"
     "2147483647;-2147483648;4", "FNT_X", true, {239, 1000, -1000, 1000, -1000, 4}},
    {"a size no device needs is clamped", "FNT_X;IDR_FNT_DEJAVUSANS;100000;1001;-1001;1000;-1000",
     "FNT_X", true, {239, 1000, 1000, -1000, 1000, -1000}},
    {"a negative size is 0", "FNT_X;IDR_FNT_DEJAVUSANS;-20;1;2;3;4", "FNT_X", true,
     {239, 0, 3, 2, 1, 4}},
    {"comment right after the last separator", "FNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;/4", "FNT_X", true,
     {239, 20, 3, 2, 1, 0}},
    {"more separators in the last field", "FNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4;5;6", "FNT_X", true,
     DejaVu20},
    {"a slash before the last field is no comment", "FNT_X/Y;IDR_FNT_DEJAVUSANS;20;1;2;3;4",
     "FNT_X/Y", true, DejaVu20},
    {"a line without a font name is skipped", ";IDR_FNT_DEJAVUSANS;20;1;2;3;4", "", false, {}},
    {"windows line ends", "FNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4\r\n", "FNT_X", true, DejaVu20},
    {"a later line replaces an earlier one",
     "FNT_X;IDR_FNT_STEELFISH_BOLD;99;9;9;9;9\n# header\nFNT_X;IDR_FNT_DEJAVUSANS;20;1;2;3;4\n",
     "FNT_X", true, DejaVu20},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lines, FontsFileTest, ::testing::ValuesIn(ParseCases));

TEST(DeviceFontsTest, ReaderSkipsHeadersAndKeepsEveryEntry) {
    DeviceFonts f;
    f.parsePreviewFaces(QStringLiteral("# font name; face; size; left; centre; right; y\n"
                                       "\n"
                                       "FNT_A;IDR_FNT_STEELFISH_REG;40;0;0;0;0\n"
                                       "FNT_B;IDR_FNT_BEBASNEUE_REG;32;0;1;0;0\n"
                                       "Garmin_Roboto_Bold;IDR_FNT_ROBOTO_COND_BOLD;50;0;0;0;3"));
    EXPECT_EQ(f.previewFaceTable().size(), 3u);
    EXPECT_EQ(f.faceFor("FNT_A").faceId, 237);
    EXPECT_EQ(f.faceFor("FNT_B").offsetForAlignment(1), 1);
    EXPECT_EQ(f.faceFor("Garmin_Roboto_Bold"), (PreviewFace{232, 50, 0, 0, 0, 3}));
}

TEST(DeviceFontsTest, LoadingAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("fonts.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A byte order mark as some editors write it.
    file.write(
        "\xEF\xBB\xBF"
        "FNT_A;IDR_FNT_DEJAVUSANS;20;1;2;3;4\r\nFNT_B;IDR_FNT_DEJAVUSANS_BOLD;21;0;0;0;0\r\n");
    file.close();

    DeviceFonts f;
    ASSERT_TRUE(f.loadPreviewFaces(path));
    EXPECT_EQ(f.previewFaceTable().size(), 2u);
    EXPECT_EQ(f.faceFor("FNT_A"), DejaVu20);
    EXPECT_EQ(f.faceFor("FNT_B").faceId, 240);

    EXPECT_FALSE(f.loadPreviewFaces(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_TRUE(f.previewFaceTable().empty());
}

// The fonts file shipped beside the designer maps every device font to a face.
class ShippedFontsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_fonts.loadPreviewFaces(QStringLiteral(SOURCE_DIR "/res/fonts.txt")));
        m_fonts.buildDeviceFonts();
    }
    DeviceFonts m_fonts;
};

TEST_F(ShippedFontsFileTest, EveryDeviceFontHasAFace) {
    QSet<QString> names;
    for (const auto& [deviceName, slotFonts] : m_fonts.deviceFontTable()) {
        for (const auto& [slot, font] : slotFonts) {
            names.insert(font);
            const PreviewFace face = m_fonts.faceFor(font);
            EXPECT_NE(faceFileById(face.faceId), nullptr) << font.toStdString();
            EXPECT_GT(face.pixelSize, 0) << font.toStdString();
            EXPECT_LT(face.pixelSize, 200) << font.toStdString();
        }
    }
    // Nothing in the file that no device uses.
    for (const auto& [font, face] : m_fonts.previewFaceTable())
        EXPECT_TRUE(names.contains(font)) << font.toStdString();
    EXPECT_EQ(m_fonts.previewFaceTable().size(), 394u);
}

TEST_F(ShippedFontsFileTest, TextSizesGrowFromXtinyToLarge) {
    const QStringList plain = {"XTINY", "TINY", "SMALL", "MEDIUM", "LARGE"};
    for (const auto& [deviceName, slotFonts] : m_fonts.deviceFontTable()) {
        for (const QString& prefix : {QString(), QStringLiteral("S_")}) {
            if (!slotFonts.count(prefix + plain.first())) continue;
            int previous = 0;
            for (const QString& slot : plain) {
                const int size = m_fonts.faceFor(slotFonts.at(prefix + slot)).pixelSize;
                EXPECT_GE(size, previous) << deviceName.toStdString() << " " << slot.toStdString();
                previous = size;
            }
        }
    }
}

} // namespace
} // namespace zef
