#pragma once

#include <QImage>
#include <QString>

namespace zef {

// A text as one QR code, for a phone to read from the screen or from a file.
// The text is encoded as its UTF-8 bytes in byte mode with the lowest error
// correction, which holds the most: at most QrCodeMaxBytes bytes.
constexpr int QrCodeMaxBytes = 2953;

struct QrCodeImage {
    QImage image;    // black modules on white with the four-module quiet zone; null on failure
    int modules = 0; // modules across, without the quiet zone
    QString error;   // why there is no image, for the user
};

// modulePixels: the side of one module in the image.
QrCodeImage qrCodeImage(const QString& text, int modulePixels);

// "Config string: 1234 characters" or, when it cannot be one code, a sentence
// saying so and how long the string is.
QString qrCodeLengthText(const QString& text);

} // namespace zef
