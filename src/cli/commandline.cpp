#include "commandline.h"

#include "applicationidentity.h"
#include "catalog/catalogs.h"
#include "catalogcommands.h"
#include "checkcommand.h"
#include "configcommands.h"
#include "rendercommand.h"
#include "templatecommands.h"
#include "terminaltext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace zef {

namespace {

const QString ProgramName = programName();

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
        QStringLiteral("With --list-value-types and --list-fonts: only what the named device "
                       "offers. With --check: check the layout as if it were on the named "
                       "device. With --import-config: read the string for it (default "
                       "\"Edge 1030\"). With --template: the device to make the starter "
                       "layout for."),
        QStringLiteral("name")};

    // Config string export and import (configcommands.h).
    QCommandLineOption exportConfig{
        QStringLiteral("export-config"),
        QStringLiteral("Print the config string of a layout file, for the device it names."),
        QStringLiteral("file.xml")};
    QCommandLineOption qr{
        QStringLiteral("qr"),
        QStringLiteral("With --export-config: also write the config string as a QR code "
                       "PNG."),
        QStringLiteral("out.png")};
    QCommandLineOption importConfig{
        QStringLiteral("import-config"),
        QStringLiteral("Read a config string (\"-\": from standard input) as Load from clipboard "
                       "does and save the layout to the --output file."),
        QStringLiteral("string")};
    QCommandLineOption output{
        QStringLiteral("output"),
        QStringLiteral("With --import-config and --template: the layout file to write. With "
                       "--render: the PNG to write."),
        QStringLiteral("file")};

    // The preview of a layout file as PNG (rendercommand.h).
    QCommandLineOption render{
        QStringLiteral("render"),
        QStringLiteral("Load a layout file as Load does and write its preview as the window "
                       "paints it to the --output PNG."),
        QStringLiteral("file.xml")};
    QCommandLineOption night{QStringLiteral("night"),
                             QStringLiteral("With --render: show night mode.")};
    QCommandLineOption gradient{
        QStringLiteral("gradient"),
        QStringLiteral("With --render: show gradients on elements with dynamic colours.")};
    QCommandLineOption highlight{
        QStringLiteral("highlight"),
        QStringLiteral("With --render: select the element and highlight it in red."),
        QStringLiteral("index")};
    QCommandLineOption repeat{
        QStringLiteral("repeat"),
        QStringLiteral("With --render: paint n times and print the median paint time on "
                       "standard error."),
        QStringLiteral("n")};
    QCommandLineOption widest{
        QStringLiteral("widest"),
        QStringLiteral("With --render: draw every value with its widest digits.")};
    QCommandLineOption findings{
        QStringLiteral("findings"),
        QStringLiteral("With --render: outline the elements the layout check finds something "
                       "about.")};

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
                             QStringLiteral("With --template: replace an existing --output file.")};

    // Options that select a command; any of them means no window is shown.
    std::vector<const QCommandLineOption*> commands() const {
        return {&listDevices, &listValueTypes, &listFonts,     &exportConfig,   &importConfig,
                &render,      &check,          &listTemplates, &starterTemplate};
    }
    // Options that only go with a command, each with the commands it goes with.
    struct Modifier {
        const QCommandLineOption* option;
        std::vector<const QCommandLineOption*> commands;
    };
    std::vector<Modifier> modifiers() const {
        return {{&device, {&listValueTypes, &listFonts, &check, &importConfig, &starterTemplate}},
                {&qr, {&exportConfig}},
                {&output, {&importConfig, &render, &starterTemplate}},
                {&night, {&render}},
                {&gradient, {&render}},
                {&highlight, {&render}},
                {&repeat, {&render}},
                {&widest, {&render}},
                {&findings, {&render}},
                {&force, {&starterTemplate}}};
    }
    // Options a command cannot do without, with what their value names.
    struct Required {
        const QCommandLineOption* command;
        const QCommandLineOption* option;
        const char* value;
    };
    std::vector<Required> required() const {
        return {{&importConfig, &output, "file.xml"},
                {&render, &output, "file.png"},
                {&starterTemplate, &device, "name"},
                {&starterTemplate, &output, "file.xml"}};
    }
};

QString dashed(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constLast();
}

