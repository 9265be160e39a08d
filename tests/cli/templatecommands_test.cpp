#include "cli/templatecommands.h"

#include "catalog/catalogs.h"
#include "cli/commandline.h"
#include "cli/documentio.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "model/layoutdocument.h"
#include "templates/starterlayouts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

const Catalogs& catalogs() {
    return test::shippedCatalogs();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ListTemplates, OneLinePerTemplateNameFirst) {
    QString out;
    QTextStream stream(&out);
    EXPECT_EQ(listTemplates(stream), 0);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), qsizetype(starterTemplates().size()));
    EXPECT_TRUE(out.endsWith(QLatin1Char('\n')));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const StarterTemplate& t = starterTemplates()[std::size_t(i)];
        EXPECT_EQ(lines[i], QStringLiteral("%1\t%2").arg(QLatin1String(t.name),
                                                         QString::fromUtf8(t.description)));
        EXPECT_FALSE(lines[i].section(QLatin1Char('\t'), 0, 0).contains(QLatin1Char(' ')));
    }
}

class WriteTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    int write(const char* templateName, const char* device, const QString& path,
              bool force = false) {
        messages.clear();
        QTextStream err(&messages);
        return writeStarterLayout(catalogs(), QString::fromUtf8(templateName),
                                  QString::fromUtf8(device), path, force, err);
    }

    QTemporaryDir dir;
    QString messages;
};

// The file holds the starter layout for the device, as Load reads it back.
TEST_F(WriteTemplateTest, WritesTheLayoutForTheDevice) {
    const QString path = dir.filePath(QStringLiteral("grid4.xml"));
    ASSERT_EQ(write("grid4", "fenix 7", path), 0) << messages.toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.toStdString();

    ScriptedPlatform platform;
    LayoutDocument document(catalogs(), platform);
    ASSERT_EQ(loadLayout(document, path, false).status, LoadStatus::Loaded);
    ASSERT_NE(document.device(), nullptr);
    EXPECT_EQ(document.device()->name, QStringLiteral("fenix 7"));
    StarterLayouts starters(catalogs());
    const std::optional<ElementVector> expected =
        starters.layout(*findStarterTemplate(QStringLiteral("grid4")), *document.device());
    ASSERT_TRUE(expected.has_value());
    EXPECT_TRUE(isSameLayout(document.elements(), *expected));
}

// Refusals leave no file behind, or the existing one as it was.
TEST_F(WriteTemplateTest, RefusalsWriteNothing) {
    const QString existing = dir.filePath(QStringLiteral("existing.xml"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    const struct {
        const char* why;
        const char* templateName;
        const char* device;
        QString path;
        int exitCode;
        const char* told; // part of the message
    } rows[] = {
        {"unknown template", "grid5", "fenix 7", dir.filePath(QStringLiteral("a.xml")), 2,
         "--list-templates"},
        {"unknown device", "grid4", "fenix 77", dir.filePath(QStringLiteral("b.xml")), 2,
         "--list-devices"},
        {"not offered: the gauge needs a round screen", "roundgauge", "Edge 1030",
         dir.filePath(QStringLiteral("c.xml")), TemplateNotOffered, "not offered on \"Edge 1030\""},
        {"not offered: class L lacks the navigation values", "navigation", "Forerunner 230",
         dir.filePath(QStringLiteral("d.xml")), TemplateNotOffered, "not offered"},
        {"the file exists", "grid4", "fenix 7", existing, 1, "--force"},
    };
    for (const auto& row : rows) {
        const bool existed = QFile::exists(row.path);
        EXPECT_EQ(write(row.templateName, row.device, row.path), row.exitCode) << row.why;
        EXPECT_TRUE(messages.contains(QString::fromUtf8(row.told))) << messages.toStdString();
        EXPECT_EQ(messages.count(QLatin1Char('\n')), 1) << messages.toStdString();
        if (existed)
            EXPECT_EQ(fileBytes(row.path), QByteArray("mine")) << row.why;
        else
            EXPECT_FALSE(QFile::exists(row.path)) << row.why;
    }
}

TEST_F(WriteTemplateTest, ForceReplacesAnExistingFile) {
    const QString path = dir.filePath(QStringLiteral("existing.xml"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    EXPECT_EQ(write("bigvalue", "Edge 1050", path, true), 0) << messages.toStdString();
    EXPECT_TRUE(fileBytes(path).contains("Edge 1050"));
}

// The options: --template is a command, --force goes with it.
TEST(TemplateArguments, AreCommandsAndModifiers) {
    const struct {
        QStringList arguments;
        ArgumentCheck::Outcome outcome;
        int exitCode;
    } rows[] = {
        {{"--list-templates"}, ArgumentCheck::Command, 0},
        {{"--template", "grid4", "--device", "fenix 7", "--output", "a.xml", "--force"},
         ArgumentCheck::Command,
         0},
        {{"--force"}, ArgumentCheck::Exit, 2},
        {{"--template"}, ArgumentCheck::Exit, 2},
    };
    for (const auto& row : rows) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const ArgumentCheck checked = checkArguments(
            QStringList{QStringLiteral("zef-designer")} + row.arguments, outStream, errStream);
        EXPECT_EQ(checked.outcome, row.outcome) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(checked.exitCode, row.exitCode) << row.arguments.join(' ').toStdString();
    }
}

// The built program, as a script runs it.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZEF_DESIGNER), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "still running: " << arguments.join(QLatin1Char(' ')).toStdString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(TemplateProgram, ListsWritesAndRefuses) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ProgramRun list = runProgram({QStringLiteral("--list-templates")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.out.startsWith(QStringLiteral("bigvalue\t"))) << list.out.toStdString();

    const QString path = dir.filePath(QStringLiteral("nav.xml"));
    const QStringList write = {QStringLiteral("--template"), QStringLiteral("navigation"),
                               QStringLiteral("--device"),   QStringLiteral("Edge 1050"),
                               QStringLiteral("--output"),   path};
    EXPECT_EQ(runProgram(write).exitCode, 0);
    const QByteArray written = fileBytes(path);
    EXPECT_TRUE(written.contains("Edge 1050"));
    // Written once, refused the second time, replaced with --force.
    EXPECT_EQ(runProgram(write).exitCode, 1);
    EXPECT_EQ(runProgram(write + QStringList{QStringLiteral("--force")}).exitCode, 0);
    // The layout checks clean.
    const ProgramRun check = runProgram({QStringLiteral("--check"), path});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();

    const QString round = dir.filePath(QStringLiteral("round.xml"));
    const ProgramRun refused = runProgram(
        {QStringLiteral("--template"), QStringLiteral("roundgauge"), QStringLiteral("--device"),
         QStringLiteral("Edge 1050"), QStringLiteral("--output"), round});
    EXPECT_EQ(refused.exitCode, TemplateNotOffered);
    EXPECT_FALSE(refused.err.isEmpty());
    EXPECT_FALSE(QFile::exists(round));

    const ProgramRun missing = runProgram(
        {QStringLiteral("--template"), QStringLiteral("grid4"), QStringLiteral("--output"), round});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(QFile::exists(round));
}

} // namespace
} // namespace zef
