#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the page's site folder as a new visitor meets it: serves it on 127.0.0.1 with gzip
# (scripts/serve-site.py) and runs Lighthouse, from web/'s npm packages, with Debian's Chromium,
# five times in its mobile settings (whose scores swing most with the machine's load) and three
# in its desktop ones; prints the median of each category's score, first and largest contentful
# paint, total blocking time and speed index.
# `scripts/page-lighthouse.sh [site folder]` (build-web/site by default, `make site` builds it).
# A figure, not a check: without the site, Chromium or Lighthouse it says what is missing and
# ends successfully (scripts/install-deps.sh --page-checks installs Lighthouse).
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build-web/site}
lighthouse=web/node_modules/.bin/lighthouse
for need in "$site/index.html" "$lighthouse" "$(command -v chromium || echo chromium)"; do
  [ -e "$need" ] || { echo "page-lighthouse: skipped, $need is missing"; exit 0; }
done

work=$(mktemp -d)
python3 scripts/serve-site.py "$site" >"$work/address" &
server=$!
trap 'kill "$server"; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/address" ] && break; sleep 0.1; done
address=$(cat "$work/address")

for setting in mobile desktop; do
  preset=()
  [ "$setting" = desktop ] && preset=(--preset=desktop)
  runs=3
  [ "$setting" = mobile ] && runs=5
  for run in $(seq "$runs"); do
    "$lighthouse" "$address" "${preset[@]}" --chrome-path="$(command -v chromium)" \
      --chrome-flags="--headless=new --no-sandbox" --output=json --quiet \
      --output-path="$work/$setting-$run.json"
  done
done
python3 - "$work" <<'PY'
import json, pathlib, statistics, sys
work = pathlib.Path(sys.argv[1])
timings = {"first-contentful-paint": "first contentful paint", "largest-contentful-paint":
           "largest contentful paint", "total-blocking-time": "total blocking time",
           "speed-index": "speed index"}
for setting in ("mobile", "desktop"):
    runs = [json.loads(path.read_text()) for path in sorted(work.glob(f"{setting}-*.json"))]
    print(f"Lighthouse {runs[0]['lighthouseVersion']}, {setting} (median of {len(runs)}):")
    for key, category in runs[0]["categories"].items():
        score = statistics.median(run["categories"][key]["score"] * 100 for run in runs)
        print(f"  {category['title']}: {score:.0f}")
    for key, name in timings.items():
        value = statistics.median(run["audits"][key]["numericValue"] for run in runs)
        print(f"  {name}: {value:.0f} ms")
PY
