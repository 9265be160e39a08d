#include "commandline.h"

#include "applicationidentity.h"
#include "catalog/catalogs.h"
#include "catalogcommands.h"
#include "checkcommand.h"
#include "configcommands.h"
#include "rendercommand.h"
#include "templatecommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace zef {

namespace {

const QString ProgramName = QStringLiteral("zef-designer");

// Our options. The parser takes one dash as two ("-help" is "--help"), as Qt's own
// options are written with one.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Print this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Print the name and version and exit.")};

    // Catalog listings (catalogcommands.h).
    QCommandLineOption listDevices{
        QStringLiteral("list-devices"),
        QStringLiteral("Print the devices, one tab-separated line each: index, name, screen "
                       "width, height, element limit, memory bytes, class, offered font slots.")};
    QCommandLineOption listValueTypes{
        QStringLiteral("list-value-types"),
        QStringLiteral("Print the value types: position, name, code, id, level, sample value, "
                       "display pattern.")};
    QCommandLineOption listFonts{
        QStringLiteral("list-fonts"),
        QStringLiteral("Print each device's font slots: device, slot, device font, and the face, "
                       "pixel size and left, centre, right and y offsets fonts.txt gives it.")};
    QCommandLineOption device{
        QStringLiteral("device"),
        QStringLiteral("Only what the named device offers (--list-value-types, --list-fonts); "
                       "--check: check the layout as if it were on the named device; "
                       "--import-config: read the string for it (default \"Edge 1030\"); "
                       "--template: the device to make the starter layout for."),
        QStringLiteral("name")};

    // Config string export and import (configcommands.h).
    QCommandLineOption exportConfig{
        QStringLiteral("export-config"),
        QStringLiteral("Print the config string of a layout file, for the device it names."),
        QStringLiteral("file.xml")};
    QCommandLineOption qr{
        QStringLiteral("qr"),
        QStringLiteral("--export-config: also write the config string as a QR code PNG."),
        QStringLiteral("out.png")};
    QCommandLineOption importConfig{
        QStringLiteral("import-config"),
        QStringLiteral("Read a config string (\"-\": from standard input) as Load from clipboard "
                       "does and save the layout to the --output file."),
        QStringLiteral("string")};
    QCommandLineOption output{
        QStringLiteral("output"),
        QStringLiteral("The layout file --import-config or --template writes, or the PNG "
                       "--render writes."),
        QStringLiteral("file")};

    // The preview of a layout file as PNG (rendercommand.h).
    QCommandLineOption render{
        QStringLiteral("render"),
        QStringLiteral("Load a layout file as Load does and write its preview as the window "
                       "paints it to the --output PNG."),
        QStringLiteral("file.xml")};
    QCommandLineOption night{QStringLiteral("night"), QStringLiteral("--render: show night mode.")};
    QCommandLineOption gradient{
        QStringLiteral("gradient"),
        QStringLiteral("--render: show gradients on elements with dynamic colours.")};
    QCommandLineOption highlight{
        QStringLiteral("highlight"),
        QStringLiteral("--render: select the element and highlight it in red."),
        QStringLiteral("index")};
    QCommandLineOption repeat{
        QStringLiteral("repeat"),
        QStringLiteral("--render: paint n times and print the median paint time."),
        QStringLiteral("n")};
    QCommandLineOption widest{QStringLiteral("widest"),
                              QStringLiteral("--render: draw every value with its widest digits.")};
    QCommandLineOption findings{
        QStringLiteral("findings"),
        QStringLiteral("--render: outline the elements the layout check finds something about.")};

    // The layout check of a layout file (checkcommand.h).
    QCommandLineOption check{
        QStringLiteral("check"),
        QStringLiteral("Check a layout file against its device (or --device): print one line per "
                       "finding, \"N: kind: message\"; exit 0 with none, 3 with findings."),
        QStringLiteral("file.xml")};

    // Starter layouts (templatecommands.h).
    QCommandLineOption listTemplates{
        QStringLiteral("list-templates"),
        QStringLiteral("Print the starter layouts, one line each: name, tab, what it is.")};
    QCommandLineOption starterTemplate{
        QStringLiteral("template"),
        QStringLiteral("Write the named starter layout, made for the --device, to the --output "
                       "layout file; exit 3 when it is not offered on that device."),
        QStringLiteral("name")};
    QCommandLineOption force{QStringLiteral("force"),
                             QStringLiteral("--template: replace an existing --output file.")};

