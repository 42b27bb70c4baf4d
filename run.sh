#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what the program needs on a fresh Debian 12 or 13 machine, builds it (the dev preset's
# program, without the test suite) and starts Tarabel. A second run only rebuilds what changed.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Start it from a desktop session, or try: xvfb-run ./run.sh" >&2
    exit 1
fi
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

install_missing_packages "${TARABEL_PROGRAM_PACKAGES[@]}"
configure_and_build dev --target tarabel
exec "$TARABEL_FOLDER/app/tarabel" "$@"
