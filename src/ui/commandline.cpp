#include "commandline.h"

#include "catalog/catalogs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace zef {

namespace {

// Options that select a command; any of them means no window is shown.
const QStringList CommandOptions = {};

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

} // namespace

bool runCommandLine(int& argc, char** argv, int* exitCode) {
    if (!namesCommand(argc, argv)) return false;

    // Rendering needs fonts and images but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZEF Designer"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Layout file to open."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    Catalogs catalogs;
    catalogs.build();
    *exitCode = 0;
    return true;
}

} // namespace zef
