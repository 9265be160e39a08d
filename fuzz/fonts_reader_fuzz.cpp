// The fonts file reader over arbitrary text.
#include "catalog/devicefonts.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zef;
    DeviceFonts fonts;
    fonts.parsePreviewFaces(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const auto& [name, face] : fonts.previewFaceTable()) (void)fonts.faceFor(name);
    return 0;
}
