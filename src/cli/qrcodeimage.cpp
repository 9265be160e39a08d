#include "qrcodeimage.h"

#include <qrencode.h>

#include <QPainter>

#include <memory>

namespace zef {

namespace {

constexpr int QuietZone = 4;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QrCodeImage qrCodeImage(const QString& text, int modulePixels) {
    QrCodeImage result;
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > QrCodeMaxBytes) {
        result.error = qrCodeLengthText(text);
        return result;
    }
    // Version 0: the smallest symbol that holds the bytes.
    const std::unique_ptr<QRcode, QrCodeFree> code(QRcode_encodeData(
        static_cast<int>(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()),
        0, QR_ECLEVEL_L));
    if (!code) {
        result.error = qrCodeLengthText(text);
        return result;
    }
    const int n = code->width;
    const int side = (n + 2 * QuietZone) * modulePixels;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            // The low bit of each byte is the module's colour (1: dark).
            if (code->data[y * n + x] & 1)
                painter.fillRect((x + QuietZone) * modulePixels, (y + QuietZone) * modulePixels,
                                 modulePixels, modulePixels, Qt::black);
    painter.end();
    result.image = image;
    result.modules = n;
    return result;
}

QString qrCodeLengthText(const QString& text) {
    const qsizetype bytes = text.toUtf8().size();
    if (bytes <= QrCodeMaxBytes)
        return QStringLiteral("Config string: %1 characters").arg(text.size());
    return QStringLiteral("The config string is too long for one QR code: %1 characters (%2 "
                          "bytes), and a QR code holds at most %3 bytes.")
        .arg(text.size())
        .arg(bytes)
        .arg(QrCodeMaxBytes);
}

} // namespace zef
