#include "commandline.h"

#include "applicationidentity.h"
#include "catalog/catalogs.h"
#include "catalogcommands.h"
#include "configcommands.h"
#include "rendercommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>

namespace zef {

namespace {

// Options that select a command; any of them means no window is shown.
const QStringList CommandOptions = {
    // The command-line help, which would otherwise start the window.
    QStringLiteral("help"),
    // Catalog listings (catalogcommands.h).
    QStringLiteral("list-devices"),
    QStringLiteral("list-value-types"),
    QStringLiteral("list-fonts"),
    // Config string export and import (configcommands.h).
    QStringLiteral("export-config"),
    QStringLiteral("import-config"),
    // The preview of a layout file as PNG (rendercommand.h).
    QStringLiteral("render"),
};

bool namesCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        for (const QString& option : CommandOptions)
            if (arg == QStringLiteral("--") + option ||
                arg.startsWith(QStringLiteral("--") + option + QLatin1Char('=')))
                return true;
    }
    return false;
}

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

int runRender(const Catalogs& catalogs, const QCommandLineParser& parser,
              const QCommandLineOption& render, const QCommandLineOption& output,
              const QCommandLineOption& night, const QCommandLineOption& gradient,
              const QCommandLineOption& highlight, const QCommandLineOption& repeat,
              QTextStream& err) {
    if (!parser.isSet(output)) {
        err << QStringLiteral("--render needs --output file.png.") << Qt::endl;
        return 2;
    }
    RenderOptions options;
    options.layoutPath = parser.value(render);
    options.outputPath = parser.value(output);
    options.nightMode = parser.isSet(night);
    options.showDcGradient = parser.isSet(gradient);
    options.programDir = QCoreApplication::applicationDirPath();
    bool ok = true;
    if (parser.isSet(highlight)) {
        options.highlight = parser.value(highlight).toInt(&ok);
        if (!ok) {
            err << QStringLiteral("--highlight needs an element index.") << Qt::endl;
            return 2;
        }
    }
    if (parser.isSet(repeat)) {
        options.repeat = parser.value(repeat).toInt(&ok);
        if (!ok) {
            err << QStringLiteral("--repeat needs a count.") << Qt::endl;
            return 2;
        }
    }
    return renderLayout(catalogs, options, err);
}

} // namespace

bool runCommandLine(int& argc, char** argv, int* exitCode) {
    if (!namesCommand(argc, argv)) return false;

    // Rendering needs fonts and images but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The window's names: the same settings and per-user folders (device pictures).
    nameApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZEF Designer"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Layout file to open."));

    const QCommandLineOption listDevicesOption(
        QStringLiteral("list-devices"),
        QStringLiteral("Print the devices, one tab-separated line each: index, name, screen "
                       "width, height, element limit, memory bytes, class, offered font slots."));
    const QCommandLineOption listValueTypesOption(
        QStringLiteral("list-value-types"),
        QStringLiteral("Print the value types: position, name, code, id, level, sample value, "
                       "display pattern."));
    const QCommandLineOption listFontsOption(
        QStringLiteral("list-fonts"),
        QStringLiteral("Print each device's font slots: device, slot, device font, and the face, "
                       "pixel size and left, centre, right and y offsets fonts.txt gives it."));
    const QCommandLineOption deviceOption(
        QStringLiteral("device"),
        QStringLiteral("Only what the named device offers (--list-value-types, --list-fonts); "
                       "the device a string is read for (--import-config, default "
                       "\"Edge 1030\")."),
        QStringLiteral("name"));
    parser.addOptions({listDevicesOption, listValueTypesOption, listFontsOption, deviceOption});

    const QCommandLineOption exportConfigOption(
        QStringLiteral("export-config"),
        QStringLiteral("Print the config string of a layout file, for the device it names."),
        QStringLiteral("file.xml"));
    const QCommandLineOption importConfigOption(
        QStringLiteral("import-config"),
        QStringLiteral("Read a config string (\"-\": from standard input) as Load from clipboard "
                       "does and save the layout to the --output file."),
        QStringLiteral("string"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        QStringLiteral("The layout file --import-config writes, or the PNG --render writes."),
        QStringLiteral("file"));
    parser.addOptions({exportConfigOption, importConfigOption, outputOption});

    const QCommandLineOption renderOption(
        QStringLiteral("render"),
        QStringLiteral("Load a layout file as Load does and write its preview as the window "
                       "paints it to the --output PNG."),
        QStringLiteral("file.xml"));
    const QCommandLineOption nightOption(QStringLiteral("night"),
                                         QStringLiteral("--render: show night mode."));
    const QCommandLineOption gradientOption(
        QStringLiteral("gradient"),
        QStringLiteral("--render: show gradients on elements with dynamic colours."));
    const QCommandLineOption highlightOption(
        QStringLiteral("highlight"),
        QStringLiteral("--render: select the element and highlight it in red."),
        QStringLiteral("index"));
    const QCommandLineOption repeatOption(
        QStringLiteral("repeat"),
        QStringLiteral("--render: paint n times and print the median paint time."),
        QStringLiteral("n"));
    parser.addOptions({renderOption, nightOption, gradientOption, highlightOption, repeatOption});

    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    Catalogs catalogs;
    catalogs.build();
    catalogs.fonts.loadPreviewFaces(previewFacesPath(QCoreApplication::applicationDirPath()));

    const std::optional<QString> device =
        parser.isSet(deviceOption) ? std::optional(parser.value(deviceOption)) : std::nullopt;
    if (parser.isSet(listDevicesOption))
        *exitCode = listDevices(catalogs, out);
    else if (parser.isSet(listValueTypesOption))
        *exitCode = listValueTypes(catalogs, device, out, err);
    else if (parser.isSet(listFontsOption))
        *exitCode = listFonts(catalogs, device, out, err);
    else if (parser.isSet(exportConfigOption))
        *exitCode = exportConfigString(catalogs, parser.value(exportConfigOption), out, err);
    else if (parser.isSet(importConfigOption))
        *exitCode = runImportConfig(
            catalogs, parser.value(importConfigOption),
            parser.isSet(outputOption) ? std::optional(parser.value(outputOption)) : std::nullopt,
            device, err);
    else if (parser.isSet(renderOption))
        *exitCode = runRender(catalogs, parser, renderOption, outputOption, nightOption,
                              gradientOption, highlightOption, repeatOption, err);
    else
        *exitCode = 0;
    return true;
}

} // namespace zef
