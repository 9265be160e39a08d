// Reading hostile layout files: whatever a file the size limit admits holds,
// reading costs what the largest layout costs, within 2 s and 300 MB.

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "files/layoutfile.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zef {
namespace {

QByteArray layoutWith(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZEFLayout>\n"
           "<Device name=\"Edge 1030\"/>\n<LayoutElement type=\"3\"/>\n" +
           body + "</ZEFLayout>\n";
}

// Just under the size limit.
constexpr qsizetype Budget = MaxLayoutFileBytes - 256;

QByteArray tinyElements() {
    return layoutWith(QByteArray("<b/>").repeated(Budget / 4));
}

QByteArray manyAttributes() {
    QByteArray tag = "<LayoutElement type=\"0\"";
    for (int i = 0; tag.size() < Budget - 64; ++i) tag += " a" + QByteArray::number(i) + "=\"\"";
    return layoutWith(tag + "/>");
}

// The most markup the reader admits, padded to the size limit: the worst a
// file can make the XML reader build.
QByteArray mostAdmitted() {
    const qsizetype elements = MaxXmlNodes - 10;
    const qsizetype pad = Budget / elements - 20;
    return layoutWith(("<b x=\"" + QByteArray(pad, 'x') + "\" y=\"2\"/>").repeated(elements));
}

QByteArray oneHugeText() {
    return layoutWith("<LayoutElement type=\"0\" eletype=\"FX\" text=\"" +
                      QByteArray(Budget - 200, 'a') + "\"/>");
}

// The peak memory of reading the bytes once, in a child process of its own so
// that nothing else this process did counts.
double peakMiB(const QByteArray& bytes) {
#ifdef Q_OS_UNIX
    const pid_t child = ::fork();
    if (child == 0) {
        const LayoutReadResult read = readLayoutBytes(bytes, test::shippedCatalogs().valueTypes);
        ::_exit(read.content.elements.size() > 0 ? 0 : 1);
    }
    int status = 0;
    rusage usage = {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return -1;
    return double(usage.ru_maxrss) / 1024.0;
#else
    Q_UNUSED(bytes);
    return -1;
#endif
}

void readHostile(benchmark::State& state, QByteArray (*make)()) {
    const QByteArray bytes = make();
    const ValueTypeCatalog& catalog = test::shippedCatalogs().valueTypes;
    LoadStatus status = LoadStatus::Unreadable;
    for (auto _ : state) {
        const LayoutReadResult read = readLayoutBytes(bytes, catalog);
        status = read.status;
        benchmark::DoNotOptimize(read.content.elements.data());
    }
    state.counters["MiB_file"] = double(bytes.size()) / (1024 * 1024);
    state.counters["MiB_peak"] = peakMiB(bytes);
    state.counters["loaded"] = status == LoadStatus::Loaded ? 1 : 0;
}

void BM_Read_TinyElements64MiB(benchmark::State& state) {
    readHostile(state, tinyElements);
}
void BM_Read_ManyAttributes(benchmark::State& state) {
    readHostile(state, manyAttributes);
}
void BM_Read_MostAdmittedMarkup(benchmark::State& state) {
    readHostile(state, mostAdmitted);
}
void BM_Read_OneHugeText(benchmark::State& state) {
    readHostile(state, oneHugeText);
}

BENCHMARK(BM_Read_TinyElements64MiB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Read_ManyAttributes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Read_MostAdmittedMarkup)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Read_OneHugeText)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace zef
