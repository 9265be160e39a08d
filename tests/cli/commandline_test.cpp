#include "cli/commandline.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace zef {
namespace {

const QString Usage = QStringLiteral("Usage: zef-designer [options] [file.xml]\n");

QString usageError(const char* error) {
    return QStringLiteral("zef-designer: ") + QString::fromUtf8(error) + QLatin1Char('\n') + Usage +
           QStringLiteral("Run 'zef-designer --help' for the options.\n");
}

struct ArgumentCase {
    const char* name;
    QStringList arguments; // after the executable
    ArgumentCheck::Outcome outcome;
    int exitCode;
    QString err; // exactly, for an Exit
};

const ArgumentCase ArgumentCases[] = {
    {"NothingOpensTheWindow", {}, ArgumentCheck::Window, 0, {}},
    {"AFileOpensTheWindow", {"layout.xml"}, ArgumentCheck::Window, 0, {}},
    {"QtOptionsGoToTheWindow",
     {"-style", "Fusion", "-platform", "xcb", "--reverse", "-qwindowtitle=x", "layout.xml"},
     ArgumentCheck::Window,
     0,
     {}},
    {"ACommand", {"--list-devices"}, ArgumentCheck::Command, 0, {}},
    {"ACommandWithItsOptions",
     {"--render", "a.xml", "--output", "a.png", "--night", "--highlight", "2"},
     ArgumentCheck::Command,
     0,
     {}},
    {"StandardInputAsValue",
     {"--import-config", "-", "--output", "a.xml"},
     ArgumentCheck::Command,
     0,
     {}},
    {"ACommandWithQtOptions",
     {"-platform", "offscreen", "--list-fonts", "--device", "Edge 1050"},
     ArgumentCheck::Command,
     0,
     {}},
    {"UnknownOption", {"--bogus"}, ArgumentCheck::Exit, 2, usageError("Unknown option 'bogus'.")},
    {"MisspeltCommand",
     {"--export-confg", "a.xml"},
     ArgumentCheck::Exit,
     2,
     usageError("Unknown option 'export-confg'.")},
    {"MissingValue",
     {"--list-fonts", "--device"},
     ArgumentCheck::Exit,
     2,
     usageError("Missing value after '--device'.")},
    {"OptionWithoutItsCommand",
     {"--device", "Edge 1050"},
     ArgumentCheck::Exit,
     2,
     usageError("--device goes only with a command.")},
    {"TwoFiles",
     {"a.xml", "b.xml"},
     ArgumentCheck::Exit,
     2,
     usageError("Only one layout file can be opened.")},
    {"AFileAfterACommand",
     {"--list-devices", "a.xml"},
     ArgumentCheck::Exit,
     2,
     usageError("Unexpected argument 'a.xml'.")},
    {"AnOptionOfAnotherCommand",
     {"--render", "a.xml", "--output", "a.png", "--device", "Edge 1050"},
     ArgumentCheck::Exit,
     2,
     usageError("--device does not go with --render, only with --list-value-types, --list-fonts, "
                "--check, --import-config or --template.")},
    {"AnOptionOfOneOtherCommand",
     {"--list-devices", "--qr", "x.png"},
     ArgumentCheck::Exit,
     2,
     usageError("--qr does not go with --list-devices, only with --export-config.")},
    {"ARenderFlagWithTheCheck",
     {"--check", "a.xml", "--night"},
     ArgumentCheck::Exit,
     2,
     usageError("--night does not go with --check, only with --render.")},
    {"TwoCommands",
     {"--list-devices", "--check", "a.xml"},
     ArgumentCheck::Exit,
     2,
     usageError("--list-devices and --check are two commands; give one at a time.")},
    {"TwoCommandsWithOneDash",
     {"-export-config", "a.xml", "-render", "a.xml", "--output", "a.png"},
     ArgumentCheck::Exit,
     2,
     usageError("--export-config and --render are two commands; give one at a time.")},
    {"OneCommandTwice",
     {"--check", "a.xml", "--check", "b.xml"},
     ArgumentCheck::Exit,
     2,
     usageError("--check is given twice; give one command at a time.")},
    {"RenderWithoutItsOutput",
     {"--render", "a.xml", "--night"},
     ArgumentCheck::Exit,
     2,
     usageError("--render needs --output file.png.")},
    {"ImportWithoutItsOutput",
     {"--import-config", "C"},
     ArgumentCheck::Exit,
     2,
     usageError("--import-config needs --output file.xml.")},
    {"HighlightIsNoNumber",
     {"--render", "a.xml", "--output", "a.png", "--highlight", "first"},
     ArgumentCheck::Exit,
     2,
     usageError("--highlight needs an element index, not 'first'.")},
    {"RepeatIsNoNumber",
     {"--render", "a.xml", "--output", "a.png", "--repeat", "7x"},
     ArgumentCheck::Exit,
     2,
     usageError("--repeat needs a count, not '7x'.")},
    {"AnUnknownOptionIsEchoedEscaped",
     {"--\x1b]52;c;eA\a\nx"},
     ArgumentCheck::Exit,
     2,
     usageError("Unknown option '\\x1b]52;c;eA\\x07\\nx'.")},
    {"AnUnexpectedArgumentIsEchoedEscaped",
     {"--list-devices", "\x1b[2J"},
     ArgumentCheck::Exit,
     2,
     usageError("Unexpected argument '\\x1b[2J'.")},
};

class ArgumentCheckTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentCheckTest, Outcome) {
    const ArgumentCase& c = GetParam();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const ArgumentCheck checked = checkArguments(
        QStringList{QStringLiteral("zef-designer")} + c.arguments, outStream, errStream);
    EXPECT_EQ(checked.outcome, c.outcome);
    EXPECT_EQ(checked.exitCode, c.exitCode);
    EXPECT_EQ(err.toStdString(), c.err.toStdString());
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, ArgumentCheckTest, ::testing::ValuesIn(ArgumentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArgumentCheck, VersionPrintsNameAndVersion) {
    for (const char* option : {"--version", "-v"}) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const ArgumentCheck checked = checkArguments(
            {QStringLiteral("zef-designer"), QString::fromLatin1(option)}, outStream, errStream);
        EXPECT_EQ(checked.outcome, ArgumentCheck::Exit) << option;
        EXPECT_EQ(checked.exitCode, 0) << option;
        EXPECT_EQ(out, QStringLiteral("zef-designer 3.8.1\n")) << option;
        EXPECT_TRUE(err.isEmpty()) << option;
    }
}

