#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# System calls of Tarabel left alone, against the toolkit's floor (a bare Qt window of the same
# shape), on a fresh Xvfb server: each program is started, left to settle, and counted by
# `strace -f -c` for a while, in two states: not active, and active with the focus in a text field.
#   bench/idle_wakeups.sh [seconds] [settle seconds]      (defaults: 10, 3)
# Uses the programs built in build/ (TARABEL_BUILD to use another folder). With
# TARABEL_STRACE_TABLES set to a folder, strace's table of each count (calls by name) is kept there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARABEL_BUILD:-$root/build}"
seconds="${1:-10}"
settle="${2:-3}"
for tool in Xvfb xdotool strace; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
for program in "$build/app/tarabel" "$build/bench/floor_window"; do
    [ -x "$program" ] || { echo "missing $program: build first (./test.sh)" >&2; exit 1; }
done

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8
source "$root/scripts/xvfb.sh"
child=""
cleanup() {
    [ -z "$child" ] || kill "$child" 2>/dev/null || true
    stop_xvfb
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb -noreset -screen 0 1280x1024x24

# count PROGRAM TITLE STATE X Y: sets calls to the system calls of PROGRAM's threads in $seconds
# seconds, once it has settled in STATE ("inactive", or "active" with a click at X,Y of its
# window, on a text field).
calls=0
count() {
    local program="$1" title="$2" state="$3" x="$4" y="$5" window
    "$program" >"$work/program.log" 2>&1 &
    child=$!
    window="$(timeout 30 xdotool search --sync --onlyvisible --pid "$child" --name "^$title\$" |
        head -n1)"
    [ -n "$window" ] || { echo "no window from $program" >&2; exit 1; }
    if [ "$state" = active ]; then
        xdotool windowfocus --sync "$window"
        xdotool mousemove --sync --window "$window" "$x" "$y" click 1
    else
        # No window manager: with the focus following the pointer, a pointer outside the window
        # leaves it inactive.
        xdotool mousemove --sync 1200 1000
    fi
    sleep "$settle"
    if [ "$state" = active ] && [ "$(xdotool getwindowfocus)" != "$window" ]; then
        echo "$title lost the focus" >&2
        exit 1
    fi
    timeout -s INT "$seconds" strace -f -c -p "$child" -o "$work/strace.txt" 2>/dev/null || true
    if [ -n "${TARABEL_STRACE_TABLES:-}" ]; then
        cp "$work/strace.txt" "$TARABEL_STRACE_TABLES/$title-$state.txt"
    fi
    kill "$child"
    wait "$child" 2>/dev/null || true
    child=""
    # The last line is the total: "100.00 seconds usecs/call calls [errors] total".
    calls="$(awk '$NF == "total" { print $4 }' "$work/strace.txt")"
    calls="${calls:-0}"
}

echo "$(date -u +%Y-%m-%d), $(nproc) cores, system calls in $seconds s after $settle s at rest"
printf '%-9s %8s %8s %8s\n' state floor tarabel more
for state in inactive active; do
    # The first text field of each window: Tarabel's hours, the floor's top left one.
    count "$build/bench/floor_window" Suelo "$state" 50 68
    floor=$calls
    count "$build/app/tarabel" Tarabel "$state" 38 103
    tarabel=$calls
    printf '%-9s %8d %8d %+8d\n' "$state" "$floor" "$tarabel" "$((tarabel - floor))"
done
