// The config string reader over arbitrary text, through the real document with
// a device selected, for both versions and the clipboard path.
#include "cli/documentio.h"
#include "common/scriptedplatform.h"
#include "config/configstring.h"
#include "fuzzsupport.h"
#include "model/layoutdocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zef;
    fuzz::ensureApplication();
    const auto in = fuzz::splitInput(data, size);
    const QString text = QString::fromLatin1(in.payload);

    ScriptedPlatform platform;
    LayoutDocument doc(fuzz::catalogs(), platform);
    doc.selectDevice(in.selector % fuzz::catalogs().devices.count());
    switch (in.selector % 3) {
    case 0:
        ParseConfigStringC(doc, QStringLiteral("C") + text);
        break;
    case 1:
        ParseConfigStringB(doc, QStringLiteral("B") + text);
        break;
    default:
        loadConfigString(doc, text);
        break;
    }
    // Whatever was read must write back without trouble.
    const QStringList fontSlotNames = fuzz::catalogs().fonts.offeredFontSlots(
        *doc.device(), fuzz::catalogs().valueTypes.fontSlots);
    (void)BuildConfigString(doc.elements(), fuzz::catalogs().valueTypes, fontSlotNames);
    return 0;
}
