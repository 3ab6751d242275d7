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
# headless Chromium and Selenium for its tests), --page-checks (node and npm, then the page's
# checkers pinned in web/package-lock.json, axe-core, html-validate and Lighthouse, into
# web/node_modules).
# Package names carry no compiler version, so the same list serves Debian 12 and 13.
set -euo pipefail

page_checks=0
packages=(cmake make g++ pkg-config qt6-base-dev libcli11-dev nlohmann-json3-dev)
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
    # A node that brings its own npm (as from nodejs.org's packages) conflicts with Debian's npm.
    --page-checks) packages+=(nodejs); command -v npm >/dev/null || packages+=(npm); page_checks=1 ;;
    *) echo "install-deps.sh: unknown option '$arg'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The page's checkers, exactly as the lock file pins them; again only when the lock changed.
install_page_checks() {
  [ "$page_checks" -eq 1 ] || return 0
  local web
  web="$(dirname "$0")/../web"
  cmp -s "$web/package-lock.json" "$web/node_modules/.installed-lock.json" 2>/dev/null && return 0
  (cd "$web" && npm ci --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.installed-lock.json)
}

if [ ${#missing[@]} -eq 0 ]; then
  install_page_checks
  exit 0
fi

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
install_page_checks
