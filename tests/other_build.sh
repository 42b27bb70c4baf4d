#!/bin/sh
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test that needs the build folder of another preset, or skips it (exit 77) with one line
# saying what to build first when that folder has not been built.
#   other_build.sh PRESET FILE COMMAND...    (FILE: what that preset's build leaves)
preset=$1 file=$2
shift 2
if [ ! -e "$file" ]; then
    echo "skipped: $file is missing (cmake --preset $preset && cmake --build --preset $preset)"
    exit 77
fi
exec "$@"
