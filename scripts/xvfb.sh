# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# A private Xvfb server for the tests, benchmarks and screenshots, on the display number the
# server itself chose (-displayfd): never a number guessed from lock files, which another server
# may take in between. Sourced by bash scripts:
#   source scripts/xvfb.sh
#   start_xvfb [Xvfb options...]    sets DISPLAY and XVFB_PID
#   stop_xvfb                       ends the server (call it from the script's EXIT trap)
# The options default to one 1024x768 screen; -nolisten tcp is always added.

start_xvfb() {
    command -v Xvfb >/dev/null || { echo "needs Xvfb (package xvfb)" >&2; return 2; }
    local options=("$@") log number
    [ ${#options[@]} -gt 0 ] || options=(-screen 0 1024x768x24)
    log=$(mktemp)
    # Xvfb writes its display number to the pipe once it accepts clients.
    exec {xvfb_pipe}< <(exec Xvfb -displayfd 1 -nolisten tcp "${options[@]}" 2>"$log")
    XVFB_PID=$!
    if ! read -r -t 30 number <&"$xvfb_pipe" || [ -z "$number" ]; then
        echo "Xvfb did not start:" >&2
        cat "$log" >&2
        rm -f "$log"
        kill "$XVFB_PID" 2>/dev/null
        return 1
    fi
    rm -f "$log"
    export DISPLAY=":$number"
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    exec {xvfb_pipe}<&-
}
