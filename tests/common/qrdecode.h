#pragma once

// Reads QR codes back with Debian's zbarimg (zbar-tools), as a phone would:
// the decoded bytes of the one code in the image.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace zef::test {

inline bool haveQrDecoder() {
    return !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty();
}

// The bytes of the code in a PNG file; nothing when none is found.
inline std::optional<QByteArray> decodeQrFile(const QString& png) {
    QProcess zbar;
    // --raw: the bytes as they are, without a guess at their character set.
    zbar.start(QStringLiteral("zbarimg"),
               {QStringLiteral("--quiet"), QStringLiteral("--raw"), QStringLiteral("-Sbinary"),
                QStringLiteral("-Sqrcode.enable"), png});
    if (!zbar.waitForFinished(60000) || zbar.exitCode() != 0) return std::nullopt;
    QByteArray out = zbar.readAllStandardOutput();
    // zbarimg ends the data with a line break of its own.
    if (out.endsWith('\n')) out.chop(1);
    return out;
}

inline std::optional<QByteArray> decodeQrImage(const QImage& image) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(png, "PNG")) return std::nullopt;
    return decodeQrFile(png);
}

} // namespace zef::test
