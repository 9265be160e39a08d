#include "checkcommand.h"

#include "catalog/catalogs.h"
#include "check/layoutcheck.h"
#include "consoleplatform.h"
#include "documentio.h"
#include "files/layoutfile.h"
#include "model/devicescaling.h"
#include "model/layoutdocument.h"
#include "terminaltext.h"

#include <QDir>
#include <QTextStream>

namespace zef {

int checkLayoutFile(const Catalogs& catalogs, const QString& layoutPath,
                    const std::optional<QString>& deviceName, QTextStream& out, QTextStream& err) {
    const DeviceInfo* target = nullptr;
    if (deviceName) {
        const int index = catalogs.devices.findDeviceByName(*deviceName);
        if (index < 0) {
            printError(err, QStringLiteral("Unknown device \"%1\"; --list-devices shows the "
                                           "device names.")
                                .arg(*deviceName));
            return 2;
        }
        target = &catalogs.devices.at(index);
    }

    ConsolePlatform platform(err);
    LayoutDocument document(catalogs, platform);
    const LoadResult loaded = loadLayout(document, layoutPath, false);
    const QString file = QDir::toNativeSeparators(layoutPath);
    if (loaded.status != LoadStatus::Loaded) {
        printError(err, QStringLiteral("The file \"%1\" cannot be loaded as a layout: %2")
                            .arg(file, loaded.error));
        return 1;
    }
    const DeviceInfo* device = document.device();
    if (!device) {
        printError(err, QStringLiteral("The layout file \"%1\" names no device of the catalog; "
                                       "--list-devices shows the device names.")
                            .arg(file));
        return 1;
    }

    std::vector<LayoutElement> elements = document.elements();
    if (target && target != device) {
        // Unlike a device change in the window, nothing the target lacks is
        // dropped: the check reports it instead.
        scaleElements(elements, *device, *target);
        device = target;
    }
    LayoutCheck check(catalogs);
    const std::vector<Finding> findings = check.run(elements, *device);
    for (const Finding& finding : findings) printLine(out, findingLine(finding));
    out.flush();
    return findings.empty() ? 0 : CheckFoundSomething;
}

} // namespace zef
