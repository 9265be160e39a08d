// The sample value text over arbitrary sample texts and patterns, for every
// value type and both forms.
#include "catalog/samplevaluetext.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zef;
    const auto in = fuzz::splitInput(data, size);
    const auto& catalog = fuzz::catalogs().valueTypes;
    const qsizetype cut = in.payload.indexOf('\n');
    ValueTextMembers e;
    e.valueType = in.selector % static_cast<int>(catalog.valueTypes.size());
    e.sampleText = QString::fromUtf8(cut < 0 ? in.payload : in.payload.left(cut));
    e.text = cut < 0 ? QString() : QString::fromUtf8(in.payload.mid(cut + 1));
    e.precision = (in.selector >> 4) - 2; // includes negative precisions
    e.fixedText = in.selector & 0x80;
    ValueTextMembers edit = e;
    (void)valueElementText(e, TextMode::Preview, catalog);
    (void)valueElementText(edit, TextMode::Edit, catalog);
    return 0;
}
