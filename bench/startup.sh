#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Tarabel against the toolkit's floor (a minimal Qt window of the same kind), taking
# turns, on a fresh Xvfb server: median time until the window is mapped and median peak memory.
#   bench/startup.sh [runs] [settle ms]      (defaults: 21 runs, 500 ms)
# Uses the programs built in build/ (TARABEL_BUILD to use another folder).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARABEL_BUILD:-$root/build}"
runs="${1:-21}"
settle="${2:-500}"
for program in "$build/app/tarabel" "$build/bench/floor_window" "$build/bench/startup_probe"; do
    [ -x "$program" ] || { echo "missing $program: build first (./test.sh)" >&2; exit 1; }
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR LC_ALL=C.UTF-8
source "$root/scripts/xvfb.sh"
trap 'stop_xvfb; rm -rf "$XDG_RUNTIME_DIR"' EXIT
start_xvfb -screen 0 1280x1024x24
echo "$(date -u +%Y-%m-%d), $(nproc) cores, $runs runs each, stopped $settle ms after mapping"
"$build/bench/startup_probe" "$runs" "$settle" "$build/app/tarabel" "$build/bench/floor_window"
