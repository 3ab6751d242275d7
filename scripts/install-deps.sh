#!/usr/bin/env bash
# Installs the Debian packages that building and testing Musterwright needs, and only
# when one of them is missing. Pass --fuzz to add the clang toolchain for the fuzzers,
# --package for the packaging checks, --x11 for trying the window under a virtual X server
# (scripts/try-window.sh).
set -euo pipefail

packages=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev clang-format valgrind)
for arg in "$@"; do
  case "$arg" in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --package) packages+=(desktop-file-utils dpkg-dev file) ;;
    --screenshot) packages+=(fonts-dejavu-core) ;;
    --x11) packages+=(xvfb xdotool x11-utils imagemagick fonts-dejavu-core) ;;
    *) echo "install-deps.sh: unknown option '$arg'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Musterwright needs these Debian packages: ${missing[*]}" >&2
  echo "Install them as root, then run make again:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
