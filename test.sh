#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$TARABEL_BUILD" --output-on-failure -j2
