#!/bin/sh
# Synthesises the 17 wave files under assets/sounds/ (see docs/assets.md).
# Builds the generator on its own from tools/, like drawpictures.sh.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${QV_TOOLS_BUILD_DIR:-"$root/build-tools"}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target makesounds -j "$(nproc 2>/dev/null || echo 2)"

"$build/makesounds" "$root/assets"
