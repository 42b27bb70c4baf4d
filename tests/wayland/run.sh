#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a native Wayland client of a private headless weston, the compositor that
# holds clients strictly to the window states it configures. Skipped (exit 77) without weston or
# Qt's Wayland platform plugin.
set -euo pipefail

plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! command -v weston >/dev/null || [ ! -e "$plugins/platforms/libqwayland-generic.so" ]; then
    echo "weston or qt6-wayland is not installed: skipped"
    exit 77
fi

runtime=$(mktemp -d)
trap 'kill "$compositor" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=tarabel-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { cat "$runtime/weston.log"; exit 1; }

QT_QPA_PLATFORM=wayland "$@"
