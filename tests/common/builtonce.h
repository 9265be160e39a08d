#pragma once

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

} // namespace zef::test
