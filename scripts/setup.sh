#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# What run.sh and test.sh share, on Debian 12 or 13: installing the Debian packages a task needs,
# and configuring and building a preset of CMakePresets.json. Sourced; a second run only installs
# what is missing and rebuilds what changed.
set -euo pipefail

TARABEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The program: compiler and build tools, Qt 6 Widgets with the desktop platform plugins (X11 in
# qt6-qpa-plugins, Wayland in qt6-wayland) and Qt's own translations, the DejaVu faces that stand
# in for the window's Windows fonts (the condensed cut included), and libX11 for the Num Lock
# state.
TARABEL_PROGRAM_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-wayland qt6-translations-l10n
    fonts-dejavu-core fonts-dejavu-extra libx11-dev
)
# The test suite besides: GoogleTest; the validators of the desktop entry and AppStream file,
# dpkg-dev for the .deb's dependencies and lintian to check it; the AT-SPI bus with its Python
# bindings and a session bus for the screen-reader test; clang with its sanitizer and fuzzing
# runtime (libclang-rt-dev: the one of the release's default clang); Google Benchmark;
# clang-format to check the layout of the sources; Xvfb for the screen-reader test, the Num Lock
# test and the start-up benchmark, with xdotool to press keys there and the XKB tools to load
# keymaps; weston to run the window as a native Wayland client; valgrind to count the start-up's
# instructions.
TARABEL_TEST_PACKAGES=(
    libgtest-dev
    desktop-file-utils appstream dpkg-dev lintian
    at-spi2-core python3-pyatspi dbus-daemon
    clang libclang-rt-dev libbenchmark-dev clang-format
    xvfb xauth xdotool x11-xkb-utils
    weston valgrind
)

# install_missing_packages PACKAGE...: installs those that are not installed yet.
install_missing_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local apt=(apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            apt=(sudo apt-get)
        else
            echo "These packages are missing and this user cannot install them. As root, run:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${apt[@]}" update
    "${apt[@]}" install -y "${missing[@]}"
}

# configure_and_build PRESET [CMAKE SETTINGS...] [--target TARGET...]: configures the preset's
# folder (CMakePresets.json names it; TARABEL_FOLDER holds its path afterwards) with the settings
# given, then builds what changed: the targets given, or everything. A configure that fails stops
# here and leaves the folder as it was.
configure_and_build() {
    local preset="$1"
    shift
    local settings=() targets=()
    while [ $# -gt 0 ] && [ "$1" != --target ]; do
        settings+=("$1")
        shift
    done
    [ $# -gt 0 ] && targets=("$@")
    local log
    log=$(mktemp)
    if ! (cd "$TARABEL_ROOT" && cmake --preset "$preset" ${settings[@]+"${settings[@]}"}) >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "Configuring the $preset build failed (above). If its folder was made by another" \
            "CMake or generator, remove that folder and run this again." >&2
        exit 1
    fi
    TARABEL_FOLDER=$(sed -n 's/^-- Build files have been written to: //p' "$log")
    rm -f "$log"
    (cd "$TARABEL_ROOT" && cmake --build --preset "$preset" ${targets[@]+"${targets[@]}"})
}
