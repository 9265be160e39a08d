#include "cli/startuplayout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zef {
namespace {

// An installed designer under a scratch prefix: <prefix>/bin and its data
// folder, with the files each row puts there.
struct StartupCase {
    const char* name;
    bool argument;
    bool lastFile;
    bool besideTheProgram;
    bool installedExample;
    const char* opens; // "argument", "last", "beside" or "example"
};

const StartupCase StartupCases[] = {
    {"TheFileNamedOnTheCommandLine", true, true, true, true, "argument"},
    {"TheLastFileWhenNoneIsNamed", false, true, true, true, "last"},
    {"LayoutXmlBesideTheProgram", false, false, true, true, "beside"},
    {"FirstStartOfAnInstalledDesigner", false, false, false, true, "example"},
    {"NothingAnywhereKeepsThePathBesideTheProgram", false, false, false, false, "beside"},
};

class StartupLayoutTest : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupLayoutTest, Opens) {
    const StartupCase& c = GetParam();
    if (!c.installedExample && QFileInfo::exists(QStringLiteral(ZEF_DATA_DIR "/layout.xml")))
        GTEST_SKIP() << "a designer is installed in " << ZEF_DATA_DIR;
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir bin(QDir(prefix.path()).filePath(QStringLiteral("bin")));
    const QString data = QDir::cleanPath(bin.filePath(QStringLiteral(ZEF_DATA_DIR_FROM_BIN)));
    ASSERT_TRUE(bin.mkpath(QStringLiteral(".")) && QDir().mkpath(data));
    const auto touch = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    };
    const QString beside = bin.filePath(QStringLiteral("layout.xml"));
    const QString example = QDir(data).filePath(QStringLiteral("layout.xml"));
    if (c.besideTheProgram) touch(beside);
    if (c.installedExample) touch(example);
    const QString argument = QStringLiteral("/work/mine.xml");
    const QString last = QStringLiteral("/work/last.xml");

    const StartupLayout startup =
        startupLayout(c.argument ? argument : QString(), c.lastFile ? last : QString(), bin.path());
    const std::string opens = c.opens;
    const QString expected = opens == "argument" ? argument
                             : opens == "last"   ? last
                             : opens == "beside" ? beside
                                                 : example;
    EXPECT_EQ(startup.path, expected);
    EXPECT_EQ(startup.example, opens == "example");
}

INSTANTIATE_TEST_SUITE_P(Starts, StartupLayoutTest, ::testing::ValuesIn(StartupCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zef
