#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times a Clan Galaxy with vehicles natively and as WebAssembly under node, side by side, and
# prints how many times slower the WebAssembly build is:
# `scripts/web-bench.sh [native build] [web build]` (build and build-web by default), after
# building galaxy_timing in the first and `make web` in the second.
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}/bench/galaxy_timing
web=${2:-build-web}/web/galaxy_timing.js
for program in "$native" "$web"; do
  [ -f "$program" ] || { echo "web-bench: $program is not built" >&2; exit 1; }
done
# A node that fetches by itself would try to fetch the embedded module; older ones lack the flag.
node_flags=()
node --no-experimental-fetch -e '' 2>/dev/null && node_flags=(--no-experimental-fetch)
native_ms=$("$native" | awk '{print $2}')
web_ms=$(node "${node_flags[@]}" "$web" | awk '{print $2}')
echo "galaxy, native:      $native_ms ms per run"
echo "galaxy, WebAssembly: $web_ms ms per run (node $(node --version))"
awk -v w="$web_ms" -v n="$native_ms" 'BEGIN { printf "WebAssembly / native: %.2f\n", w / n }'
