#pragma once

#include <QRandomGenerator>

#include <cstdint>
#include <vector>

namespace zef {

// The graph bars show values drawn from a pool of numbers in the C library's
// rand() range, 0..32767, made once per run.
constexpr int RandomPoolSize = 1024;
constexpr std::int32_t RandomValueRange = 32768;

// A pool from a generator (the window: a new pool each run).
inline std::vector<std::int32_t> randomPool(QRandomGenerator& generator) {
    std::vector<std::int32_t> pool;
    pool.reserve(RandomPoolSize);
    for (int i = 0; i < RandomPoolSize; ++i)
        pool.push_back(static_cast<std::int32_t>(generator.bounded(RandomValueRange)));
    return pool;
}

// The C library's classic generator with seed 1: the same pool every time, so
// that rendered images can be compared.
inline std::vector<std::int32_t> classicRandomPool() {
    std::vector<std::int32_t> pool;
    pool.reserve(RandomPoolSize);
    std::uint32_t next = 1;
    for (int i = 0; i < RandomPoolSize; ++i) {
        next = next * 1103515245u + 12345u;
        pool.push_back(
            static_cast<std::int32_t>((next / 65536u) % std::uint32_t(RandomValueRange)));
    }
    return pool;
}

} // namespace zef
