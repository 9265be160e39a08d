// Files far beyond anything the designer writes: too large, too many elements,
// and mutated layouts. None may crash or hang; each either loads as the rules
// say or leaves the document as it was.
#include "cli/documentio.h"
#include "config/configstring.h"
#include "files/xmlshape.h"
#include "filestestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cctype>
#include <random>

namespace zef {
namespace {

using test::Session;

QByteArray manyElements(const QByteArray& device, int n, const QByteArray& line) {
    QByteArray body;
    body.reserve(static_cast<qsizetype>(n) * (line.size() + 6));
    for (int i = 0; i < n; ++i) body += "    " + line + "\r\n";
    return test::layoutXml(device, {}).replace("</ZEFLayout>", body + "</ZEFLayout>");
}

struct ManyCase {
    const char* name;
    const char* device;
    int elements;
    QByteArray line;
    int kept;
};

// A file far over the device's limit is read whole, keeps what fits and says
// once how many were dropped. (Separators do not count towards the limit; the
// document counts them on every insert, so their number is kept moderate here.)
TEST(LayoutLimits, HugeElementCountsLoadQuicklyWithOneMessage) {
    const ManyCase cases[] = {
        // (A file of 100 000 such values holds more markup than any layout and is
        // refused unparsed: MarkupBeyondWhatALayoutHoldsIsRefusedUnparsed.)
        {"values on an H device", "Edge 1030", 50000,
         "<LayoutElement type=\"0\" color=\"FF8000\" x=\"1\" y=\"2\" eletype=\"CS\" text=\"$V\" "
         "font=\"TINY\" nr_values=\"1\" sampletext=\"1.0\"/>",
         500},
        {"graphics on an L device", "D2 Bravo", 100000,
         "<LayoutElement type=\"1\" eletype=\"RC\" x=\"1\" y=\"2\" x2=\"3\" y2=\"4\"/>", 30},
        {"separators", "Edge 1030", 10000, "<LayoutElement type=\"3\" text=\"--\"/>", 10000},
    };
    for (const ManyCase& c : cases) {
        const QByteArray xml = manyElements(c.device, c.elements, c.line);
        Session s(test::deviceIndex("Edge 530"));
        QElapsedTimer timer;
        timer.start();
        const LoadResult r = loadLayoutFromBytes(s.document, xml, QStringLiteral("big.xml"), false);
        const qint64 ms = timer.elapsed();
        EXPECT_EQ(r.status, LoadStatus::Loaded) << c.name;
        EXPECT_EQ(s.document.count(), c.kept) << c.name;
        EXPECT_EQ(r.added, c.kept) << c.name;
        EXPECT_EQ(r.refused, c.elements - c.kept) << c.name;
        if (c.kept < c.elements) {
            ASSERT_EQ(s.platform.messages.size(), 1u) << c.name;
            EXPECT_TRUE(s.platform.messages[0].text.contains(QString::number(c.elements - c.kept)))
                << s.platform.messages[0].text.toStdString();
        } else {
            EXPECT_TRUE(s.platform.messages.empty()) << c.name;
        }
        // Generous: the machine may be shared; a hang takes minutes.
        EXPECT_LT(ms, 20000) << c.name << " took " << ms << " ms";
    }
}

TEST(LayoutLimits, FilesAboveTheMaximumAreRefusedUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge layout.xml"));
    ASSERT_TRUE(test::writeOversizedLayout(path));
    Session s(test::deviceIndex("Edge 530"));
    s.document.addNew();
    s.document.markSaved(); // no unsaved work: Load asks nothing first
    const LoadResult r = loadLayout(s.document, path, false);
    EXPECT_EQ(r.status, LoadStatus::Unreadable);
    EXPECT_TRUE(r.error.contains(QStringLiteral("64 MiB"))) << r.error.toStdString();
    EXPECT_TRUE(s.platform.messages.empty());
    EXPECT_EQ(s.document.count(), 1);

    // The same limit holds for bytes handed over directly.
    EXPECT_EQ(loadLayoutFromBytes(s.document, QByteArray(MaxLayoutFileBytes + 1, ' '), path, false)
                  .status,
              LoadStatus::Unreadable);
}

TEST(LayoutLimits, PathsThatAreNoFilesAreUnreadable) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a folder.xml")));
    const QString paths[] = {QString(), dir.filePath(QStringLiteral("missing.xml")),
                             dir.filePath(QStringLiteral("a folder.xml")),
                             QStringLiteral("/dev/null")};
    for (const QString& path : paths) {
        Session s(test::deviceIndex("Edge 530"));
        s.document.addNew();
        const LoadResult r = loadLayout(s.document, path, false);
        EXPECT_NE(r.status, LoadStatus::Loaded) << path.toStdString();
        EXPECT_EQ(s.document.count(), 1) << path.toStdString();
        EXPECT_FALSE(r.error.isEmpty()) << path.toStdString();
    }
}

// Hostile inputs are bounded at load: element texts are cut (never inside a
// surrogate pair) with one message for the whole file, and nothing else of
// the layout changes.
struct HostileTextCase {
    const char* name;
    QByteArray element; // %T is replaced by the text
    qsizetype length;   // UTF-16 units of the text in the file
    char16_t lastUnit;  // 0: plain 'a' throughout; else the unit at the bound
    qsizetype kept;     // of the text, after the load
    int cut;            // elements reported as cut
};

void PrintTo(const HostileTextCase& c, std::ostream* os) {
    *os << c.name;
}

const HostileTextCase HostileTextCases[] = {
    {"4 MiB value text", "<LayoutElement type=\"0\" eletype=\"FX\" text=\"%T\"/>", 4 << 20, 0,
     MaxElementTextLength, 1},
    {"4 MiB separator", "<LayoutElement type=\"3\" text=\"%T\"/>", 4 << 20, 0, MaxElementTextLength,
     1},
    {"4 MiB sample text", "<LayoutElement type=\"0\" eletype=\"CS\" sampletext=\"%T\"/>", 4 << 20,
     0, MaxElementTextLength, 1},
    {"a text at the bound is kept", "<LayoutElement type=\"3\" text=\"%T\"/>", MaxElementTextLength,
     0, MaxElementTextLength, 0},
    {"one unit over the bound", "<LayoutElement type=\"3\" text=\"%T\"/>", MaxElementTextLength + 1,
     0, MaxElementTextLength, 1},
    {"a pair across the bound goes whole", "<LayoutElement type=\"3\" text=\"%T\"/>",
     MaxElementTextLength + 1, 0xD83D, MaxElementTextLength - 1, 1},
};

class HostileTexts : public ::testing::TestWithParam<HostileTextCase> {};

TEST_P(HostileTexts, AreBoundedAtLoadWithOneMessage) {
    const HostileTextCase& c = GetParam();
    QString text(c.length, QLatin1Char('a'));
    if (c.lastUnit) {
        // A pair whose high half is the last unit the bound keeps.
        text[MaxElementTextLength - 1] = QChar(c.lastUnit);
        text[MaxElementTextLength] = QChar(0xDE00);
    }
    QByteArray element = c.element;
    element.replace("%T", text.toUtf8());
    Session s(test::deviceIndex("Edge 1030"));
    const LoadResult r =
        loadLayoutFromBytes(s.document, test::layoutXml("Edge 1030", {element, element}),
                            QStringLiteral("/t.xml"), false);
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    ASSERT_EQ(s.document.count(), 2);
    for (const LayoutElement& e : s.document.elements()) {
        const QString& loaded = c.element.contains("sampletext") ? e.sampleText : e.text;
        EXPECT_EQ(loaded.size(), c.kept);
        EXPECT_FALSE(loaded.back().isHighSurrogate());
    }
    if (c.cut) {
        ASSERT_EQ(s.platform.messages.size(), 1u);
        EXPECT_TRUE(s.platform.messages[0].text.contains(QStringLiteral("2 elements")))
            << s.platform.messages[0].text.toStdString();
    } else {
        EXPECT_TRUE(s.platform.messages.empty());
    }
    EXPECT_FALSE(s.document.isModified()) << "the file stays as it is until saved";
}

INSTANTIATE_TEST_SUITE_P(Files, HostileTexts, ::testing::ValuesIn(HostileTextCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

// Control characters a config string can bring survive a save and a load;
// a NUL, which ends an attribute value, makes the string refused with a
// message instead of a text silently cut short.
TEST(LayoutLimits, ControlCharactersSurviveASaveOrAreRefused) {
    const QString texts[] = {
        QStringLiteral("a\rb"),
        QStringLiteral("tab\there"),
        QStringLiteral("line\r\nend"),
        QString::fromUtf16(u"\u0001\u001F\u007F<&>\"'"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        LayoutElement unit(KindValue);
        unit.fixedText = true;
        unit.text = text;
        Session s(test::deviceIndex("Edge 1030"));
        const QString string = BuildConfigString({unit}, test::catalogs().valueTypes, {});
        ASSERT_TRUE(loadConfigString(s.document, string));
        ASSERT_EQ(s.document.elements().at(0).text, text);
        const QByteArray bytes = layoutFileBytes(s.document, QDateTime::currentDateTime());
        Session reader;
        ASSERT_EQ(
            loadLayoutFromBytes(reader.document, bytes, QStringLiteral("/c.xml"), false).status,
            LoadStatus::Loaded);
        EXPECT_EQ(reader.document.elements().at(0).text, text);
    }

    LayoutElement withNul(KindValue);
    withNul.fixedText = true;
    withNul.text = QStringLiteral("before") + QChar(u'\0') + QStringLiteral("after");
    Session s(test::deviceIndex("Edge 1030"));
    s.document.addNew();
    const QString string =
        BuildConfigString({LayoutElement(KindGraphic), withNul}, test::catalogs().valueTypes, {});
    EXPECT_FALSE(loadConfigString(s.document, string));
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_TRUE(
        s.platform.messages[0].text.startsWith(QStringLiteral("The string cannot be loaded!")));
    EXPECT_TRUE(s.platform.messages[0].text.contains(QStringLiteral("element 2")));
    EXPECT_EQ(s.document.count(), 1) << "the layout stays";
}

// Random damage to real layouts, from a fixed seed so that a failure repeats.
QByteArray mutate(QByteArray bytes, std::mt19937& rng) {
    static const QByteArray snippets[] = {
        "\"",
        "<",
        ">",
        "&",
        "&#0;",
        "&#13;",
        "&#xD800;",
        "&#x110000;",
        "&amp",
        "\xFF\xFE",
        QByteArray(1, '\0'),
        "\xC3",
        "\x96",
        "type=\"2\"",
        "type=\"-1\"",
        "type=\"3\"",
        " valDC09=\"99999999999\"",
        " colDC02=\"-1\"",
        " nr_values=\"-7\"",
        " x=\"0x7FFFFFFF\"",
        "<LayoutElement type=\"1\" eletype=\"GT\" stroke=\"0\" x2=\"-2147483648\"/>",
        "</ZEFLayout>",
        "<ZEFLayout>",
        "<!--",
        "-->",
        "<![CDATA[",
        "]]>",
        "<?pi?>",
        "<Device name=\"D2 Bravo\"/>",
        "<Device/>",
        "\r",
        "\n",
        "\t"};
    const auto pick = [&rng](qsizetype n) {
        return n <= 0 ? qsizetype(0)
                      : static_cast<qsizetype>(
                            std::uniform_int_distribution<qsizetype>(0, n - 1)(rng));
    };
    const int steps = 1 + static_cast<int>(pick(3));
    for (int step = 0; step < steps; ++step) {
        const qsizetype at = pick(bytes.size() + 1);
        const qsizetype kind = pick(12);
        if (kind < 3) { // change one byte
            if (!bytes.isEmpty()) bytes[pick(bytes.size())] = static_cast<char>(pick(256));
        } else if (kind < 5) {
            bytes.remove(at, pick(40) + 1);
        } else if (kind < 7) {
            bytes.insert(at, bytes.mid(pick(bytes.size()), pick(200) + 1));
        } else if (kind < 8) {
            bytes.truncate(at);
        } else {
            bytes.insert(at, snippets[pick(std::size(snippets))]);
        }
    }
    return bytes;
}

void expectSound(const LayoutDocument& document, const char* context) {
    const Catalogs& c = test::catalogs();
    int counted = 0;
    for (const LayoutElement& e : document.elements()) {
        ASSERT_GE(e.valueType, 0) << context;
        ASSERT_LT(e.valueType, static_cast<int>(c.valueTypes.valueTypes.size())) << context;
        ASSERT_GE(e.graphicType, 0) << context;
        ASSERT_LT(e.graphicType, static_cast<int>(c.valueTypes.graphicKinds.size())) << context;
        if (e.kind == KindValue || e.kind == KindGraphic) {
            ASSERT_GE(e.nrValues, 1) << context;
        }
        if (e.kind != KindSeparator) ++counted;
    }
    ASSERT_NE(document.device(), nullptr) << context;
    ASSERT_LE(counted, document.device()->maxElements) << context;
}

TEST(LayoutLimits, MutatedLayoutsNeverBreakTheDocument) {
    const QByteArray bases[] = {
        test::readFile(test::dataPath("every-kind.xml")),
        manyElements("D2 Bravo", 40,
                     "<LayoutElement type=\"2\" replDC=\"123456\" valDC00=\"1\" "
                     "colDC00=\"FF0000\" valDC09=\"5\" invertcolor=\"1\"/>"),
    };
    ASSERT_FALSE(bases[0].isEmpty());
    std::mt19937 rng(20240305u);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        const QByteArray input = mutate(bases[round % 2], rng);
        const bool append = round % 5 == 0;
        Session s(test::deviceIndex("Edge 530"));
        LayoutElement before(KindValue);
        before.valueType = 31;
        s.document.replaceLayout({before}, -1, QStringLiteral("/before.xml"));
        before = s.document.elements()[0]; // as loaded: its sample and pattern filled in

        const std::string context = "round " + std::to_string(round);
        const LoadResult r =
            loadLayoutFromBytes(s.document, input, QStringLiteral("/fuzz.xml"), append);
        ASSERT_LE(s.platform.messages.size(), 1u) << context;
        if (r.status != LoadStatus::Loaded) {
            ASSERT_EQ(s.document.count(), 1) << context;
            ASSERT_TRUE(isSameContent(s.document.elements()[0], before)) << context;
            ASSERT_EQ(s.document.fileName(), QStringLiteral("/before.xml")) << context;
            ASSERT_EQ(s.document.selectedDevice(), test::deviceIndex("Edge 530")) << context;
            continue;
        }
        ++loaded;
        ASSERT_EQ(s.document.fileName(),
                  append ? QStringLiteral("/before.xml") : QStringLiteral("/fuzz.xml"))
            << context;
        expectSound(s.document, context.c_str());
        if (HasFatalFailure()) return;

        // What was loaded saves and reads back, and after that one pass
        // (which settles "FX" and line ends inside texts) never drifts.
        const QDateTime time(QDate(2024, 3, 5), QTime(9, 7));
        Session second(s.document.selectedDevice());
        ASSERT_EQ(loadLayoutFromBytes(second.document, layoutFileBytes(s.document, time),
                                      QStringLiteral("/2.xml"), false)
                      .status,
                  LoadStatus::Loaded)
            << context;
        Session third(second.document.selectedDevice());
        const QByteArray secondBytes = layoutFileBytes(second.document, time);
        ASSERT_EQ(loadLayoutFromBytes(third.document, secondBytes, QStringLiteral("/3.xml"), false)
                      .status,
                  LoadStatus::Loaded)
            << context;
        ASSERT_TRUE(isSameLayout(second.document.elements(), third.document.elements())) << context;
        ASSERT_EQ(layoutFileBytes(third.document, time), secondBytes) << context;
    }
    // The mutations leave a fair share loadable, so both paths are exercised.
    EXPECT_GT(loaded, 300);
    EXPECT_LT(loaded, 2800);
}


namespace hostile {

// size bytes of the same tag repeated under the root of a layout.
QByteArray repeatedTags(const QByteArray& tag, qsizetype size) {
    QByteArray body;
    body.reserve(size + 64);
    while (body.size() < size) body += tag;
    return test::layoutXml("Edge 1030", {}).replace("</ZEFLayout>", body + "</ZEFLayout>");
}

QByteArray elementWithAttributes(int n) {
    QByteArray tag = "<LayoutElement type=\"3\"";
    for (int i = 0; i < n; ++i) tag += " a" + QByteArray::number(i) + "=\"\"";
    return tag + "/>";
}

} // namespace hostile

// Markup that would cost the XML reader far more than any layout does is
// refused, with a message, before it is parsed: the reader builds a node for
// every tag and compares each attribute with the earlier ones of its element.
TEST(LayoutLimits, MarkupBeyondWhatALayoutHoldsIsRefusedUnparsed) {
    const struct {
        const char* name;
        QByteArray xml;
    } cases[] = {
        {"8 MiB of tiny unknown elements", hostile::repeatedTags("<b/>", 8 << 20)},
        {"comments count too", hostile::repeatedTags("<!---->", 8 << 20)},
        {"one element with 100 000 attributes",
         test::layoutXml("Edge 1030", {hostile::elementWithAttributes(100000)})},
        {"one attribute over the bound",
         test::layoutXml("Edge 1030", {hostile::elementWithAttributes(MaxAttributesPerElement)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s(test::deviceIndex("Edge 1030"));
        s.document.addNew();
        const LoadResult r =
            loadLayoutFromBytes(s.document, c.xml, QStringLiteral("/hostile.xml"), false);
        EXPECT_EQ(r.status, LoadStatus::Unreadable);
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_EQ(s.document.count(), 1) << "nothing changed";
    }
    // At the bound (with "type") the element is read.
    Session s(test::deviceIndex("Edge 1030"));
    const QByteArray atBound =
        test::layoutXml("Edge 1030", {hostile::elementWithAttributes(MaxAttributesPerElement - 1)});
    EXPECT_EQ(loadLayoutFromBytes(s.document, atBound, QStringLiteral("/b.xml"), false).status,
              LoadStatus::Loaded);
    EXPECT_EQ(s.document.count(), 1);
}

// Elements beyond what any device holds are counted but never built, so a
// file of many small elements costs what the largest layout costs; the load
// tells them with the ones the device's limit refused, in one message.
TEST(LayoutLimits, ElementsBeyondAnyDevicesLimitAreCountedNotBuilt) {
    // Elements are read from the first LayoutElement on, whatever their names.
    QList<QByteArray> elements;
    for (int i = 0; i < MaxReadSeparators + 30; ++i) elements << "<LayoutElement type=\"3\"/>";
    for (int i = 0; i < MaxReadElements + 200; ++i) elements << "<b/>";
    const QByteArray xml = test::layoutXml("Edge 1030", elements);

    const LayoutReadResult read = readLayoutBytes(xml, test::catalogs().valueTypes);
    ASSERT_EQ(read.status, LoadStatus::Loaded);
    EXPECT_EQ(read.content.elements.size(), std::size_t(MaxReadElements + MaxReadSeparators));
    EXPECT_EQ(read.content.unbuilt, 230);

    Session s(test::deviceIndex("Edge 530"));
    const LoadResult r = loadLayoutFromBytes(s.document, xml, QStringLiteral("/many.xml"), false);
    EXPECT_EQ(r.refused, 230);
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_TRUE(s.platform.messages[0].text.contains(QStringLiteral("230 elements")))
        << s.platform.messages[0].text.toStdString();
}

// The counts bound what a parser builds whatever the markup holds: quotes in
// comments, tags in attribute values and character data.
TEST(XmlShape, CountsNodesAndAttributesOfAnyMarkup) {
    const struct {
        const char* xml;
        qsizetype nodes, attributes, most;
    } cases[] = {
        {"", 0, 0, 0},
        {"<a/>", 1, 0, 0},
        {"<a x='1' y=\"2\">text</a>", 2, 2, 2},
        {"<a x='>' y=\"<b c='d'/>\"/>", 1, 2, 2},
        {"<?xml version=\"1.0\"?><!-- \"a\" 'b' <c d='e'/> --><r/>", 3, 0, 0},
        {"<r><![CDATA[<a b='c'/>]]></r>", 2, 0, 0},
        {"<r>\n  <a p='1'/>\n  <b q='1' r='2' s='3'/>\n</r>", 6, 4, 3},
        {"<a x='unterminated", 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        const XmlShape shape = measureXmlShape(QByteArray(c.xml));
        EXPECT_EQ(shape.nodes, c.nodes);
        EXPECT_EQ(shape.attributes, c.attributes);
        EXPECT_EQ(shape.mostAttributes, c.most);
    }
}

TEST(LayoutLimits, OneCutTextIsToldInTheSingular) {
    const QByteArray element =
        "<LayoutElement type=\"3\" text=\"" + QByteArray(MaxElementTextLength + 1, 'a') + "\"/>";
    Session s(test::deviceIndex("Edge 1030"));
    ASSERT_EQ(loadLayoutFromBytes(s.document, test::layoutXml("Edge 1030", {element}),
                                  QStringLiteral("/t.xml"), false)
                  .status,
              LoadStatus::Loaded);
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_TRUE(s.platform.messages[0].text.startsWith(
        QStringLiteral("The text of one element was longer than %1 characters.")
            .arg(MaxElementTextLength)))
        << s.platform.messages[0].text.toStdString();
}

} // namespace
} // namespace zef
