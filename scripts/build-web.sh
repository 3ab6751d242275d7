#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser page, <folder>/musterwright.html, and the Galaxy timing for node, with
# Debian's emscripten: `scripts/build-web.sh [folder]` (build-web by default).
# Debian's emscripten finds its optimiser's parser (acorn) in /usr/share/nodejs, which a node
# installed elsewhere and first in PATH does not search; NODE_PATH names it for either.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build-web}
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$folder" -j "${JOBS:-$(nproc)}"
