#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source file of src/,
# using the compile commands of a configured build (default: build). Any finding
# fails the run.
#
#   scripts/tidy.sh              # after make build
#   BUILD=build-asan scripts/tidy.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
ZEF_TIDY_DEPS=1 scripts/install-deps.sh
if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "No $build/compile_commands.json: configure and build first (make build)." >&2
    exit 2
fi
# clang-tidy reads the compile commands without the precompiled header: clang
# cannot read GCC's, and each file is checked with its own includes.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
sed -E 's# -Winvalid-pch -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" \
    >"$db/compile_commands.json"
# The window template checks itself at compile time with more constant
# evaluation steps than clang allows by default.
find src -name '*.cpp' -print0 |
    xargs -0 -P "$(nproc)" -n 4 clang-tidy -p "$db" --quiet \
        --extra-arg=-fconstexpr-steps=100000000 2>&1 |
    grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' |
    tee /tmp/zef-tidy.$$ || true
if grep -q -E '(warning|error):' /tmp/zef-tidy.$$; then
    rm -f /tmp/zef-tidy.$$
    echo "clang-tidy found problems." >&2
    exit 1
fi
rm -f /tmp/zef-tidy.$$
echo "clang-tidy: no findings."
