#include "rendercommand.h"

#include "catalog/catalogs.h"
#include "check/layoutcheck.h"
#include "configcommands.h"
#include "consoleplatform.h"
#include "documentio.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"
#include "preview/randompool.h"
#include "terminaltext.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace zef {

int renderLayout(const Catalogs& catalogs, const RenderOptions& options, QTextStream& err) {
    if (options.repeat < 1) {
        printError(err, QStringLiteral("--repeat needs a count of at least 1."));
        return 2;
    }
    ConsolePlatform platform(err);
    LayoutDocument document(catalogs, platform);
    const LoadResult loaded = loadLayout(document, options.layoutPath, false);
    if (loaded.status != LoadStatus::Loaded || !document.device()) {
        const QString why = loaded.error.isEmpty()
                                ? QStringLiteral("The layout names no device of the catalog.")
                                : loaded.error;
        printError(err, QStringLiteral("Cannot render %1: %2").arg(options.layoutPath, why));
        return 1;
    }

    PreviewRenderer renderer(document);
    PreviewViewState& view = renderer.viewState();
    view.nightMode = options.nightMode;
    view.showDcGradient = options.showDcGradient;
    view.widestValues = options.widestValues;
    if (options.outlineFindings) {
        LayoutCheck check(catalogs);
        for (const Finding& finding : check.run(document.elements(), *document.device()))
            if (!finding.area.isNull()) view.outlines.push_back(finding.area);
    }
    view.randomPool = classicRandomPool();
    view.programDir = options.programDir;
    if (options.highlight) {
        if (*options.highlight < 0 || *options.highlight >= document.count()) {
            printError(err, QStringLiteral("--highlight needs an element index from 0 to %1.")
                                .arg(document.count() - 1));
            return 2;
        }
        document.setSelection(*options.highlight);
        view.highlightSelected = true;
    }

    QImage image;
    PaintResult result;
    std::vector<double> times;
    times.reserve(std::size_t(options.repeat));
    for (int i = 0; i < options.repeat; ++i) {
        result = PaintResult();
        QElapsedTimer clock;
        clock.start();
        image = renderer.RenderPreviewImage(&result);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    renderer.showDcWarning(result);

    QString error;
    if (!writeImage(image, options.outputPath, &error)) {
        printError(err, QStringLiteral("Cannot write %1: %2").arg(options.outputPath, error));
        return 1;
    }
    if (options.repeat > 1) {
        std::sort(times.begin(), times.end());
        const std::size_t n = times.size();
        const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
        err << QStringLiteral("median %1 ms").arg(median, 0, 'f', 3) << Qt::endl;
    }
    return 0;
}

} // namespace zef
