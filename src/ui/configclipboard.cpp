#include "configclipboard.h"

#include "catalog/catalogs.h"
#include "cli/documentio.h"
#include "config/configstring.h"
#include "findingsline.h"
#include "layoutfilecommands.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

namespace zef {

QString copiedMessage(std::size_t findings) {
    const QString copied = QStringLiteral("Config string copied to clipboard.");
    if (findings == 0) return copied;
    return copied + QStringLiteral(" The layout check has %1 for this device (listed under "
                                   "the preview).")
                        .arg(FindingsLine::countText(findings));
}

void OnCopyToClipboard(LayoutDocument& document, std::size_t findings) {
    const ValueTypeCatalog& catalog = document.catalogs().valueTypes;
    Platform& platform = document.platform();
    platform.setClipboardText(
        BuildConfigString(document.elements(), catalog, documentFontSlots(document)));
    platform.showMessage(copiedMessage(findings), MessageButtons::Ok, MessageIcon::Information);

    const QString warning = overlongTextMessage(overlongTextElements(document.elements(), catalog));
    if (!warning.isEmpty()) platform.showMessage(warning, MessageButtons::Ok, MessageIcon::Warning);
}

void OnLoadFromClipboard(LayoutDocument& document) {
    Platform& platform = document.platform();
    const MessageAnswer answer = platform.showMessage(
        QStringLiteral("Do you want to load a configuration string\nfrom the clipboard to your "
                       "layout?\n(You must select correct device manually afterwards!)"),
        MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) return;
    // A string that cannot be read is told before anything is asked about the
    // current layout; unsaved work is offered for saving before it is replaced.
    const ConfigReadResult read = readConfigStringFor(document, platform.clipboardText());
    if (!read.ok) {
        platform.showMessage(read.error, MessageButtons::Ok, MessageIcon::None);
        return;
    }
    if (!mayDiscardLayout(askToSaveChanges(document))) return;
    adoptConfigString(document, read);
}

} // namespace zef
