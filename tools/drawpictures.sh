#!/bin/sh
# Redraws every picture under assets/ (see docs/assets.md). Builds the
# generator on its own from tools/ so it works even when the rest of the game
# does not configure.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${QV_TOOLS_BUILD_DIR:-"$root/build-tools"}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target drawpictures -j "$(nproc 2>/dev/null || echo 2)"

QT_QPA_PLATFORM=offscreen "$build/drawpictures" "$root/assets"
