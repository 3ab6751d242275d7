#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times musterwright-cli --odds with every choice Random and vehicles allowed on the shipped
# table file, as whole processes: the wall-clock time per run, and the processor time (user and
# system) per run, which other work on the machine does not inflate. Fails when the processor
# time per run passes 50 ms.
#   scripts/odds-speed.sh [BUILD]        (BUILD: the build folder, build/ by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli="${1:-$root/build}/cli/musterwright-cli"
runs=20
start=$(date +%s%N)
for _ in $(seq "$runs"); do
  "$cli" --odds --vehicles --tables "$root/data/Tables.dat" >/dev/null
done
wall=$((($(date +%s%N) - start) / runs / 1000000))
# The second line of `times`: the children's user and system time, as "0m0.313s 0m0.273s".
# (`times` runs in this shell, not in a pipeline's subshell, which has no children.)
used=$(mktemp)
trap 'rm -f "$used"' EXIT
times >"$used"
cpu=$(awk -v runs="$runs" 'NR == 2 {
  split($1, u, /[ms]/); split($2, s, /[ms]/)
  printf "%d", ((u[1] + s[1]) * 60 + u[2] + s[2]) * 1000 / runs }' "$used")
echo "musterwright-cli --odds --vehicles: ${cpu} ms processor time, ${wall} ms wall clock per run"
[ "$cpu" -le 50 ] || { echo "over the 50 ms budget" >&2; exit 1; }