TEST(ArgumentCheck, HelpListsTheCommandsButNotQtsOptions) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const ArgumentCheck checked = checkArguments(
        {QStringLiteral("/usr/bin/zef-designer"), QStringLiteral("--help")}, outStream, errStream);
    EXPECT_EQ(checked.outcome, ArgumentCheck::Exit);
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_TRUE(out.startsWith(Usage)) << out.toStdString();
    for (const char* option :
         {"--version", "--list-devices", "--export-config <file.xml>", "--render <file.xml>"})
        EXPECT_TRUE(out.contains(QString::fromLatin1(option))) << option;
    EXPECT_FALSE(out.contains(QStringLiteral("platform")));
    EXPECT_TRUE(out.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(err.isEmpty());
}

struct DisplayCase {
    const char* name;
    QStringList environment;
    bool platformOption;
    bool missing;
};

const DisplayCase DisplayCases[] = {
    {"X11", {"DISPLAY=:0"}, false, false},
    {"Wayland", {"WAYLAND_DISPLAY=wayland-0"}, false, false},
    {"PlatformChosen", {"QT_QPA_PLATFORM=offscreen"}, false, false},
    {"PlatformArgument", {}, true, false},
    {"Nothing", {}, false, true},
    {"EmptyValuesAreNotSet", {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, false, true},
};

class NoDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(NoDisplayTest, Message) {
    const DisplayCase& c = GetParam();
    QProcessEnvironment environment;
    for (const QString& entry : c.environment)
        environment.insert(entry.section(QLatin1Char('='), 0, 0),
                           entry.section(QLatin1Char('='), 1));
    const std::optional<QString> message = noDisplayMessage(environment, c.platformOption);
    ASSERT_EQ(message.has_value(), c.missing);
    if (message) {
        EXPECT_EQ(*message,
                  QStringLiteral("zef-designer: no display for the window (neither DISPLAY nor "
                                 "WAYLAND_DISPLAY is set); the -- commands need none "
                                 "(zef-designer --help lists them)."));
        EXPECT_FALSE(message->contains(QLatin1Char('\n')));
    }
}

INSTANTIATE_TEST_SUITE_P(Environments, NoDisplayTest, ::testing::ValuesIn(DisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The built program: wrong arguments end it before any window could start, and
// without a display the window is not tried.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZEF_DESIGNER), arguments);
    ProgramRun run;
    // A window would wait for the user: the run would not end.
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

TEST(Program, VersionAndWrongArgumentsOpenNoWindow) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const ProgramRun version = runProgram({QStringLiteral("--version")}, environment);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("zef-designer 3.8.1\n"));

    for (const char* wrong : {"--bogus", "--export-confg"}) {
        const ProgramRun run = runProgram({QString::fromLatin1(wrong)}, environment);
        EXPECT_EQ(run.exitCode, 2) << wrong;
        EXPECT_TRUE(run.out.isEmpty()) << wrong;
        EXPECT_TRUE(run.err.contains(Usage)) << wrong;
    }
}

// Errors at run time: the program's name, what failed and the system's reason,
// on one line.
TEST(Program, AFileThatCannotBeWrittenIsReportedWithTheReason) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const QString layout = QStringLiteral(SOURCE_DIR "/res/layout.xml");
    const QString missing = QStringLiteral("/nonexistent-dir/x");
    const struct {
        const char* name;
        QStringList arguments;
        QString error;
    } rows[] = {
        {"render", {"--render", layout, "--output", missing + ".png"},
         "zef-designer: Cannot write /nonexistent-dir/x.png: "},
        {"QR code", {"--export-config", layout, "--qr", missing + ".png"},
         "zef-designer: The QR code cannot be written to \"/nonexistent-dir/x.png\": "},
        {"import", {"--import-config", "-", "--output", missing + ".xml"},
         "zef-designer: The layout could not be saved to \"/nonexistent-dir/x.xml\": "},
    };
    for (const auto& row : rows) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZEF_DESIGNER), row.arguments);
        // The import reads its string from standard input: the example's.
        if (row.arguments.contains(QStringLiteral("-"))) {
            QProcess exporter;
            exporter.setProcessEnvironment(environment);
            exporter.start(QStringLiteral(ZEF_DESIGNER),
                           {QStringLiteral("--export-config"), layout});
            ASSERT_TRUE(exporter.waitForFinished(60000));
            process.write(exporter.readAllStandardOutput());
        }
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000)) << row.name;
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1) << row.name;
        EXPECT_TRUE(err.startsWith(row.error)) << row.name << ": " << err.toStdString();
        EXPECT_TRUE(err.endsWith(QStringLiteral(": No such file or directory\n")))
            << row.name << ": " << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << row.name << ": " << err.toStdString();
    }
}

