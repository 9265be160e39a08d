#pragma once

#include "catalog/catalogs.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace zef::fuzz {

// The catalogs, built once per process.
inline const Catalogs& catalogs() {
    static const Catalogs c = [] {
        Catalogs built;
        built.build();
        return built;
    }();
    return c;
}

// Signals and QObject need an application object. It is never destroyed: at
// exit Qt's own globals (made while it was constructed) are gone before a
// static owner would delete it, and ~QCoreApplication would crash.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "zef-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = nullptr;
    if (!QCoreApplication::instance()) app = new QCoreApplication(argc, argv);
    (void)app;
}

// Splits fuzz input: the first byte chooses a variant, the rest is the payload.
struct Input {
    std::uint8_t selector = 0;
    QByteArray payload;
};

inline Input splitInput(const std::uint8_t* data, std::size_t size) {
    Input in;
    if (size == 0) return in;
    in.selector = data[0];
    in.payload =
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    return in;
}

} // namespace zef::fuzz
