// What a load makes of particular files: one row per case, each with the
// document it starts from, the file, and what the document must hold after.
#include "cli/documentio.h"
#include "filestestsupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <climits>
#include <functional>

namespace zef {
namespace {

using test::Session;

struct LoadEdgeCase {
    const char* name;
    const char* startDevice; // nullptr: no device selected
    QByteArray file;
    LoadStatus status;
    int count; // elements after the load
    std::function<void(const Session&)> check;
};

void PrintTo(const LoadEdgeCase& c, std::ostream* os) {
    *os << c.name;
}

const LayoutElement& at(const Session& s, int i) {
    return s.document.elements().at(static_cast<std::size_t>(i));
}

QByteArray valueLine(const QByteArray& attributes) {
    return "<LayoutElement type=\"0\" " + attributes + "/>";
}

QByteArray manyLines(int n, const QByteArray& line) {
    QByteArray out;
    for (int i = 0; i < n; ++i) out += "    " + line + "\r\n";
    return out;
}

const LoadEdgeCase LoadCases[] = {
    {"FxForcesFixedText", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"FX\" fixedtext=\"false\" text=\"Hi\"")}),
     LoadStatus::Loaded, 1,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).valueType, 0);
         EXPECT_TRUE(at(s, 0).fixedText);
         EXPECT_EQ(at(s, 0).text, QStringLiteral("Hi"));
     }},
    {"CodesAreCaseSensitiveAndFxIsExact", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"fx\" fixedtext=\"false\""),
                                   valueLine("eletype=\"cs\""), valueLine("eletype=\"CS\"")}),
     LoadStatus::Loaded, 3,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).valueType, 0);
         EXPECT_FALSE(at(s, 0).fixedText) << "only \"FX\" forces the fixed text";
         EXPECT_EQ(at(s, 1).valueType, 0);
         EXPECT_EQ(at(s, 2).valueType, 31);
         EXPECT_FALSE(at(s, 2).fixedText);
     }},
    {"SharedCodeWaReadsAsTheFirst", "Edge 1030",
     test::layoutXml("Edge 1030", {"<LayoutElement type=\"1\" eletype=\"RF\" valuetype=\"WA\"/>",
                                   valueLine("eletype=\"WA\"")}),
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).valueType, 56);
         EXPECT_EQ(at(s, 0).graphicKind(), GraphicKind::RectangleFilled);
         EXPECT_EQ(at(s, 1).valueType, 56);
     }},
    {"DynamicRowsZeroAndThree", "Edge 1030",
     test::layoutXml(
         "Edge 1030",
         {"<LayoutElement type=\"2\" replDC=\"123456\" valDC00=\"150\" colDC00=\"FF0000\" "
          "hideDC00=\"false\" blinkDC00=\"true\" valDC03=\"-25\" colDC03=\"00FF00\" "
          "hideDC03=\"true\" blinkDC03=\"false\" colDC05=\"FFFFFF\" hideDC05=\"true\" "
          "invertcolor=\"true\"/>"}),
     LoadStatus::Loaded, 1,
     [](const Session& s) {
         const LayoutElement& e = at(s, 0);
         EXPECT_EQ(e.replaceColor, 0x00563412u);
         EXPECT_EQ(e.dcValue[0], 150);
         EXPECT_EQ(e.dcColor[0], 0x000000FFu);
         EXPECT_TRUE(e.dcBlink[0]);
         EXPECT_EQ(e.dcValue[3], -25);
         EXPECT_EQ(e.dcColor[3], 0x0000FF00u);
         EXPECT_TRUE(e.dcHide[3]);
         for (int j : {1, 2, 4, 5, 6, 7, 8, 9}) {
             EXPECT_TRUE(e.dynamicColor(j).isEmpty()) << "row " << j;
             EXPECT_EQ(e.dcColor[j], 0u) << "a row without its value is not read: " << j;
             EXPECT_FALSE(e.dcHide[j]) << j;
         }
         EXPECT_TRUE(e.invertColor);
     }},
    {"ColourDigitsInEitherCase", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("color=\"FF8000\""), valueLine("color=\"ff8000\""),
                                   valueLine("color=\"FF\""), valueLine("color=\"zz\"")}),
     LoadStatus::Loaded, 4,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).color, 0x000080FFu);
         EXPECT_EQ(at(s, 1).color, 0x000080FFu);
         EXPECT_EQ(at(s, 2).color, 0x000000FFu);
         EXPECT_EQ(at(s, 3).color, 0u);
     }},
    {"TradeMarkSignStillSelectsTheDevice", "Edge 530",
     test::layoutXml("Edge 1030\xE2\x84\xA2", {valueLine("eletype=\"CS\"")}), LoadStatus::Loaded, 1,
     [](const Session& s) {
         EXPECT_EQ(s.document.selectedDevice(), test::deviceIndex("Edge 1030"));
         EXPECT_EQ(s.document.designDevice(), test::deviceIndex("Edge 1030"));
     }},
    {"RegisteredSignAndIAcuteAreNormalised", nullptr,
     test::layoutXml("v\xC3\xADvoactive\xC2\xAE 3", {valueLine("eletype=\"CS\"")}),
     LoadStatus::Loaded, 1,
     [](const Session& s) {
         EXPECT_EQ(s.document.selectedDevice(), test::deviceIndex("vivoactive 3"));
     }},
    // A layout the catalog has no device for cannot be shown as it is: it is
    // not adopted, so that a Save cannot replace it with what another device
    // would keep of it.
    {"OtherLetterCaseIsAnUnknownDeviceAndChangesNothing", "Edge 530",
     test::layoutXml("edge 1030", {valueLine("eletype=\"CS\"")}), LoadStatus::UnknownDevice, 1,
     [](const Session& s) { EXPECT_EQ(at(s, 0).text, QStringLiteral("before the load")); }},
    {"UnknownDeviceWithNoneSelectedChangesNothing", nullptr,
     test::layoutXml("No Such Watch", {valueLine("eletype=\"CS\"")}), LoadStatus::UnknownDevice, 0,
     [](const Session& s) { EXPECT_EQ(s.document.selectedDevice(), -1); }},
    // Terminal controls in a text are the layout's own (the command line escapes
    // them when it prints); character references and raw bytes read alike.
    {"TerminalControlsInTextsAreKept", "Edge 1030",
     test::layoutXml("Edge 1030",
                     {valueLine("eletype=\"FX\" text=\"\x1b]52;c;eA\x07&#27;[2J&#10;9: forged\""),
                      "<LayoutElement type=\"3\" text=\"&#7;&#27;]0;title&#7;\"/>"}),
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).text, QStringLiteral("\x1b]52;c;eA\a\x1b[2J\n9: forged"));
         EXPECT_EQ(at(s, 1).text, QStringLiteral("\a\x1b]0;title\a"));
     }},
    {"TerminalControlsInADeviceNameMakeAnUnknownDevice", nullptr,
     test::layoutXml("Edge 1030\x1b[2J\x1b]52;c;eA\x07", {valueLine("eletype=\"CS\"")}),
     LoadStatus::UnknownDevice, 0,
     [](const Session& s) { EXPECT_EQ(s.document.selectedDevice(), -1); }},
    {"EmptyDeviceNameChangesNothing", "Edge 530",
     test::layoutXml("", {valueLine("eletype=\"CS\"")}), LoadStatus::UnknownDevice, 1, nullptr},
    {"Windows1252File", nullptr,
     test::layoutXml("epix Pro (Gen 2) 51mm / D2 Mach 1 Pro / tactix 7  \x96 AMOLED Edition",
                     {valueLine("eletype=\"FX\" text=\"Gr\xFC\xDF\x65 \x80\" sampletext=\"\xE9\""),
                      "<LayoutElement type=\"3\" text=\"caf\xC3\xA9\"/>"}),
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_EQ(s.document.selectedDevice(), 49);
         EXPECT_EQ(at(s, 0).text, QStringLiteral("Grüße €"));
         EXPECT_EQ(at(s, 0).sampleText, QStringLiteral("é"));
         EXPECT_EQ(at(s, 1).text, QStringLiteral("café")) << "each text is decoded on its own";
     }},
    {"LimitKeepsTheFirstAndTellsOnce", "D2 Bravo",
     test::layoutXml("D2 Bravo", {"<LayoutElement type=\"3\" text=\"a\"/>",
                                  "<LayoutElement type=\"3\" text=\"b\"/>"})
         .replace("</ZEFLayout>",
                  manyLines(33, valueLine("eletype=\"CS\"")) +
                      "    <LayoutElement type=\"3\" text=\"late\"/>\r\n</ZEFLayout>"),
     LoadStatus::Loaded, 32,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).kind, KindSeparator);
         EXPECT_EQ(at(s, 31).kind, KindValue);
         ASSERT_EQ(s.platform.messages.size(), 1u) << "one message for the whole load";
         EXPECT_TRUE(s.platform.messages[0].text.startsWith(LayoutDocument::limitMessage()));
         EXPECT_TRUE(s.platform.messages[0].text.contains(QStringLiteral("4 elements")))
             << s.platform.messages[0].text.toStdString();
     }},
    {"UnknownCodesGivePositionZero", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"ZZZ\""),
                                   "<LayoutElement type=\"1\" eletype=\"XX\" valuetype=\"\"/>"}),
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).valueType, 0);
         EXPECT_EQ(at(s, 1).graphicKind(), GraphicKind::Line);
         EXPECT_EQ(at(s, 1).valueType, 0);
     }},
    {"AbsurdNumbers", "Edge 1030",
     test::layoutXml("Edge 1030",
                     {"<LayoutElement type=\"1\" x=\"99999999999\" y=\"-\" x2=\"0x10\" "
                      "y2=\" 12abc\" radius=\"-99999999999\" nr_values=\"-4\"/>"}),
     LoadStatus::Loaded, 1,
     [](const Session& s) {
         const LayoutElement& e = at(s, 0);
         EXPECT_EQ(e.x, INT_MAX);
         EXPECT_EQ(e.y, 0);
         EXPECT_EQ(e.x2, 0);
         EXPECT_EQ(e.y2, 12);
         EXPECT_EQ(e.radius, INT_MIN);
         EXPECT_EQ(e.stroke, 0) << "a missing number reads as 0";
         EXPECT_EQ(e.nrValues, 1) << "at least one value";
     }},
    {"MissingAttributes", "Edge 1030",
     test::layoutXml("Edge 1030", {"<LayoutElement/>", "<LayoutElement type=\"1\"/>",
                                   "<LayoutElement type=\"2\"/>", "<LayoutElement type=\"3\"/>"}),
     LoadStatus::Loaded, 4,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).kind, KindValue) << "no type is a value";
         EXPECT_EQ(at(s, 0).font, QString()) << "a missing font is empty";
         EXPECT_EQ(at(s, 0).nrValues, 1);
         EXPECT_EQ(at(s, 1).nrValues, 1);
         EXPECT_FALSE(at(s, 2).hasDynamicColorRows());
         EXPECT_EQ(at(s, 3).text, QString());
     }},
    {"FlagsAsTinyxml2ReadsThem", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"CS\" fixedtext=\"True\" "
                                             "maxonly=\"2\" daynight=\"yes\""),
                                   valueLine("eletype=\"CS\" fixedtext=\"TRUE\" "
                                             "maxonly=\"0\" daynight=\"FALSE\"")}),
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_TRUE(at(s, 0).fixedText);
         EXPECT_TRUE(at(s, 0).maxOnly);
         EXPECT_FALSE(at(s, 0).dayNight);
         EXPECT_TRUE(at(s, 1).fixedText);
         EXPECT_FALSE(at(s, 1).maxOnly);
     }},
    {"UnknownKindKeepsOnlyItsKind", "Edge 1030",
     test::layoutXml("Edge 1030", {"<LayoutElement type=\"9\" x=\"5\" text=\"t\"/>"}),
     LoadStatus::Loaded, 1,
     [](const Session& s) { EXPECT_TRUE(isSameContent(at(s, 0), LayoutElement(9))); }},
    {"ElementsStartAtTheFirstLayoutElementAndTakeEverySibling", "Edge 1030",
     test::layoutXml("Edge 1030", {"<Other type=\"3\" text=\"before\"/>",
                                   "<LayoutElement type=\"3\" text=\"first\"/>",
                                   "<Designer time=\"x\"/>", "<Other type=\"3\" text=\"after\"/>"}),
     LoadStatus::Loaded, 3,
     [](const Session& s) {
         EXPECT_EQ(at(s, 0).text, QStringLiteral("first"));
         EXPECT_EQ(at(s, 1).kind, KindValue);
         EXPECT_EQ(at(s, 2).text, QStringLiteral("after"));
     }},
    {"RootOfAnyNameAndDeviceAnywhere", nullptr,
     "<Layout><Designer/><LayoutElement type=\"3\" text=\"s\"/><Device name=\"Edge 1030\"/>"
     "</Layout>",
     LoadStatus::Loaded, 2,
     [](const Session& s) {
         EXPECT_EQ(s.document.selectedDevice(), test::deviceIndex("Edge 1030"));
         EXPECT_EQ(at(s, 1).kind, KindValue) << "the Device element is a sibling too";
     }},
    {"LineFeedOnlyFile", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"CS\" text=\"a&#10;b\"")})
         .replace("\r\n", "\n"),
     LoadStatus::Loaded, 1,
     [](const Session& s) { EXPECT_EQ(at(s, 0).text, QStringLiteral("a\nb")); }},
    {"Utf8ByteOrderMarkIsAccepted", "Edge 530",
     "\xEF\xBB\xBF" + test::layoutXml("Edge 1030", {valueLine("eletype=\"CS\"")}),
     LoadStatus::Loaded, 1,
     [](const Session& s) {
         EXPECT_EQ(s.document.selectedDevice(), test::deviceIndex("Edge 1030"));
     }},
    {"Utf16FileIsNoLayout", "Edge 1030",
     [] {
         const QString text =
             QString::fromUtf8(test::layoutXml("Edge 1030", {valueLine("eletype=\"CS\"")}));
         return QByteArray("\xFF\xFE") +
                QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
     }(),
     LoadStatus::NotLayout, 1, nullptr},
    {"NoDeviceElementChangesNothing", "Edge 1030",
     "<ZEFLayout><LayoutElement type=\"3\"/></ZEFLayout>", LoadStatus::NoDevice, 1, nullptr},
    {"EmptyFile", "Edge 1030", "", LoadStatus::NotLayout, 1, nullptr},
    {"TruncatedFile", "Edge 1030",
     test::layoutXml("Edge 1030", {valueLine("eletype=\"CS\"")}).left(70), LoadStatus::NotLayout, 1,
     nullptr},
    {"NotWellFormed", "Edge 1030", "<ZEFLayout><Device name=\"Edge 1030\"></ZEFLayout>",
     LoadStatus::NotLayout, 1, nullptr},
    {"OnlyADeclaration", "Edge 1030", "<?xml version=\"1.0\"?>\r\n<!-- nothing -->",
     LoadStatus::NotLayout, 1, nullptr},
    {"NotXmlAtAll", "Edge 1030", "C00000abcdefgh\x01\x02\xFF", LoadStatus::NotLayout, 1, nullptr},
    {"NestedTooDeep", "Edge 1030", QByteArray("<a>").repeated(5000), LoadStatus::NotLayout, 1,
     nullptr},
};

