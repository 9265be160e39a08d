#include "cli/documentio.h"
#include "stresslayouts.h"

#include "catalog/catalogs.h"
#include "check/layoutcheck.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <benchmark/benchmark.h>

#include <QDir>

namespace zef {
namespace {

const Catalogs& catalogs() {
    static const Catalogs built = [] {
        Catalogs c;
        c.build();
        c.fonts.loadPreviewFaces(QStringLiteral(ZEF_SOURCE_DIR "/res/fonts.txt"));
        return c;
    }();
    return built;
}

// The layout check as the window runs it after every change: faces already
// read, every value measured with its widest digits, every pair of texts
// tested for overlap.
void checkLayout(benchmark::State& state, const char* file) {
    ScriptedPlatform platform;
    LayoutDocument document(catalogs(), platform);
    const QString path =
        QDir(QStringLiteral(ZEF_BENCH_DATA_DIR)).filePath(QString::fromLatin1(file));
    if (loadLayout(document, path, false).status != LoadStatus::Loaded || !document.device()) {
        state.SkipWithError("layout not loaded");
        return;
    }
    LayoutCheck check(catalogs());
    std::size_t findings = check.run(document.elements(), *document.device()).size();
    for (auto _ : state) {
        const std::vector<Finding> found = check.run(document.elements(), *document.device());
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["elements"] = document.count();
    state.counters["findings"] = double(findings);
}

void BM_Check_Edge1050_500(benchmark::State& state) {
    checkLayout(state, stress::LargeFile);
}
void BM_Check_Fenix7_30(benchmark::State& state) {
    checkLayout(state, stress::RoundFile);
}

BENCHMARK(BM_Check_Edge1050_500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Check_Fenix7_30)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace zef
