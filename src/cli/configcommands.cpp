#include "configcommands.h"

#include "catalog/catalogs.h"
#include "config/configstring.h"
#include "consoleplatform.h"
#include "documentio.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"
#include "qrcodeimage.h"
#include "terminaltext.h"

#include <QBuffer>
#include <QDir>
#include <QIODevice>
#include <QTextStream>

namespace zef {

int exportConfigString(const Catalogs& catalogs, const QString& layoutPath, QTextStream& out,
                       QTextStream& err, const QString& qrPath, ConfigStringOutput form) {
    ConsolePlatform platform(err);
    LayoutDocument document(catalogs, platform);
    const LoadResult result = loadLayout(document, layoutPath, false);
    const QString file = QDir::toNativeSeparators(layoutPath);
    if (result.status != LoadStatus::Loaded) {
        printError(err, QStringLiteral("The file \"%1\" cannot be loaded as a layout: %2")
                            .arg(file, result.error));
        return 1;
    }
    // The document had no device: one is selected only when the file names a
    // device of the catalog.
    if (!document.device()) {
        printError(err, QStringLiteral("The layout file \"%1\" names no device of the catalog; "
                                       "--list-devices shows the device names.")
                            .arg(file));
        return 1;
    }
    const ValueTypeCatalog& types = catalogs.valueTypes;
    const QString warning = overlongTextMessage(overlongTextElements(document.elements(), types));
    if (!warning.isEmpty()) platform.showMessage(warning, MessageButtons::Ok, MessageIcon::Warning);
    const QString string =
        BuildConfigString(document.elements(), types, documentFontSlots(document));
    if (form == ConfigStringOutput::Exact)
        out << string << '\n';
    else
        printLine(out, string);
    out.flush();
    if (qrPath.isEmpty()) return 0;
    return writeQrCode(string, qrPath, err);
}

int writeQrCode(const QString& text, const QString& path, QTextStream& err) {
    // Ten pixels a module: sharp when printed or shown at any zoom.
    const QrCodeImage code = qrCodeImage(text, 10);
    if (code.image.isNull()) {
        printError(err, code.error);
        return 1;
    }
    QString error;
    if (!writeImage(code.image, path, &error)) {
        printError(err, QStringLiteral("The QR code cannot be written to \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), error));
        return 1;
    }
    return 0;
}

int importConfigString(const Catalogs& catalogs, const QString& configString,
                       const QString& outputPath, QTextStream& err, const QString& deviceName) {
    ConsolePlatform platform(err);
    LayoutDocument document(catalogs, platform);
    if (!deviceName.isEmpty()) {
        const int device = catalogs.devices.findDeviceByName(deviceName);
        if (device < 0) {
            printError(err, QStringLiteral("No device is named \"%1\"; --list-devices shows the "
                                           "names.")
                                .arg(deviceName));
            return 2;
        }
        document.selectDevice(device);
    }
    if (!loadConfigString(document, configString)) return 1;
    const QString file = QDir::toNativeSeparators(outputPath);
    // Save never writes an empty layout.
    if (document.elements().empty()) {
        printError(err, QStringLiteral("The config string gave no element; \"%1\" was not "
                                       "written.")
                            .arg(file));
        return 1;
    }
    QString error;
    if (!writeLayoutFile(document, outputPath, &error)) {
        printError(err,
                   QStringLiteral("The layout could not be saved to \"%1\": %2").arg(file, error));
        return 1;
    }
    document.markSaved(outputPath);
    return 0;
}

bool writeImage(const QImage& image, const QString& path, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        *error = QStringLiteral("The image could not be encoded as PNG.");
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

QString configStringArgument(const QString& argument, QIODevice& input) {
    if (argument != QStringLiteral("-")) return argument;
    // Enough bytes for any string loadConfigString accepts (a UTF-16 unit takes
    // at most three UTF-8 bytes); a longer input still reads as too long.
    QByteArray bytes = input.read(3 * MaxConfigStringLength + 3);
    if (bytes.endsWith('\n')) bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    return decodeFileText(bytes);
}

} // namespace zef
