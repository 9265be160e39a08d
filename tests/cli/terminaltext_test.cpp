#include "cli/terminaltext.h"

#include "cli/checkcommand.h"
#include "cli/configcommands.h"
#include "cli/documentio.h"
#include "cli/rendercommand.h"
#include "common/builtonce.h"
#include "common/layoutelements.h"
#include "common/scriptedplatform.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace zef {
namespace {

struct EscapeCase {
    const char* name;
    QString text;
    QString shown;
};

const EscapeCase EscapeCases[] = {
    {"PlainTextIsKept", QStringLiteral("Edge 1030: \"45.3 km/h\""),
     QStringLiteral("Edge 1030: \"45.3 km/h\"")},
    {"BackslashesAndConfigCharactersAreKept", QStringLiteral("C!!!'\\u+~a\\x1b"),
     QStringLiteral("C!!!'\\u+~a\\x1b")},
    {"LineBreaksAndTab", QStringLiteral("a\nb\r\nc\td"), QStringLiteral("a\\nb\\r\\nc\\td")},
    {"ClearScreenAndBell", QStringLiteral("\x1b[2J\x1b[H\a"), QStringLiteral("\\x1b[2J\\x1b[H\\x07")},
    {"Osc52ClipboardWrite", QStringLiteral("\x1b]52;c;cm0gLXJmIH4=\x07"),
     QStringLiteral("\\x1b]52;c;cm0gLXJmIH4=\\x07")},
    {"Osc52EndedByStringTerminator", QStringLiteral("\x1b]52;c;eA==\x1b\\"),
     QStringLiteral("\\x1b]52;c;eA==\\x1b\\")},
    {"NulAndDel", QString(QChar(0)) + QStringLiteral("x\x7f"), QStringLiteral("\\x00x\\x7f")},
    {"C1ControlsIncludingCsiAndNextLine", QStringLiteral("\u009b2J\u0085\u009d"),
     QStringLiteral("\\x9b2J\\x85\\x9d")},
    {"LineAndParagraphSeparators", QStringLiteral("a\u2028b\u2029c"),
     QStringLiteral("a\\u2028b\\u2029c")},
    {"BidirectionalOverrideAndIsolates", QStringLiteral("\u202eabc\u2066d\u2069\u200f"),
     QStringLiteral("\\u202eabc\\u2066d\\u2069\\u200f")},
    {"LettersOfOtherScriptsAreKept", QStringLiteral("Grüße € \u05d0 \u4e2d \U0001F600 \u00a0"),
     QStringLiteral("Grüße € \u05d0 \u4e2d \U0001F600 \u00a0")},
};

class TerminalTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(TerminalTextTest, ControlsAreShownVisibly) {
    const EscapeCase& c = GetParam();
    const QString shown = terminalText(c.text);
    EXPECT_EQ(shown.toStdString(), c.shown.toStdString());
    for (const QChar ch : shown) {
        const int code = ch.unicode();
        EXPECT_GE(code, 0x20) << "a C0 control is left";
        EXPECT_FALSE(code >= 0x7F && code <= 0x9F) << "DEL or a C1 control is left";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TerminalTextTest, ::testing::ValuesIn(EscapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TerminalText, EveryControlOfEachRangeIsEscaped) {
    for (char16_t c = 0; c < 0x2100; ++c) {
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
        if (!control) continue;
        const QString shown = terminalText(QString(QChar(c)));
        EXPECT_TRUE(shown.startsWith(QLatin1Char('\\'))) << "U+" << std::hex << int(c);
        EXPECT_GE(shown.size(), 2) << "U+" << std::hex << int(c);
    }
}

TEST(TerminalText, ErrorsAndRowsStayOneLineEach) {
    QString text;
    QTextStream stream(&text);
    printError(stream, QStringLiteral("Unknown device \"x\n1: clipped: forged\x1b[2K\""));
    printLine(stream, QStringLiteral("2: off-screen: the text \"a\rb\""));
    printRow(stream, {QStringLiteral("0"), QStringLiteral("Edge\t1030\n"), QStringLiteral("C")});
    stream.flush();
    EXPECT_EQ(text.toStdString(),
              "zef-designer: Unknown device \"x\\n1: clipped: forged\\x1b[2K\"\n"
              "2: off-screen: the text \"a\\rb\"\n"
              "0\tEdge\\t1030\\n\tC\n");
}

// Hostile texts: what a layout file or an argument may hold.
struct HostileText {
    const char* name;
    QString text;
    std::string shown;
};

const HostileText HostileTexts[] = {
    {"ClearScreenAndBell", QStringLiteral("\x1b[2J\x1b[3J\a"), "\\x1b[2J\\x1b[3J\\x07"},
    {"Osc52ClipboardWrite", QStringLiteral("\x1b]52;c;cm0gLXJm\x07"), "\\x1b]52;c;cm0gLXJm\\x07"},
    {"ForgedFinding", QStringLiteral("A\n9: clipped: forged"), "A\\n9: clipped: forged"},
    {"HiddenByCarriageReturn", QStringLiteral("A\r\x1b[2K"), "A\\r\\x1b[2K"},
};

// Everything a command printed: one line per line break, no control character
// but those line breaks, and the hostile text shown escaped.
void expectEscapedLines(const QString& printed, int lines, const HostileText& row) {
    EXPECT_EQ(printed.count(QLatin1Char('\n')), lines) << printed.toStdString();
    for (const QChar ch : printed) {
        const int c = ch.unicode();
        if (c == '\n') continue;
        EXPECT_FALSE(c < 0x20 || (c >= 0x7F && c <= 0x9F))
            << "U+" << std::hex << c << " in " << printed.toStdString();
    }
    EXPECT_NE(printed.toStdString().find(row.shown), std::string::npos) << printed.toStdString();
}

class HostileOutputTest : public ::testing::TestWithParam<HostileText> {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
    QString out, err;
    QTextStream outStream{&out}, errStream{&err};
};

// A fixed text off the screen: its finding quotes it.
TEST_P(HostileOutputTest, CheckPrintsALayoutTextEscapedInOneFinding) {
    ScriptedPlatform platform;
    LayoutDocument document(test::shippedCatalogs(), platform);
    document.replaceLayout({valueElement(-900, 20, 2, GetParam().text)},
                           test::shippedCatalogs().devices.findDeviceByName(
                               QStringLiteral("Edge 1030")),
                           QString());
    const QString path = dir.filePath(QStringLiteral("text.xml"));
    QString error;
    ASSERT_TRUE(writeLayoutFile(document, path, &error)) << error.toStdString();

    EXPECT_EQ(checkLayoutFile(test::shippedCatalogs(), path, std::nullopt, outStream, errStream),
              CheckFoundSomething);
    outStream.flush();
    expectEscapedLines(out, 1, GetParam());
    EXPECT_TRUE(out.startsWith(QStringLiteral("1: "))) << out.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

// The config string carries the text as it is; on a terminal it is shown
// escaped, to a pipe it goes exactly.
TEST_P(HostileOutputTest, ExportEscapesTheConfigStringOnlyForATerminal) {
    ScriptedPlatform platform;
    LayoutDocument document(test::shippedCatalogs(), platform);
    document.replaceLayout({valueElement(10, 20, 2, GetParam().text)},
                           test::shippedCatalogs().devices.findDeviceByName(
                               QStringLiteral("Edge 1030")),
                           QString());
    const QString path = dir.filePath(QStringLiteral("text.xml"));
    QString error;
    ASSERT_TRUE(writeLayoutFile(document, path, &error)) << error.toStdString();

    ASSERT_EQ(exportConfigString(test::shippedCatalogs(), path, outStream, errStream, QString(),
                                 ConfigStringOutput::Exact),
              0);
    outStream.flush();
    const QString exact = out;
    EXPECT_TRUE(exact.contains(GetParam().text));
    out.clear();
    ASSERT_EQ(exportConfigString(test::shippedCatalogs(), path, outStream, errStream, QString(),
                                 ConfigStringOutput::Escaped),
              0);
    outStream.flush();
    expectEscapedLines(out, 1, GetParam());
    EXPECT_EQ(out, terminalText(exact.chopped(1)) + QLatin1Char('\n'));
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

// A text as an XML attribute value: controls as character references, which
// the reader takes as they are (a raw CR would be read as a line break).
QByteArray attributeValue(const QString& text) {
    QByteArray value;
    for (const char c : text.toUtf8())
        value += c >= 0 && c < 0x20 ? "&#" + QByteArray::number(int(c)) + ';' : QByteArray(1, c);
    return value;
}

// A device name from the file, or from --device, comes back in an error line.
TEST_P(HostileOutputTest, DeviceNamesAreEchoedEscapedInOneErrorLine) {
    const QString& name = GetParam().text;
    const QString layout =
        write("device.xml", "<?xml version=\"1.0\"?>\n<ZEFLayout><Device name=\"" +
                                attributeValue(name) + "\"/></ZEFLayout>\n");
    const QString good = write("good.xml", "<?xml version=\"1.0\"?>\n<ZEFLayout><Device "
                                           "name=\"Edge 1030\"/></ZEFLayout>\n");
    const Catalogs& catalogs = test::shippedCatalogs();
    const struct {
        const char* command;
        std::function<int()> run;
    } commands[] = {
        {"--check", [&] { return checkLayoutFile(catalogs, layout, std::nullopt, outStream,
                                                 errStream); }},
        {"--check --device", [&] { return checkLayoutFile(catalogs, good, name, outStream,
                                                          errStream); }},
        {"--export-config", [&] { return exportConfigString(catalogs, layout, outStream,
                                                            errStream); }},
        {"--import-config --device",
         [&] { return importConfigString(catalogs, QStringLiteral("C"),
                                         dir.filePath(QStringLiteral("out.xml")), errStream,
                                         name); }},
        {"--render", [&] {
             RenderOptions options;
             options.layoutPath = layout;
             options.outputPath = dir.filePath(QStringLiteral("out.png"));
             return renderLayout(catalogs, options, errStream);
         }},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.command);
        out.clear();
        err.clear();
        EXPECT_NE(command.run(), 0);
        outStream.flush();
        errStream.flush();
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("zef-designer: "))) << err.toStdString();
        expectEscapedLines(err, 1, GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileOutputTest, ::testing::ValuesIn(HostileTexts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zef
