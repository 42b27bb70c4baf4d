#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up cost in instructions, which do not drift with the machine's load as times do: the
# program and floor_window, each run under valgrind's callgrind until its first window has been
# shown (offscreen), and the ratio. With a limit, fails above it. Exit 77: no valgrind.
#   bench/startup_cost.sh PROGRAM FLOOR PRELOAD [LIMIT]
set -euo pipefail
[ $# -ge 3 ] || { sed -n 4,7p "$0" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is not installed: skipped"; exit 77; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
count() {
    env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home" LC_ALL=C.UTF-8 \
        QT_QPA_PLATFORM=offscreen LD_PRELOAD="$3" \
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
program=$(count "$1" "" "$3")
floor=$(count "$2" "" "$3")
[ -n "$program" ] && [ -n "$floor" ] || { echo "a run gave no count" >&2; exit 1; }
ratio=$(awk -v p="$program" -v f="$floor" 'BEGIN { printf "%.3f", p / f }')
echo "$(basename "$1"): $program instructions; floor: $floor; ratio $ratio"
if [ $# -ge 4 ] && awk -v r="$ratio" -v l="$4" 'BEGIN { exit !(r > l) }'; then
    echo "start-up costs more than $4 times the floor" >&2
    exit 1
fi