class LoadEdgeCases : public ::testing::TestWithParam<LoadEdgeCase> {};

TEST_P(LoadEdgeCases, LoadsAsTheRulesSay) {
    const LoadEdgeCase& c = GetParam();
    Session s(c.startDevice ? test::deviceIndex(c.startDevice) : -1);
    if (c.startDevice) {
        ASSERT_GE(s.document.selectedDevice(), 0) << c.startDevice;
    }
    // A layout already there, so that "unchanged" can be seen.
    LayoutElement before(KindSeparator);
    before.text = QStringLiteral("before the load");
    s.document.replaceLayout({before}, -1, QStringLiteral("/previous/file.xml"));
    const ElementVector previous = s.document.elements();
    const int previousDevice = s.document.selectedDevice();

    const QString path = QStringLiteral("/loaded/from/%1.xml").arg(QLatin1String(c.name));
    const LoadResult result = loadLayoutFromBytes(s.document, c.file, path, false);
    EXPECT_EQ(result.status, c.status) << result.error.toStdString();
    EXPECT_EQ(s.document.count(), c.count);

    if (c.status == LoadStatus::Loaded) {
        EXPECT_EQ(s.document.fileName(), path);
        EXPECT_FALSE(s.document.isModified());
        EXPECT_EQ(s.document.selection(), s.document.count() - 1);
        EXPECT_EQ(result.added, c.count);
    } else {
        EXPECT_TRUE(isSameLayout(s.document.elements(), previous));
        EXPECT_EQ(s.document.selectedDevice(), previousDevice);
        EXPECT_EQ(s.document.fileName(), QStringLiteral("/previous/file.xml"));
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(s.platform.messages.empty()) << "a load by path is silent";
        if (c.status == LoadStatus::UnknownDevice) {
            const QString device = QString::fromUtf8(
                c.file.mid(c.file.indexOf("name=\"") + 6).split('"').constFirst());
            EXPECT_TRUE(result.error.contains(device.isEmpty() ? QStringLiteral("no device")
                                                               : QLatin1Char('"') + device + '"'))
                << "the message names the device: " << result.error.toStdString();
        }
    }
    if (c.check) c.check(s);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadEdgeCases, ::testing::ValuesIn(LoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zef
