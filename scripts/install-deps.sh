#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a make target needs, and only those that are missing.
# Without options: what building the window and the command line needs. Each option adds the
# tools of one target: --test (the test suites, with pdftotext for the printing test), --bench
# (the benchmark), --format (clang-format), --valgrind, --fuzz (clang and its fuzzer runtime),
# --package (the packaging checks: lintian, appstreamcli, mandoc), --screenshot (the fonts
# the screenshots are drawn with), --x11 (a virtual X server and the tools
# scripts/try-window.sh drives the window with), --web (emscripten for the browser page,
# rsvg-convert and pngquant for the site's icons, wabt to see what weighs in its WebAssembly;
# headless Chromium and Selenium for its tests), --page-checks (node and the npm packages pinned
# in web/package.json and its lock file, Lighthouse among them, installed into web/node_modules).
# Package names carry no compiler version, so the same list serves Debian 12 and 13.
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev libcli11-dev nlohmann-json3-dev)
page_checks=false
for arg in "$@"; do
  case "$arg" in
    --test) packages+=(libgtest-dev libgmock-dev poppler-utils) ;;
    --bench) packages+=(libbenchmark-dev) ;;
    --format) packages+=(clang-format) ;;
    --valgrind) packages+=(valgrind) ;;
    --fuzz) packages+=(clang libclang-rt-dev) ;;
    --package) packages+=(desktop-file-utils dpkg-dev file lintian appstream mandoc) ;;
    --screenshot) packages+=(fonts-dejavu-core) ;;
    --x11) packages+=(xvfb xdotool x11-utils imagemagick fonts-dejavu-core) ;;
    --web) packages+=(emscripten librsvg2-bin pngquant wabt chromium chromium-driver python3-selenium) ;;
    # A node from elsewhere (nodesource's) carries its own npm, which Debian's npm conflicts with.
    --page-checks) command -v npm >/dev/null || packages+=(nodejs npm); page_checks=true ;;
    *) echo "install-deps.sh: unknown option '$arg'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The npm packages, exactly as the lock file pins them, once the Debian ones are in.
npm_packages() {
  if $page_checks && ! npm ci --prefix "$(dirname "$0")/../web" --no-audit --no-fund --quiet; then
    echo "install-deps.sh: npm could not install web/package.json's packages" >&2
    exit 1
  fi
  exit 0
}
[ ${#missing[@]} -eq 0 ] && npm_packages

if [ "$(id -u)" -ne 0 ]; then
  echo "Musterwright needs these Debian packages: ${missing[*]}" >&2
  echo "Install them as root, then run make again:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another apt run (an unattended upgrade, a second checkout) may hold the lock: wait for it.
apt-get -o DPkg::Lock::Timeout=600 update -q
apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
npm_packages
