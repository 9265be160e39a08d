#include "templatecommands.h"
#include "terminaltext.h"

#include "catalog/catalogs.h"
#include "consoleplatform.h"
#include "documentio.h"
#include "model/layoutdocument.h"
#include "templates/starterlayouts.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zef {

int listTemplates(QTextStream& out) {
    for (const StarterTemplate& t : starterTemplates())
        printRow(out, {QLatin1String(t.name), QString::fromUtf8(t.description)});
    out.flush();
    return 0;
}

int writeStarterLayout(const Catalogs& catalogs, const QString& templateName,
                       const QString& deviceName, const QString& outputPath, bool force,
                       QTextStream& err) {
    const StarterTemplate* starter = findStarterTemplate(templateName);
    if (!starter) {
        printError(err,
                   QStringLiteral("No starter layout is named \"%1\"; --list-templates shows the "
                                  "names.")
                       .arg(templateName));
        return 2;
    }
    const int device = catalogs.devices.findDeviceByName(deviceName);
    if (device < 0) {
        printError(err, QStringLiteral("No device is named \"%1\"; --list-devices shows the names.")
                            .arg(deviceName));
        return 2;
    }
    const QString file = QDir::toNativeSeparators(outputPath);
    if (!force && QFileInfo::exists(outputPath)) {
        printError(err, QStringLiteral("\"%1\" exists; --force replaces it.").arg(file));
        return 1;
    }
    StarterLayouts starters(catalogs);
    const std::optional<ElementVector> layout =
        starters.layout(*starter, catalogs.devices.at(device));
    if (!layout) {
        printError(err,
                   QStringLiteral("The starter layout \"%1\" is not offered on \"%2\": it does not "
                                  "fit that device's screen, fonts or class.")
                       .arg(templateName, deviceName));
        return TemplateNotOffered;
    }
    ConsolePlatform platform(err);
    LayoutDocument document(catalogs, platform);
    document.replaceLayout(*layout, device, QString());
    QString error;
    if (!writeLayoutFile(document, outputPath, &error)) {
        printError(err,
                   QStringLiteral("The layout could not be saved to \"%1\": %2").arg(file, error));
        return 1;
    }
    return 0;
}

} // namespace zef
