// Writes res/devices/<pictureId>.png for every catalog device.
//
//   zef-devicepictures [--only ID[,ID...]] [OUTPUT_DIR]
//
// The pictures are data of the designer and are committed; run this again only
// when the drawing changes.
#include "catalog/devicecatalog.h"
#include "devicepainter.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSet>

#include <cstdio>

namespace {

// The first face that loads, from the repository's faces or the system fonts,
// so that the lettering does not depend on whatever the machine would substitute.
QString loadFamily(const QStringList& files) {
    for (const QString& file : files) {
        if (!QFileInfo::exists(file)) continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0) continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return families.first();
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outputDir = QStringLiteral(ZEF_SOURCE_DIR "/res/devices");
    QSet<int> only;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--only") && i + 1 < args.size()) {
            for (const QString& id : args[++i].split(QLatin1Char(','))) only.insert(id.toInt());
        } else if (args[i].startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "usage: zef-devicepictures [--only ID[,ID...]] [OUTPUT_DIR]\n");
            return 2;
        } else {
            outputDir = args[i];
        }
    }

    const QString faces = QStringLiteral(ZEF_SOURCE_DIR "/res/faces/");
    const QString roboto = QStringLiteral("/usr/share/fonts/truetype/roboto/unhinted/");
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    zef::tools::PictureFonts fonts;
    fonts.nameFamily = loadFamily({faces + QStringLiteral("RobotoCondensed-Bold.ttf"),
                                   roboto + QStringLiteral("RobotoCondensed-Bold.ttf"),
                                   dejavu + QStringLiteral("DejaVuSansCondensed-Bold.ttf")});
    fonts.labelFamily = loadFamily({faces + QStringLiteral("DejaVuSansCondensed-Bold.ttf"),
                                    dejavu + QStringLiteral("DejaVuSansCondensed-Bold.ttf")});
    if (fonts.nameFamily.isEmpty() || fonts.labelFamily.isEmpty()) {
        std::fprintf(stderr, "no Roboto Condensed or DejaVu Sans Condensed font found\n");
        return 1;
    }

    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outputDir));
        return 1;
    }
    zef::DeviceCatalog catalog;
    catalog.build();
    int failures = 0;
    int written = 0;
    qint64 bytes = 0;
    for (const zef::DeviceInfo& device : catalog.devices()) {
        if (!only.isEmpty() && !only.contains(device.pictureId)) continue;
        const QImage picture = zef::tools::paintDevicePicture(device, fonts);
        const QString fault = zef::tools::checkDevicePicture(picture, device);
        if (!fault.isEmpty()) {
            std::fprintf(stderr, "%d %s: %s\n", device.pictureId, qPrintable(device.name),
                         qPrintable(fault));
            ++failures;
            continue;
        }
        const QString file =
            QDir(outputDir).filePath(QStringLiteral("%1.png").arg(device.pictureId));
        QImageWriter writer(file, "png");
        writer.setQuality(0); // strongest compression
        if (!writer.write(picture)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
            ++failures;
            continue;
        }
        ++written;
        bytes += QFileInfo(file).size();
    }
    std::printf("%d pictures written to %s (%lld bytes)\n", written, qPrintable(outputDir),
                static_cast<long long>(bytes));
    return failures == 0 ? 0 : 1;
}
