#include "catalog/catalogs.h"
#include "cli/catalogcommands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

class CatalogCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_catalogs.build();
        m_catalogs.fonts.parsePreviewFaces(
            QStringLiteral("FNT_ROBOTO_CONDENSED_16;IDR_FNT_ROBOTO_COND_REG;17;1;2;3;-4\n"
                           "FNT_006B431500_ROBOTO_REGULAR_33;IDR_FNT_ARIAL;33;0;5;0;0\n"));
    }

    // The output split into lines; the last line must end with a line break.
    static QStringList lines(const QString& output) {
        EXPECT_TRUE(output.endsWith(QLatin1Char('\n')));
        QStringList result = output.split(QLatin1Char('\n'));
        result.removeLast();
        return result;
    }

    Catalogs m_catalogs;
    QString m_out;
    QString m_err;
    QTextStream m_outStream{&m_out};
    QTextStream m_errStream{&m_err};
};

const QString NineSlots =
    QStringLiteral("XTINY,TINY,SMALL,MEDIUM,LARGE,NR_MILD,NR_MEDIUM,NR_HOT,NR_THAI_HOT");
const QString EighteenSlots =
    NineSlots + QStringLiteral(",S_XTINY,S_TINY,S_SMALL,S_MEDIUM,S_LARGE,S_NR_MILD,S_NR_MEDIUM,"
                               "S_NR_HOT,S_NR_THAI_HOT");

TEST_F(CatalogCommandsTest, ListDevices) {
    EXPECT_EQ(listDevices(m_catalogs, m_outStream), 0);
    const QStringList rows = lines(m_out);
    ASSERT_EQ(rows.size(), 162);
    const std::pair<int, QString> expected[] = {
        {0, "0\tApproach S50\t390\t390\t500\t262144\tH\t" + EighteenSlots},
        {6, "6\tD2 Bravo\t218\t218\t30\t16384\tL\t" + NineSlots},
        {49, QStringLiteral("49\tepix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7  \u2013 AMOLED "
                            "Edition\t454\t454\t500\t262144\tH\t") +
                 EighteenSlots},
        {105,
         "105\tForerunner 965\t454\t454\t500\t262144\tH\t" + EighteenSlots + ",GLANCE,GLANCENR"},
        {107, "107\tGPSMAP 66s / 66st\t240\t400\t500\t127632\tH\t" + NineSlots},
        {161, "161\tvivolife\t240\t240\t500\t127632\tH\t" + EighteenSlots},
    };
    for (const auto& [index, row] : expected) EXPECT_EQ(rows[index], row) << index;
    EXPECT_TRUE(m_err.isEmpty());
}

TEST_F(CatalogCommandsTest, ListAllValueTypes) {
    EXPECT_EQ(listValueTypes(m_catalogs, std::nullopt, m_outStream, m_errStream), 0);
    const QStringList rows = lines(m_out);
    ASSERT_EQ(rows.size(), 215);
    EXPECT_EQ(rows[0], QStringLiteral("0\t-- None --\tFX\t0\t30\t\t"));
    EXPECT_EQ(rows[1], QStringLiteral("1\t(M) Name of destination\tND\t1\t35\tMordor\tMordor"));
    EXPECT_EQ(rows[3],
              QStringLiteral("3\tCurrent date/time\tCT\t10\t30\t63312\t$D.$N.$Y $H:$M:$S"));
    EXPECT_EQ(rows[5], QStringLiteral("5\t(H) Current pause time\tPT\t12\t500\t374\t$H:$M:$S"));
    EXPECT_TRUE(m_err.isEmpty());
}

TEST_F(CatalogCommandsTest, ListValueTypesOfADeviceKeepsCatalogPositions) {
    struct Case {
        const char* device;
        int maxLevel;
    };
    for (const Case& c : {Case{"D2 Bravo", 30}, Case{"Approach S60", 35}, Case{"vivolife", 500}}) {
        m_out.clear();
        EXPECT_EQ(
            listValueTypes(m_catalogs, QString::fromLatin1(c.device), m_outStream, m_errStream), 0);
        QStringList expected;
        const CatalogList& types = m_catalogs.valueTypes.valueTypes;
        for (std::size_t i = 0; i < types.size(); ++i)
            if (types[i].level <= c.maxLevel)
                expected << QString::number(i) + QLatin1Char('\t') + types[i].name;
        QStringList got;
        for (const QString& row : lines(m_out)) got << row.section(QLatin1Char('\t'), 0, 1);
        EXPECT_EQ(got, expected) << c.device;
    }
    m_out.clear();
    listValueTypes(m_catalogs, QStringLiteral("D2 Bravo"), m_outStream, m_errStream);
    EXPECT_TRUE(m_out.startsWith(QStringLiteral("0\t-- None --\tFX\t0\t30\t\t\n"
                                                "3\tCurrent date/time\tCT\t10\t30\t")));
}

