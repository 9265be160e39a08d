#include "stresslayouts.h"
#include "cli/documentio.h"

#include "catalog/catalogs.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>

#include <random>

namespace zef::stress {

namespace {

const Bgr Palette[] = {0xFFFFFF, 0x40C0FF, 0x00FF00, 0x0000FF,
                       0xFFFF00, 0xA0A0A0, 0xFF8000, 0x3030FF};

class Builder {
public:
    Builder(LayoutDocument& document, const QString& deviceName, unsigned seed)
        : m_document(document), m_random(seed) {
        const Catalogs& c = document.catalogs();
        document.clearElements();
        document.selectDevice(c.devices.findDeviceByName(deviceName));
        m_device = document.device();
        m_slots = c.fonts.offeredFontSlots(*m_device, c.valueTypes.fontSlots);
        document.setDesignDevice(document.selectedDevice());
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    Bgr color() { return Palette[pick(0, 7)]; }
    int x() { return pick(0, m_device->screenWidth - 1); }
    int y() { return pick(0, m_device->screenHeight - 1); }

    void value() {
        LayoutElement e(KindValue);
        e.color = color();
        e.x = x();
        e.y = y();
        e.font = m_slots.at(pick(0, int(m_slots.size()) - 1));
        e.hAlignment = pick(0, 2);
        e.precision = pick(0, 2);
        if (pick(0, 4) == 0) {
            static const char* const texts[] = {"km/h", "bpm", "HR", "Pace", "Dist", "W", "%"};
            e.fixedText = true;
            e.text = QString::fromLatin1(texts[pick(0, 6)]);
        } else {
            e.valueType = pick(1, int(m_document.catalogs().valueTypes.valueTypes.size()) - 1);
        }
        m_document.elementsForDrawing().push_back(e);
    }

    void graphic(int kind) {
        LayoutElement e(KindGraphic);
        e.graphicType = kind;
        e.color = color();
        e.x = x();
        e.y = y();
        e.stroke = pick(1, 6);
        e.radius = pick(5, 80);
        e.dayNight = pick(0, 3) == 0;
        if (isArc(graphicKindAt(kind))) {
            e.x2 = pick(0, 359);
            e.y2 = e.x2 + pick(-270, 270);
        } else if (isDirectionMark(graphicKindAt(kind))) {
            e.x2 = 0;
            e.y2 = pick(0, 40);
        } else {
            e.x2 = std::min(e.x + pick(10, 160), m_device->screenWidth);
            e.y2 = std::min(e.y + pick(10, 120), m_device->screenHeight);
        }
        m_document.elementsForDrawing().push_back(e);
    }

    void dynamicColor() {
        LayoutElement e(KindDynamicColor);
        e.replaceColor = color();
        const int rows = pick(1, 10);
        for (int k = 0; k < rows; ++k) {
            e.dcValue[std::size_t(k)] = 100 * (k + 1);
            e.dcColor[std::size_t(k)] = color();
        }
        m_document.elementsForDrawing().push_back(e);
    }

    void separator() {
        LayoutElement e(KindSeparator);
        e.text = QStringLiteral("----------------- Seperator ------------------");
        m_document.elementsForDrawing().push_back(e);
    }

private:
    LayoutDocument& m_document;
    std::mt19937 m_random;
    const DeviceInfo* m_device = nullptr;
    QStringList m_slots;
};

bool writeFile(LayoutDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = layoutFileBytes(document, QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

void buildLarge(LayoutDocument& document) {
    Builder b(document, QStringLiteral("Edge 1050"), 1050);
    // Interleaved as a real layout grows: values, their shapes, now and then a
    // dynamic colour or a separator.
    for (int i = 0; i < 500; ++i) {
        if (i % 50 == 49)
            b.separator();
        else if (i % 25 == 12)
            b.dynamicColor();
        else if (i % 2 == 0 || i % 50 == 47)
            b.value();
        else
            b.graphic(b.pick(0, 14));
    }
}

void buildRound(LayoutDocument& document) {
    Builder b(document, QStringLiteral("fenix 7"), 7);
    for (int i = 0; i < 30; ++i) {
        if (i == 14 || i == 29)
            b.separator();
        else if (i == 7 || i == 21)
            b.dynamicColor();
        else if (i % 2 == 0)
            b.value();
        else
            b.graphic(i % 15);
    }
}

bool writeLayouts(const QString& dir) {
    Catalogs catalogs;
    catalogs.build();
    ScriptedPlatform platform;
    LayoutDocument document(catalogs, platform);
    buildLarge(document);
    if (!writeFile(document, QDir(dir).filePath(QString::fromLatin1(LargeFile)))) return false;
    buildRound(document);
    return writeFile(document, QDir(dir).filePath(QString::fromLatin1(RoundFile)));
}

} // namespace zef::stress
