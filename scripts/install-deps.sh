#!/usr/bin/env bash
# Installs the Debian packages the designer needs to build, run and test.
# Idempotent: quick when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev libgl-dev libtinyxml2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-roboto-unhinted fonts-dejavu-core fonts-dejavu-extra fonts-bebas-neue
    xvfb xauth
    # The man page, the Debian package and the checks of the launcher and metainfo.
    help2man dpkg-dev file desktop-file-utils appstream
)
# Extra packages for the fuzzing and sanitizer runs (clang's libFuzzer runtime).
if [[ "${ZEF_FUZZ_DEPS:-0}" == 1 ]]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi
# The static checks (scripts/tidy.sh).
if [[ "${ZEF_TIDY_DEPS:-0}" == 1 ]]; then
    packages+=(clang-tidy)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# A fresh machine has empty package lists.
if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
