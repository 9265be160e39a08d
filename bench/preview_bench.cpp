#include "cli/documentio.h"
#include "medianbenchmark.h"
#include "stresslayouts.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/elementselection.h"
#include "model/layoutdocument.h"
#include "preview/dragcontroller.h"
#include "preview/previewgeometry.h"
#include "preview/previewrenderer.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include <memory>
#include <random>

namespace zef {
namespace {

constexpr QSize ClientSize(1210, 871);

// A designer window's worth of state: the layout loaded from bench/data as
// Load does, a renderer with a random pool, and the window's client area.
struct Window {
    explicit Window(const char* file)
        : document(test::shippedCatalogs(), platform), renderer(document) {
        const QString path =
            QDir(QStringLiteral(ZEF_BENCH_DATA_DIR)).filePath(QString::fromLatin1(file));
        ok = loadLayout(document, path, false).status == LoadStatus::Loaded && document.device();
        std::mt19937 random(1);
        for (int i = 0; i < 1024; ++i)
            renderer.viewState().randomPool.push_back(std::int32_t(random() % 32768));
        client = QImage(ClientSize, QImage::Format_RGB32);
        // The first paint reads the faces and decodes the picture.
        paint(renderer.InvalidateView(true, true, false, true));
    }

    void paint(const std::vector<QRect>& rects) {
        QRegion region;
        for (const QRect& r : rects) region += r;
        QPainter p(&client);
        renderer.RenderClientArea(p, ClientSize, region);
    }

    ScriptedPlatform platform;
    LayoutDocument document;
    PreviewRenderer renderer;
    QImage client;
    bool ok = false;
};

void fullRepaint(benchmark::State& state, const char* file) {
    Window w(file);
    if (!w.ok) {
        state.SkipWithError("layout not loaded");
        return;
    }
    for (auto _ : state) w.paint(w.renderer.InvalidateView(true, true, false, true));
    state.counters["elements"] = w.document.count();
}

void BM_FullRepaint_Edge1050_500(benchmark::State& state) {
    fullRepaint(state, stress::LargeFile);
}
void BM_FullRepaint_Fenix7_30(benchmark::State& state) {
    fullRepaint(state, stress::RoundFile);
}

// Moving one graphic (as the property panel's X edit does) repaints its old and
// new rectangles only.
void BM_MoveGraphic_Edge1050_500(benchmark::State& state) {
    Window w(stress::LargeFile);
    if (!w.ok) {
        state.SkipWithError("layout not loaded");
        return;
    }
    int index = -1;
    for (int i = 0; i < w.document.count() && index < 0; ++i)
        if (w.document.elements()[std::size_t(i)].kind == KindGraphic &&
            w.document.elements()[std::size_t(i)].graphicKind() == GraphicKind::RectangleFilled)
            index = i;
    w.document.setSelection(index);
    LayoutElement& e = *w.document.selectedElement();
    e.rememberGeometry();
    double pixels = 0;
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2) ? -40 : 40;
        e.prevX = e.x;
        e.prevX2 = e.x2;
        e.x += dx;
        e.x2 += dx;
        const std::vector<QRect> rects = w.renderer.InvalidateView(false, false, true, false);
        QRegion region;
        for (const QRect& r : rects) region += r;
        pixels = 0;
        for (const QRect& r : region) pixels += double(r.width()) * r.height();
        w.paint(rects);
    }
    const QRect area = preview::area();
    state.counters["repainted_px"] = pixels;
    state.counters["preview_px"] = double(area.width()) * area.height();
}

// The first paint of a window: faces read, the picture decoded, every text
// painted glyph by glyph.
void BM_FirstPaint_Edge1050_500(benchmark::State& state) {
    Window w(stress::LargeFile);
    if (!w.ok) {
        state.SkipWithError("layout not loaded");
        return;
    }
    for (auto _ : state) {
        PreviewRenderer fresh(w.document);
        fresh.viewState() = w.renderer.viewState();
        fresh.InvalidateView(true, true, false, true);
        QPainter p(&w.client);
        fresh.RenderClientArea(p, ClientSize);
    }
}