// "--a", "--a or --b", "--a, --b or --c".
QString alternatives(const std::vector<const QCommandLineOption*>& options) {
    QString text;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (i > 0) text += i + 1 == options.size() ? QStringLiteral(" or ") : QStringLiteral(", ");
        text += dashed(*options[i]);
    }
    return text;
}

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
        parser.addOptions({o.help,         o.version,   o.listDevices,   o.listValueTypes,
                           o.listFonts,    o.device,    o.exportConfig,  o.qr,
                           o.importConfig, o.output,    o.render,        o.night,
                           o.gradient,     o.highlight, o.repeat,        o.widest,
                           o.findings,     o.check,     o.listTemplates, o.starterTemplate,
                           o.force});
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
        printError(err, error);
        err << usageLine() << Qt::endl
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
        // The commands given, in their order, each as often as it is given.
        std::vector<const QCommandLineOption*> given;
        for (const QString& name : parser.optionNames())
            for (const QCommandLineOption* c : options.commands())
                if (c->names().contains(name)) given.push_back(c);
        if (given.size() > 1) {
            if (given[0] == given[1])
                return usageError(QStringLiteral("%1 is given twice; give one command at a time.")
                                      .arg(dashed(*given[0])),
                                  err);
            return usageError(QStringLiteral("%1 and %2 are two commands; give one at a time.")
                                  .arg(dashed(*given[0]), dashed(*given[1])),
                              err);
        }
        const QCommandLineOption* command = given.empty() ? nullptr : given.front();
        for (const Options::Modifier& m : options.modifiers()) {
            if (!parser.isSet(*m.option)) continue;
            if (!command)
                return usageError(
                    QStringLiteral("%1 goes only with a command.").arg(dashed(*m.option)), err);
            if (std::find(m.commands.begin(), m.commands.end(), command) == m.commands.end())
                return usageError(
                    QStringLiteral("%1 does not go with %2, only with %3.")
                        .arg(dashed(*m.option), dashed(*command), alternatives(m.commands)),
                    err);
        }
        const QStringList files = parser.positionalArguments();
        if (command) {
            if (!files.isEmpty())
                return usageError(QStringLiteral("Unexpected argument '%1'.").arg(files.first()),
                                  err);
            for (const Options::Required& r : options.required())
                if (r.command == command && !parser.isSet(*r.option))
                    return usageError(
                        QStringLiteral("%1 needs %2 %3.")
                            .arg(dashed(*command), dashed(*r.option), QLatin1String(r.value)),
                        err);
            for (const auto& [option, what] : {std::pair{&options.highlight, "an element index"},
                                               {&options.repeat, "a count"}}) {
                bool number = true;
                if (parser.isSet(*option)) parser.value(*option).toInt(&number);
                if (!number)
                    return usageError(
                        QStringLiteral("%1 needs %2, not '%3'.")
                            .arg(dashed(*option), QLatin1String(what), parser.value(*option)),
                        err);
            }
            return {ArgumentCheck::Command, 0};
        }
        if (files.size() > 1)
            return usageError(QStringLiteral("Only one layout file can be opened."), err);
        return {ArgumentCheck::Window, 0};
    }
};

int runImportConfig(const Catalogs& catalogs, const QString& argument, const QString& output,
                    const std::optional<QString>& device, QTextStream& err) {
    QFile input;
    if (argument == QStringLiteral("-")) input.open(stdin, QIODevice::ReadOnly);
    return importConfigString(catalogs, configStringArgument(argument, input), output, err,
                              device.value_or(QString()));
}

// The arguments were checked: --output is there, --highlight and --repeat are numbers.
int runRender(const Catalogs& catalogs, const QCommandLineParser& parser, const Options& o,
              QTextStream& err) {
    RenderOptions options;
    options.layoutPath = parser.value(o.render);
    options.outputPath = parser.value(o.output);
    options.nightMode = parser.isSet(o.night);
    options.showDcGradient = parser.isSet(o.gradient);
    options.widestValues = parser.isSet(o.widest);
    options.outlineFindings = parser.isSet(o.findings);
    options.programDir = QCoreApplication::applicationDirPath();
    if (parser.isSet(o.highlight)) options.highlight = parser.value(o.highlight).toInt();
    if (parser.isSet(o.repeat)) options.repeat = parser.value(o.repeat).toInt();
    return renderLayout(catalogs, options, err);
}

// Qt warns when XDG_RUNTIME_DIR is unset and then makes a private folder of its
// own (/tmp/runtime-<user>, mode 0700, refused unless the user owns it); the
// commands keep nothing there, so the warning would only be noise on stderr
// among their own messages. Every other message passes on to Qt's handler.
QtMessageHandler qtHandler = nullptr;

void withoutRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}

bool stdoutIsTerminal() {
#if defined(Q_OS_UNIX)
    return isatty(STDOUT_FILENO) == 1;
#else
    return true;
#endif
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
    qtHandler = qInstallMessageHandler(withoutRuntimeDirWarning);
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
        *exitCode = exportConfigString(
            catalogs, parser.value(o.exportConfig), out, err, parser.value(o.qr),
            stdoutIsTerminal() ? ConfigStringOutput::Escaped : ConfigStringOutput::Exact);
    else if (parser.isSet(o.importConfig))
        *exitCode = runImportConfig(catalogs, parser.value(o.importConfig), parser.value(o.output),
                                    device, err);
    else if (parser.isSet(o.listTemplates))
        *exitCode = listTemplates(out);
    else if (parser.isSet(o.starterTemplate))
        *exitCode =
            writeStarterLayout(catalogs, parser.value(o.starterTemplate), parser.value(o.device),
                               parser.value(o.output), parser.isSet(o.force), err);
    else if (parser.isSet(o.check))
        *exitCode = checkLayoutFile(catalogs, parser.value(o.check), device, out, err);
    else
        *exitCode = runRender(catalogs, parser, o, err);
    return true;
}

} // namespace zef
