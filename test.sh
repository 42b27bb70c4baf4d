#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a fresh Debian 12 machine and runs the whole test suite headless: the
# program's build, the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# a short seeded run of the fuzz targets, all reported by one ctest run. A second run only
# rebuilds what changed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

# Second build folders beside the first.
TARABEL_ASAN_BUILD="${TARABEL_ASAN_BUILD:-$TARABEL_BUILD-asan}"
TARABEL_FUZZ_BUILD="${TARABEL_FUZZ_BUILD:-$TARABEL_BUILD-fuzz}"

# -O1 keeps the sanitizer build quick to compile and its tests quick to run.
configure_and_build "$TARABEL_ASAN_BUILD" "$TARABEL_ROOT" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DTARABEL_SANITIZE=ON
# libFuzzer comes with clang; only the core is built there.
configure_and_build "$TARABEL_FUZZ_BUILD" "$TARABEL_ROOT/fuzz" -DCMAKE_CXX_COMPILER=clang++

# The program's build registers the sanitizer build's tests and the fuzz run (tests/CMakeLists.txt).
if ! grep -qxF "TARABEL_SANITIZED_BUILD:PATH=$TARABEL_ASAN_BUILD" "$TARABEL_BUILD/CMakeCache.txt" ||
    ! grep -qxF "TARABEL_FUZZ_BUILD:PATH=$TARABEL_FUZZ_BUILD" "$TARABEL_BUILD/CMakeCache.txt"; then
    cmake -B "$TARABEL_BUILD" -DTARABEL_SANITIZED_BUILD="$TARABEL_ASAN_BUILD" \
        -DTARABEL_FUZZ_BUILD="$TARABEL_FUZZ_BUILD" >/dev/null
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$TARABEL_BUILD" --output-on-failure -j2
