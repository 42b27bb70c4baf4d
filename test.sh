#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a fresh Debian 12 or 13 machine and runs the whole test suite headless:
# the program's build, the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short seeded run of the fuzz targets, all reported by one ctest run (the presets of
# CMakePresets.json: dev, asan, fuzz). Every warning in our code is an error here. A second run
# only rebuilds what changed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

install_missing_packages "${TARABEL_PROGRAM_PACKAGES[@]}" "${TARABEL_TEST_PACKAGES[@]}"
configure_and_build dev -DTARABEL_WERROR=ON
configure_and_build asan -DTARABEL_WERROR=ON
configure_and_build fuzz

# The dev build's tests include the sanitizer build's and the fuzz smoke run (tests/CMakeLists.txt).
cd "$TARABEL_ROOT"
ctest --preset dev
