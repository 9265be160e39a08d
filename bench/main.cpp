// Benchmarks of the preview, the layout check and the window. `zef-bench --write-layouts DIR`
// writes the stress layouts as layout files instead of running.
#include "stresslayouts.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window benchmarks keep their settings apart from the designer's.
    QCoreApplication::setOrganizationName(QStringLiteral("zef-bench"));
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-layouts") == 0) {
            if (zef::stress::writeLayouts(QString::fromLocal8Bit(argv[i + 1]))) return 0;
            std::fprintf(stderr, "Cannot write the layouts into %s\n", argv[i + 1]);
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