    // Options that select a command; any of them means no window is shown.
    std::vector<const QCommandLineOption*> commands() const {
        return {&listDevices,  &listValueTypes, &listFonts, &exportConfig,
                &importConfig, &render,         &check,
                &listTemplates, &starterTemplate};
    }
    // Options that only go with a command.
    std::vector<const QCommandLineOption*> modifiers() const {
        return {&device, &qr, &output, &night, &gradient, &highlight, &repeat, &widest, &findings,
                &force};
    }
};

// Qt's own options, which the window takes as every Qt program does (QGuiApplication,
// QApplication and the X11 platform read them): those followed by a value, and flags.
// Names separated by blanks.
const char QtValueOptions[] = "platform platformpluginpath platformtheme plugin qwindowgeometry "
                              "qwindowtitle qwindowicon session display geometry title icon name "
                              "style stylesheet";
const char QtFlagOptions[] = "reverse widgetcount nograb dograb sync";

// The parser with every option, ours and (hidden from the help) Qt's.
struct ArgumentParser {
    Options options;
    QCommandLineParser parser;

    ArgumentParser() {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("ZEF Designer %1: lays out the ZEF configurable data field of sports "
                           "watches, bike computers and handheld navigators.\n"
                           "Without a command option it opens the designer window, with the "
                           "layout file if one is given; the commands need no display.")
                .arg(QStringLiteral(ZEF_VERSION)));
        parser.addPositionalArgument(QStringLiteral("file.xml"),
                                     QStringLiteral("Layout file to open in the window."),
                                     QStringLiteral("[file.xml]"));
        const Options& o = options;
        parser.addOptions({o.help, o.version, o.listDevices, o.listValueTypes, o.listFonts,
                           o.device, o.exportConfig, o.qr, o.importConfig, o.output, o.render,
                           o.night, o.gradient, o.highlight, o.repeat, o.widest, o.findings,
                           o.check,
                           o.listTemplates, o.starterTemplate, o.force});
        for (const QString& name : QString::fromLatin1(QtValueOptions).split(QLatin1Char(' ')))
            addHidden(name, QStringLiteral("value"));
        for (const QString& name : QString::fromLatin1(QtFlagOptions).split(QLatin1Char(' ')))
            addHidden(name, QString());
    }

    void addHidden(const QString& name, const QString& valueName) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QString usageLine() const {
        return QStringLiteral("Usage: %1 [options] [file.xml]").arg(ProgramName);
    }

    // Qt's help with our own usage line (Qt's names the executable by its path).
    QString helpText() const {
        const QString text = parser.helpText();
        return usageLine() + text.mid(text.indexOf(QLatin1Char('\n')));
    }

    ArgumentCheck usageError(const QString& error, QTextStream& err) const {
        err << ProgramName << QStringLiteral(": ") << error << Qt::endl
            << usageLine() << Qt::endl
            << QStringLiteral("Run '%1 --help' for the options.").arg(ProgramName) << Qt::endl;
        return {ArgumentCheck::Exit, 2};
    }

    ArgumentCheck check(const QStringList& arguments, QTextStream& out, QTextStream& err) {
        if (!parser.parse(arguments)) return usageError(parser.errorText(), err);
        if (parser.isSet(options.help)) {
            out << helpText() << Qt::flush;
            return {ArgumentCheck::Exit, 0};
        }
        if (parser.isSet(options.version)) {
            out << ProgramName << QLatin1Char(' ') << QStringLiteral(ZEF_VERSION) << Qt::endl;
            return {ArgumentCheck::Exit, 0};
        }
        const std::vector<const QCommandLineOption*> commands = options.commands();
        const bool command = std::any_of(commands.begin(), commands.end(),
                                         [this](auto* c) { return parser.isSet(*c); });
        const QStringList files = parser.positionalArguments();
        if (command) {
            if (!files.isEmpty())
                return usageError(QStringLiteral("Unexpected argument '%1'.").arg(files.first()),
                                  err);
            return {ArgumentCheck::Command, 0};
        }
        for (const QCommandLineOption* m : options.modifiers())
            if (parser.isSet(*m))
                return usageError(
                    QStringLiteral("--%1 goes only with a command.").arg(m->names().constFirst()),
                    err);
        if (files.size() > 1)
            return usageError(QStringLiteral("Only one layout file can be opened."), err);
        return {ArgumentCheck::Window, 0};
    }
};

int runImportConfig(const Catalogs& catalogs, const QString& argument,
                    const std::optional<QString>& output, const std::optional<QString>& device,
                    QTextStream& err) {
    if (!output) {
        err << QStringLiteral("--import-config needs --output file.xml.") << Qt::endl;
        return 2;
    }
    QFile input;
    if (argument == QStringLiteral("-")) input.open(stdin, QIODevice::ReadOnly);
    return importConfigString(catalogs, configStringArgument(argument, input), *output, err,
                              device.value_or(QString()));
}

