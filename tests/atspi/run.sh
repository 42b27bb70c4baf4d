#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts PROGRAM on a fresh Xvfb display with a private session bus and the AT-SPI bus, as a
# screen reader would find it, and runs check_accessibility.py against it.
#   run.sh PROGRAM DECIMAL      (DECIMAL: the separator the locale in LANG gives, "." or ",")
# Needs Xvfb, dbus-run-session, at-spi2-core and Debian's /usr/bin/python3 with pyatspi.
set -euo pipefail
[ $# -eq 2 ] || { sed -n '4,7p' "$0" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup.sh installs it)" >&2; exit 2; }
done
if [ -z "${TARABEL_ATSPI_INSIDE:-}" ]; then
    runtime=$(mktemp -d)
    source "$here/../../scripts/xvfb.sh"
    trap 'stop_xvfb; rm -rf "$runtime"' EXIT
    start_xvfb
    chmod 700 "$runtime"
    XDG_RUNTIME_DIR="$runtime" HOME="$runtime" TARABEL_ATSPI_INSIDE=1 \
        dbus-run-session -- "$0" "$@"
    exit $?
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
sleep 0.5
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$XDG_RUNTIME_DIR/program.log" 2>&1 &
program=$!
status=0
/usr/bin/python3 "$here/check_accessibility.py" "$2" || status=$?
kill "$program" "$launcher" 2>/dev/null || true
exit $status