// The render command's path: the preview alone into a new image.
void BM_RenderPreviewImage_Edge1050_500(benchmark::State& state) {
    Window w(stress::LargeFile);
    if (!w.ok) {
        state.SkipWithError("layout not loaded");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(w.renderer.RenderPreviewImage());
}

// The whole client area at 4x, scrolled to the middle of the device: the
// screen drawn at 1x where it shows, enlarged, with the pixel grid.
void BM_FullRepaint_Edge1050_500_Zoom4(benchmark::State& state) {
    Window w(stress::LargeFile);
    if (!w.ok) {
        state.SkipWithError("layout not loaded");
        return;
    }
    const QSize content = w.renderer.contentSize();
    const QSize area = preview::area().size();
    PreviewViewport v{4, QPoint()};
    v.scroll = v.maxScroll(content, area) / 2;
    w.paint(w.renderer.setViewport(v));
    for (auto _ : state) w.paint(w.renderer.InvalidateView(true, true, false, true));
}

// The preview's part of a drag step (BM_DragStep_Edge1050_500 measures the
// whole window's): a value text in the 500-element layout dragged with
// snapping on; the drag controller snaps and changes the document, and the
// rectangles it names are repainted (its old and new text, the guides and
// handles).
void BM_DragStepPreview_Edge1050_500(benchmark::State& state) {
    Window w(stress::LargeFile);
    ElementSelection selection(w.document);
    DragController drags(w.document, w.renderer, selection);
    const DeviceInfo* d = w.document.device();
    int row = -1;
    for (int i = 0; i < w.document.count() && row < 0; ++i) {
        const LayoutElement& e = w.document.elements()[std::size_t(i)];
        // A value the click picks (nothing drawn over it) with room to move.
        if (e.kind == KindValue && e.textWidth > 10 && e.textHeight > 5 && e.textLeft > 40 &&
            e.textTop > 40 && e.textLeft + e.textWidth < d->screenWidth - 80 &&
            w.renderer.ElementAtPoint(e.textLeft + e.textWidth / 2, e.textTop + e.textHeight / 2) ==
                i)
            row = i;
    }
    if (!w.ok || row < 0) {
        state.SkipWithError("layout not loaded");
        return;
    }
    const LayoutElement& e = w.document.elements()[std::size_t(row)];
    const QPoint start = preview::screenOrigin(*d) +
                         QPoint(e.textLeft + e.textWidth / 2, e.textTop + e.textHeight / 2);
    const DragOutcome pressed = drags.press(start, Qt::NoModifier);
    if (pressed.picked != row) {
        state.SkipWithError("the value was not picked");
        return;
    }
    w.paint(pressed.update);
    // The drag starts: the other elements' extents are measured once.
    w.paint(drags.move(start + QPoint(5, 0), Qt::NoModifier).update);
    int step = 0;
    double pixels = 0;
    for (auto _ : state) {
        // Back and forth over 24 pixels, one pixel further on each time.
        const int phase = step++ % 48;
        const QPoint to = start + QPoint(phase < 24 ? phase : 48 - phase, phase % 7);
        const DragOutcome out = drags.move(to, Qt::NoModifier);
        w.paint(out.update);
        QRegion region;
        for (const QRect& r : out.update) region += r;
        pixels = 0;
        for (const QRect& r : region) pixels += double(r.width()) * r.height();
    }
    drags.cancel();
    drags.release(start, Qt::NoModifier);
    state.counters["repainted_px"] = pixels;
}

ZEF_MEDIAN_BENCHMARK(BM_FullRepaint_Edge1050_500);
ZEF_MEDIAN_BENCHMARK(BM_FullRepaint_Fenix7_30);
ZEF_MEDIAN_BENCHMARK(BM_MoveGraphic_Edge1050_500);
ZEF_MEDIAN_BENCHMARK(BM_RenderPreviewImage_Edge1050_500);
ZEF_MEDIAN_BENCHMARK(BM_FirstPaint_Edge1050_500);
ZEF_MEDIAN_BENCHMARK(BM_FullRepaint_Edge1050_500_Zoom4);
ZEF_MEDIAN_BENCHMARK(BM_DragStepPreview_Edge1050_500);

} // namespace
} // namespace zef
