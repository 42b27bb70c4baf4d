#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on a tracked source file, script or CMake file whose first lines lack the two SPDX lines
# (copyright and licence). Run from anywhere inside the tree.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*.in' \
        'CMakeLists.txt' '*/CMakeLists.txt' '.ci/run')
else
    mapfile -t files < <(find . -path ./build\* -prune -o -type f \( -name '*.cpp' -o -name '*.h' \
        -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' -o -name '*.in' \
        -o -name CMakeLists.txt \) -print | sed 's|^\./||')
fi
missing=0
for f in "${files[@]}"; do
    top="$(head -n 6 "$f")"
    if ! grep -q 'SPDX-FileCopyrightText: ' <<<"$top" || ! grep -q 'SPDX-License-Identifier: ' <<<"$top"; then
        echo "$f: no SPDX-FileCopyrightText and SPDX-License-Identifier lines at the top"
        missing=1
    fi
done
[ -f LICENSE ] || { echo "LICENSE is missing"; missing=1; }
[ "$missing" -eq 0 ] && echo "${#files[@]} files carry their licence lines"
exit "$missing"
