#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a fresh Debian 12 machine and starts Tarabel.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Start it from a desktop session, or try: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$TARABEL_BUILD/app/tarabel" "$@"
