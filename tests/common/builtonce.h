#pragma once

#include "catalog/catalogs.h"

#include <QString>

namespace zef::test {

// A catalog (Catalogs, ValueTypeCatalog, DeviceCatalog, ...) built once for the
// whole test binary and read-only afterwards, as the designer uses it.
template <typename Catalog> const Catalog& builtOnce() {
    static const Catalog built = [] {
        Catalog c;
        c.build();
        return c;
    }();
    return built;
}

// The catalogs with the preview faces the designer ships (res/fonts.txt of
// the source tree), built once, as the window and the command line read them.
inline const Catalogs& shippedCatalogs() {
    static const Catalogs built = [] {
        Catalogs c;
        c.build();
        c.fonts.loadPreviewFaces(QStringLiteral(SOURCE_DIR "/res/fonts.txt"));
        return c;
    }();
    return built;
}

} // namespace zef::test
