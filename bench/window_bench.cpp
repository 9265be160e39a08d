// The designer window as a user meets it: start-up until the first paint, and
// a step of dragging an element on the preview with everything it sets off.
#include "medianbenchmark.h"
#include "stresslayouts.h"

#include "common/scriptedplatform.h"
#include "model/layoutdocument.h"
#include "preview/previewgeometry.h"
#include "ui/cpellfielddlg.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace zef {
namespace {

QString benchFile(const char* name) {
    return QDir(QStringLiteral(ZEF_BENCH_DATA_DIR)).filePath(QString::fromLatin1(name));
}

std::unique_ptr<CPellFieldDlg> openWindow(ScriptedPlatform& platform, const QString& file) {
    QStandardPaths::setTestModeEnabled(true);
    auto window =
        std::make_unique<CPellFieldDlg>(platform, QStringList{QStringLiteral("zef-bench"), file});
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    QApplication::processEvents(); // the first paint
    return window;
}

void sendMouse(QWidget* area, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), area->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

// From the window's construction to its first paint, with the example layout
// (catalogs, preview faces, the layout file, the device picture, the check).
void BM_StartUp_ExampleLayout(benchmark::State& state) {
    ScriptedPlatform platform;
    const QString file = QStringLiteral(SOURCE_DIR "/res/layout.xml");
    for (auto _ : state) {
        auto window = openWindow(platform, file);
        if (!window) {
            state.SkipWithError("the window did not show");
            return;
        }
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// One step of dragging a value text in the 500-element layout, snapping on,
// as the window does it: the pointer-move event, the snap against the 499
// others, the document change, the list row and the property panel, and the
// paint of everything that changed (the value's old and new place, the
// guides, the handles, the list row and the panel's fields).
void BM_DragStep_Edge1050_500(benchmark::State& state) {
    ScriptedPlatform platform;
    auto window = openWindow(platform, benchFile(stress::LargeFile));
    if (!window || !window->document().device()) {
        state.SkipWithError("layout not loaded");
        return;
    }
    LayoutDocument& document = window->document();
    const DeviceInfo& d = *document.device();
    int row = -1;
    for (int i = 0; i < document.count() && row < 0; ++i) {
        const LayoutElement& e = document.elements()[std::size_t(i)];
        // A value the click picks (nothing drawn over it) with room to move.
        if (e.kind == KindValue && e.textWidth > 10 && e.textHeight > 5 && e.textLeft > 40 &&
            e.textTop > 40 && e.textLeft + e.textWidth < d.screenWidth - 80 &&
            e.textTop + e.textHeight < 700 &&
            window->renderer().ElementAtPoint(e.textLeft + e.textWidth / 2,
                                              e.textTop + e.textHeight / 2) == i)
            row = i;
    }
    if (row < 0) {
        state.SkipWithError("no value to drag");
        return;
    }
    const LayoutElement& e = document.elements()[std::size_t(row)];
    QWidget* area = window->templateArea();
    const QPoint start = preview::screenOrigin(d) +
                         QPoint(e.textLeft + e.textWidth / 2, e.textTop + e.textHeight / 2);
    sendMouse(area, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    if (document.selection() != row) {
        state.SkipWithError("the value was not picked");
        return;
    }
    // The drag starts: the other elements' extents are measured once.
    sendMouse(area, QEvent::MouseMove, start + QPoint(5, 0), Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // Back and forth over 24 pixels, one pixel further on each time.
        const int phase = step++ % 48;
        const QPoint to = start + QPoint(phase < 24 ? phase : 48 - phase, phase % 7);
        sendMouse(area, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // the paint of what changed
    }
    sendMouse(area, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    document.undo();
}

BENCHMARK(BM_StartUp_ExampleLayout)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
ZEF_MEDIAN_BENCHMARK(BM_DragStep_Edge1050_500);

} // namespace
} // namespace zef