TEST_F(CatalogCommandsTest, ListFontsOfOneDevice) {
    EXPECT_EQ(listFonts(m_catalogs, QStringLiteral("Edge 1030"), m_outStream, m_errStream), 0);
    const QStringList rows = lines(m_out);
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], QStringLiteral("Edge 1030\tXTINY\tFNT_ROBOTO_CONDENSED_16\t"
                                      "IDR_FNT_ROBOTO_COND_REG\t17\t1\t2\t3\t-4"));
    EXPECT_EQ(rows[1], QStringLiteral("Edge 1030\tTINY\tFNT_ROBOTO_CONDENSED_22\t\t0\t0\t0\t0\t0"));
    EXPECT_EQ(rows[8],
              QStringLiteral("Edge 1030\tNR_THAI_HOT\tFNT_DEJAVU_FITNESS_58\t\t0\t0\t0\t0\t0"));

    m_out.clear();
    EXPECT_EQ(listFonts(m_catalogs, QStringLiteral("Forerunner 965"), m_outStream, m_errStream), 0);
    const QStringList fr965 = lines(m_out);
    ASSERT_EQ(fr965.size(), 20);
    // Slot order, with the glance slots last; a face id that is no face file has
    // no resource name.
    EXPECT_EQ(fr965[17],
              QStringLiteral("Forerunner 965\tS_NR_THAI_HOT\t"
                             "FNT_006B402400_ROBOTO_BLACK_NUMBER_FONT_57\t\t0\t0\t0\t0\t0"));
    EXPECT_EQ(fr965[19], QStringLiteral("Forerunner 965\tGLANCENR\t"
                                        "FNT_006B431500_ROBOTO_REGULAR_33\t\t33\t0\t5\t0\t0"));
    EXPECT_TRUE(m_err.isEmpty());
}

TEST_F(CatalogCommandsTest, ListFontsOfAllDevicesInCatalogOrder) {
    EXPECT_EQ(listFonts(m_catalogs, std::nullopt, m_outStream, m_errStream), 0);
    const QStringList rows = lines(m_out);
    ASSERT_EQ(rows.size(), 2638);
    EXPECT_EQ(rows.first(),
              QStringLiteral("Approach S50\tXTINY\tFNT_NOTO_SANS_BOLD_16PX\t\t0\t0\t0\t0\t0"));
    EXPECT_EQ(
        rows.last(),
        QStringLiteral("vivolife\tS_NR_THAI_HOT\tFNT_NOTO_SANS_BOLD_NMBR_94PX\t\t0\t0\t0\t0\t0"));
    QString previous;
    int devicesSeen = 0;
    for (const QString& row : rows) {
        const QString device = row.section(QLatin1Char('\t'), 0, 0);
        if (device != previous) {
            ASSERT_EQ(device, m_catalogs.devices.at(devicesSeen).name);
            ++devicesSeen;
            previous = device;
        }
    }
    EXPECT_EQ(devicesSeen, 162);
}

TEST_F(CatalogCommandsTest, UnknownDeviceIsReportedWithExitCode2) {
    for (const QString& name :
         {QStringLiteral("Edge 9999"), QStringLiteral("edge 1030"), QString()}) {
        m_out.clear();
        m_err.clear();
        EXPECT_EQ(listValueTypes(m_catalogs, name, m_outStream, m_errStream), 2);
        EXPECT_EQ(listFonts(m_catalogs, name, m_outStream, m_errStream), 2);
        EXPECT_TRUE(m_out.isEmpty());
        EXPECT_TRUE(m_err.contains(QStringLiteral("Unknown device \"%1\"").arg(name)))
            << m_err.toStdString();
    }
}

TEST(PreviewFacesPathTest, BesideTheExecutableElseInstalled) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(previewFacesPath(dir.path()), QStringLiteral(ZEF_DATA_DIR "/fonts.txt"));
    QFile file(QDir(dir.path()).filePath(QStringLiteral("fonts.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(previewFacesPath(dir.path()), file.fileName());
}

TEST(PreviewFacesPathTest, InstalledBesideTheProgramsFolderWhereverThatIs) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    // <prefix>/bin and <prefix>/share/zef-designer with the default folders.
    const QDir bin(QDir(prefix.path()).filePath(QStringLiteral("bin")));
    const QString data = QDir::cleanPath(bin.filePath(QStringLiteral(ZEF_DATA_DIR_FROM_BIN)));
    ASSERT_TRUE(bin.mkpath(QStringLiteral(".")));
    ASSERT_TRUE(QDir().mkpath(data));
    QFile file(QDir(data).filePath(QStringLiteral("fonts.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(previewFacesPath(bin.path()), file.fileName());
}

} // namespace
} // namespace zef
