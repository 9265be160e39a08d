#pragma once

#include "catalog/catalogs.h"
#include "common/layoutelements.h"
#include "common/scriptedplatform.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

namespace zef::testing {

// Colours as an element stores them (0x00BBGGRR) and as they are drawn.
constexpr Bgr RedBgr = 0x0000FF;
constexpr QRgb Red = 0xFFFF0000;
constexpr Bgr GreenBgr = 0x00FF00;
constexpr QRgb Green = 0xFF00FF00;
constexpr Bgr WhiteBgr = 0xFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Background = 0xFFF0F0F0;

// The catalogs, built once for the whole test binary, with preview faces that
// map the fonts of "Edge 1050" to two of the shipped faces.
inline const Catalogs& sharedCatalogs() {
    static const Catalogs catalogs = [] {
        Catalogs c;
        c.build();
        c.fonts.parsePreviewFaces(
            QStringLiteral("DejaVuSans_Cd_SemiBold_WGL4;IDR_FNT_DEJAVUSANS_COND_BOLD;20;2;3;4;5\n"
                           "Garmin_Roboto_Bold;IDR_FNT_ROBOTO_COND_BOLD;40;0;0;0;0\n"));
        return c;
    }();
    return catalogs;
}

// Graphics of the preview tests are red unless a colour is given.
inline LayoutElement graphic(GraphicKind type, int x, int y, int x2, int y2, int radius = 0,
                             int stroke = 1, Bgr color = RedBgr) {
    return graphicElement(type, x, y, x2, y2, radius, stroke, color);
}

// A document on one device with a renderer, rendering into images whose pixel
// (sx + dx, sy + dy) is the device-screen point (dx, dy).
class PreviewFixture : public ::testing::Test {
protected:
    explicit PreviewFixture(const QString& deviceName = QStringLiteral("Edge 1050"))
        : document(sharedCatalogs(), platform), renderer(document) {
        const int index = sharedCatalogs().devices.findDeviceByName(deviceName);
        document.selectDevice(index);
        device = &sharedCatalogs().devices.at(index);
        renderer.viewState().randomPool.assign(1024, 0);
    }

    void add(const LayoutElement& e) { document.elementsForDrawing().push_back(e); }

    QImage render(PaintResult* result = nullptr) { return renderer.RenderPreviewImage(result); }

    // The colour at device-screen point (x, y) of an image from render().
    QRgb at(const QImage& image, int x, int y) const {
        return image.pixel(device->screenX + x, device->screenY + y) | 0xFF000000u;
    }

    ScriptedPlatform platform;
    LayoutDocument document;
    PreviewRenderer renderer;
    const DeviceInfo* device = nullptr;
};

} // namespace zef::testing
