#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs (Debian 12) and configures and builds the program and its tests.
# Sourced by run.sh and test.sh; a second run only rebuilds what changed.
set -euo pipefail

TARABEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARABEL_BUILD="$TARABEL_ROOT/build" # the dev preset's folder

# Debian packages: compiler and build tools, Qt 6 Widgets with the desktop platform plugins,
# Qt's own translations, the DejaVu faces that stand in for the window's Windows fonts (the
# condensed cut included), GoogleTest, libX11 for reading the Num Lock state, the validators of
# the desktop entry and AppStream file with dpkg-dev for the .deb's dependencies and lintian to
# check it, the AT-SPI bus with its Python bindings and a session bus for the screen-reader test,
# clang with its fuzzing runtime, Google Benchmark, clang-format to check the layout of the
# sources, Xvfb for the start-up benchmark, the screen-reader test and screenshots, weston and
# Qt's Wayland plugin to run the window as a native Wayland client, and valgrind to count the
# start-up's instructions.
TARABEL_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libx11-dev
    desktop-file-utils appstream dpkg-dev lintian
    at-spi2-core python3-pyatspi dbus-daemon
    clang libclang-rt-14-dev libbenchmark-dev clang-format
    xvfb xauth
    weston qt6-wayland valgrind
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

# configure_and_build <preset> [cmake settings...]: configures the preset's folder (see
# CMakePresets.json) with the settings given, then builds what changed. A folder left from an
# older layout of the build is made anew.
configure_and_build() {
    local preset="$1"
    shift
    (
        cd "$TARABEL_ROOT"
        if ! cmake --preset "$preset" "$@" >/dev/null; then
            echo "Configuring the $preset build anew"
            rm -rf "$(preset_folder "$preset")"
            cmake --preset "$preset" "$@" >/dev/null
        fi
        cmake --build --preset "$preset"
    )
}

preset_folder() {
    case "$1" in
    dev) echo build ;;
    *) echo "build-$1" ;;
    esac
}

install_missing_packages "${TARABEL_PACKAGES[@]}"
# Settings of the program's own build: test.sh makes every warning an error.
configure_and_build dev ${TARABEL_DEV_SETTINGS[@]+"${TARABEL_DEV_SETTINGS[@]}"}