TEST(Program, WrongOptionsAndTwoCommandsAreRefusedBeforeAnythingRuns) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("x.png"));
    const QString layout = QStringLiteral(SOURCE_DIR "/res/layout.xml");
    for (const QStringList& arguments :
         {QStringList{"--list-devices", "--qr", png},
          QStringList{"--render", layout, "--output", png, "--device", "Edge 130"},
          QStringList{"--list-devices", "--render", layout, "--output", png}}) {
        const ProgramRun run = runProgram(arguments, environment);
        const std::string shown = arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, 2) << shown;
        EXPECT_TRUE(run.out.isEmpty()) << shown;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("zef-designer: "))) << shown;
        EXPECT_TRUE(run.err.contains(Usage)) << shown;
        EXPECT_FALSE(QFile::exists(png)) << shown;
    }
}

// Qt's warning about XDG_RUNTIME_DIR would be the only line on stderr.
TEST(Program, CommandsPrintNothingOnStderrWithoutARuntimeFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QTemporaryDir dir;
    const QString layout = QStringLiteral(SOURCE_DIR "/res/layout.xml");
    for (const QStringList& arguments :
         {QStringList{"--list-devices"}, QStringList{"--check", layout},
          QStringList{"--render", layout, "--output", dir.filePath(QStringLiteral("x.png"))}}) {
        const ProgramRun run = runProgram(arguments, environment);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << run.exitCode;
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

TEST(Program, WithoutADisplayTheWindowIsNotTried) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    const ProgramRun run = runProgram({}, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("zef-designer: no display")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
}

} // namespace
} // namespace zef
