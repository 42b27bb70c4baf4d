#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the three pages from the real program under Xvfb, at 1x, with
# a few values typed in from the keyboard. Needs xvfb, xdotool and imagemagick.
#   docs/screenshots.sh [build folder]      (default: build)
set -euo pipefail

docs="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$(cd "${1:-$docs/../build}" && pwd)/app/tarabel"
source "$docs/../scripts/xvfb.sh"

app=
trap 'kill $app 2>/dev/null || true; stop_xvfb' EXIT
start_xvfb -screen 0 800x600x24
export QT_QPA_PLATFORM=xcb LANGUAGE=es LC_ALL=es_ES.UTF-8

# One run of the program per page: the keys after start-up (the focus starts on "Limpiar"; Tab
# reaches the tab strip, arrows change the page, Tab again the first field), then the picture.
shoot() {
    local file="$1"
    shift
    "$program" &
    app=$!
    local window
    window="$(xdotool search --sync --name '^Tarabel$' | head -1)"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    for keys in "$@"; do
        case "$keys" in
        type:*) xdotool type --delay 50 "${keys#type:}" ;;
        *) xdotool key --delay 50 $keys ;;
        esac
    done
    sleep 0.5
    import -window "$window" "$docs/$file"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
}

shoot horas-y-grados.png "Tab Tab" type:10 Tab type:30 Tab type:36 Return
shoot distancias.png "Tab Right Tab" type:100 Return "Tab Tab Tab Tab Tab" type:150000000 Return
shoot temperaturas.png "Tab Right Right Tab" type:20 Return
