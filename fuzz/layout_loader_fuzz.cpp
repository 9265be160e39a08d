// The layout file loader over arbitrary bytes, as Load and as Append.
#include "cli/documentio.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "fuzzsupport.h"
#include "model/layoutdocument.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zef;
    fuzz::ensureApplication();
    const auto in = fuzz::splitInput(data, size);

    ScriptedPlatform platform;
    LayoutDocument doc(fuzz::catalogs(), platform);
    const bool append = in.selector & 1;
    if (append) doc.selectDevice(in.selector % fuzz::catalogs().devices.count());
    loadLayoutFromBytes(doc, in.payload, QStringLiteral("fuzz.xml"), append);
    if (doc.device()) (void)layoutFileBytes(doc, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    return 0;
}
