#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a built musterwright-cli under valgrind's memory checker: one generation of every unit
# size for a House and for a Clan, with vehicles, each saved with --out; the force as CSV and
# JSON; a force from a collection (slots left open among them) and one of each design once; a
# check and a fit of the shipped tables; and the failure paths (a missing or broken table file,
# a collection file with errors, a failed save, a bad option).
# A memory error or a leak fails the script. Usage: scripts/valgrind.sh [BUILD] (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --valgrind

cli="${1:-build}/cli/musterwright-cli"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# memcheck STATUS ARGS...: runs the program and expects exit status STATUS. A run expected to
# succeed uses valgrind's error status 1; one expected to fail, whose own status is 1 or 2,
# uses 99 so that the two cannot be mistaken.
memcheck() {
  local expected=$1 status=0
  shift
  local error=1
  [ "$expected" -ne 0 ] && error=99
  valgrind --quiet --leak-check=full --error-exitcode=$error "$cli" "$@" \
    >"$scratch/out" 2>"$scratch/err" || status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "valgrind: musterwright-cli $* ended with status $status, not $expected:" >&2
    cat "$scratch/err" >&2
    return 1
  fi
}

runs=0
for faction in Kurita "Jade Falcon"; do
  for size in Lance Company Batallion Regement Star Binary Trinary Cluster Galaxy; do
    memcheck 0 --faction "$faction" --size "$size" --vehicles --seed 2024 \
      --tables data/Tables.dat --out "$scratch/roster.txt"
    runs=$((runs + 1))
  done
done
memcheck 0 --size Regiment --seed 7 --format csv --tables data/Tables.dat
memcheck 0 --size Galaxy --seed 7 --format json --vehicles --tables data/Tables.dat
# The Kurita Light designs, one copy each: a company draws them all and leaves slots open.
sed -n '4,14p' data/Tables.dat >"$scratch/mine.txt"
memcheck 0 --faction Kurita --size Company --seed 7 --format json --tables data/Tables.dat \
  --collection "$scratch/mine.txt"
memcheck 0 --size Regiment --seed 7 --vehicles --unique --tables data/Tables.dat
memcheck 0 --check-tables data/Tables.dat
sed 's/^Sleetfang$/Sleet/' data/Tables.dat >"$scratch/Edited.dat"
memcheck 0 --fit-tables "$scratch/Edited.dat" --out "$scratch/Fitted.dat"
head -c 3000 data/Tables.dat >"$scratch/Cut.dat"
memcheck 1 --size Galaxy --seed 1 --tables "$scratch/Cut.dat"
memcheck 1 --check-tables "$scratch/Cut.dat"
memcheck 1 --fit-tables "$scratch/Cut.dat"
memcheck 1 --seed 1 --tables "$scratch/absent.dat"
printf '100 Sleetfang\nNo Such Design\n' >"$scratch/bad.txt"
memcheck 1 --seed 1 --tables data/Tables.dat --collection "$scratch/bad.txt"
memcheck 1 --seed 1 --tables data/Tables.dat --out /dev/full
memcheck 2 --size Division
echo "valgrind: $((runs + 13)) runs of musterwright-cli, no memory errors and no leaks"
