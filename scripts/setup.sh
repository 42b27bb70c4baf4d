#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs (Debian 12) and configures and builds the program and its tests.
# Sourced by run.sh and test.sh; a second run only rebuilds what changed.
set -euo pipefail

TARABEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARABEL_BUILD="${TARABEL_BUILD:-$TARABEL_ROOT/build}"

# Debian packages: compiler and build tools, Qt 6 Widgets with the desktop platform plugins,
# Qt's own translations, the DejaVu faces that stand in for the window's Windows fonts (the
# condensed cut included), GoogleTest, libX11 for reading the Num Lock state, the validators of
# the desktop entry and AppStream file with dpkg-dev for the .deb's dependencies and lintian to
# check it, the AT-SPI bus with its Python bindings and a session bus for the screen-reader test,
# clang with its fuzzing runtime, Google Benchmark, and Xvfb for the start-up benchmark, the
# screen-reader test and screenshots.
TARABEL_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libx11-dev
    desktop-file-utils appstream dpkg-dev lintian
    at-spi2-core python3-pyatspi dbus-daemon
    clang libclang-rt-14-dev libbenchmark-dev
    xvfb xauth
)

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

# configure_and_build <build folder> <source folder> [cmake settings...]: configures a new folder,
# then builds what changed.
configure_and_build() {
    local dir="$1" source="$2"
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$source" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir"
}

install_missing_packages "${TARABEL_PACKAGES[@]}"
configure_and_build "$TARABEL_BUILD" "$TARABEL_ROOT" -DCMAKE_BUILD_TYPE=RelWithDebInfo