int runRender(const Catalogs& catalogs, const QCommandLineParser& parser, const Options& o,
              QTextStream& err) {
    if (!parser.isSet(o.output)) {
        err << QStringLiteral("--render needs --output file.png.") << Qt::endl;
        return 2;
    }
    RenderOptions options;
    options.layoutPath = parser.value(o.render);
    options.outputPath = parser.value(o.output);
    options.nightMode = parser.isSet(o.night);
    options.showDcGradient = parser.isSet(o.gradient);
    options.widestValues = parser.isSet(o.widest);
    options.outlineFindings = parser.isSet(o.findings);
    options.programDir = QCoreApplication::applicationDirPath();
    bool ok = true;
    if (parser.isSet(o.highlight)) {
        options.highlight = parser.value(o.highlight).toInt(&ok);
        if (!ok) {
            err << QStringLiteral("--highlight needs an element index.") << Qt::endl;
            return 2;
        }
    }
    if (parser.isSet(o.repeat)) {
        options.repeat = parser.value(o.repeat).toInt(&ok);
        if (!ok) {
            err << QStringLiteral("--repeat needs a count.") << Qt::endl;
            return 2;
        }
    }
    return renderLayout(catalogs, options, err);
}

int runTemplate(const Catalogs& catalogs, const QCommandLineParser& parser, const Options& o,
                QTextStream& err) {
    if (!parser.isSet(o.device) || !parser.isSet(o.output)) {
        err << QStringLiteral("--template needs --device name and --output file.xml.") << Qt::endl;
        return 2;
    }
    return writeStarterLayout(catalogs, parser.value(o.starterTemplate), parser.value(o.device),
                              parser.value(o.output), parser.isSet(o.force), err);
}

} // namespace

ArgumentCheck checkArguments(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ArgumentParser a;
    return a.check(arguments, out, err);
}

std::optional<QString> noDisplayMessage(const QProcessEnvironment& environment,
                                        bool platformOption) {
    const auto set = [&](const char* name) {
        return !environment.value(QString::fromLatin1(name)).isEmpty();
    };
    if (platformOption || set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return std::nullopt;
    return QStringLiteral("%1: no display for the window (neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set); the -- commands need none (%1 --help lists them).")
        .arg(ProgramName);
}

bool runCommandLine(int& argc, char** argv, int* exitCode) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    ArgumentParser a;
    const ArgumentCheck checked = a.check(arguments, out, err);
    if (checked.outcome == ArgumentCheck::Exit) {
        *exitCode = checked.exitCode;
        return true;
    }
    if (checked.outcome == ArgumentCheck::Window) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt would abort with a long message about platform plugins instead.
        const bool platformOption = a.parser.isSet(QStringLiteral("platform"));
        if (const auto message =
                noDisplayMessage(QProcessEnvironment::systemEnvironment(), platformOption)) {
            err << *message << Qt::endl;
            *exitCode = 1;
            return true;
        }
#endif
        return false;
    }

    // Rendering needs fonts and images but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The window's names: the same settings and per-user folders (device pictures).
    nameApplication();

    Catalogs catalogs;
    catalogs.build();
    catalogs.fonts.loadPreviewFaces(previewFacesPath(QCoreApplication::applicationDirPath()));

    const QCommandLineParser& parser = a.parser;
    const Options& o = a.options;
    const std::optional<QString> device =
        parser.isSet(o.device) ? std::optional(parser.value(o.device)) : std::nullopt;
    if (parser.isSet(o.listDevices))
        *exitCode = listDevices(catalogs, out);
    else if (parser.isSet(o.listValueTypes))
        *exitCode = listValueTypes(catalogs, device, out, err);
    else if (parser.isSet(o.listFonts))
        *exitCode = listFonts(catalogs, device, out, err);
    else if (parser.isSet(o.exportConfig))
        *exitCode = exportConfigString(catalogs, parser.value(o.exportConfig), out, err,
                                       parser.value(o.qr));
    else if (parser.isSet(o.importConfig))
        *exitCode = runImportConfig(catalogs, parser.value(o.importConfig),
                                    parser.isSet(o.output) ? std::optional(parser.value(o.output))
                                                           : std::nullopt,
                                    device, err);
    else if (parser.isSet(o.listTemplates))
        *exitCode = listTemplates(out);
    else if (parser.isSet(o.starterTemplate))
        *exitCode = runTemplate(catalogs, parser, o, err);
    else if (parser.isSet(o.check))
        *exitCode = checkLayoutFile(catalogs, parser.value(o.check), device, out, err);
    else
        *exitCode = runRender(catalogs, parser, o, err);
    return true;
}

} // namespace zef
