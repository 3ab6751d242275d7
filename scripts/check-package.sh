#!/usr/bin/env bash
# Checks the Debian package that `make package` made: its fields, its desktop entry and files,
# and that the unpacked programs run from an unrelated folder with the packaged Tables.dat.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PACKAGE_BUILD:-build-package}

fail() { echo "check-package: $*" >&2; exit 1; }

# The package this build made: its name from the version the build was configured with.
config="$build/CPackConfig.cmake"
[ -f "$config" ] || fail "no packaging build in $build/ (run make package first)"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$config")
[ -n "$version" ] || fail "$config names no package version"
deb="$build/musterwright_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "$build/ lacks $(basename "$deb") (run make package first)"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "$deb is not version $version"
echo "package: $deb (version $version)"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for file in usr/bin/musterwright usr/bin/musterwright-cli usr/share/musterwright/Tables.dat \
  usr/share/musterwright/musterwright.html \
  usr/share/applications/musterwright.desktop \
  usr/share/icons/hicolor/scalable/apps/musterwright.svg \
  usr/share/man/man1/musterwright-cli.1 usr/share/man/man5/musterwright-tables.5 \
  usr/share/man/man6/musterwright.6; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/musterwright.desktop"
cmp -s data/Tables.dat "$root/usr/share/musterwright/Tables.dat" || fail "packaged Tables.dat differs"

[ "$("$root/usr/bin/musterwright-cli" --version)" = "musterwright-cli $version" ] ||
  fail "musterwright-cli --version does not report $version"
[ "$("$root/usr/bin/musterwright" --version)" = "musterwright $version" ] ||
  fail "musterwright --version does not report $version"

# From /, no Tables.dat is near: the program must find the packaged one.
listing=$(cd / && "$root/usr/bin/musterwright-cli" --seed 1)
expected=$("$build/cli/musterwright-cli" --seed 1 --tables data/Tables.dat)
[ "$listing" = "$expected" ] || fail "the unpacked musterwright-cli lists another force for seed 1"
[ "$(sed -n 5p <<<"$listing")" = " " ] || fail "unexpected listing: $listing"
echo "package ok: $(wc -l <<<"$listing") lines listed for seed 1 from /"
