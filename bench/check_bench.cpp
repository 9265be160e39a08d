#include "cli/documentio.h"
#include "medianbenchmark.h"
#include "stresslayouts.h"

#include "catalog/catalogs.h"
#include "check/layoutcheck.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <benchmark/benchmark.h>

#include <QDir>

namespace zef {
namespace {

// The layout check as the window runs it after every change: faces already
// read, every value measured with its widest digits, every pair of texts
// tested for overlap.
void checkLayout(benchmark::State& state, const char* file) {
    ScriptedPlatform platform;
    LayoutDocument document(test::shippedCatalogs(), platform);
    const QString path =
        QDir(QStringLiteral(ZEF_BENCH_DATA_DIR)).filePath(QString::fromLatin1(file));
    if (loadLayout(document, path, false).status != LoadStatus::Loaded || !document.device()) {
        state.SkipWithError("layout not loaded");
        return;
    }
    LayoutCheck check(test::shippedCatalogs());
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

ZEF_MEDIAN_BENCHMARK(BM_Check_Edge1050_500);
ZEF_MEDIAN_BENCHMARK(BM_Check_Fenix7_30);

} // namespace
} // namespace zef
