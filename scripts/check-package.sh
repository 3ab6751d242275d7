#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package that `make package` made: Debian's own checker (lintian), its fields,
# its desktop entry, software-centre metadata and manual pages, its files, and that the unpacked
# programs run from an unrelated folder with the packaged Tables.dat.
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

# lintian: no error and no warning. The info and pedantic tags below stay, each for its reason;
# any other fails the check.
allowed_tags=(
  # The form's hint "Select Unit Experiance" is the program's own text, spelling kept.
  spelling-error-in-binary
  # CPack strips with plain strip, which keeps the compiler's version note (.comment).
  binary-has-unneeded-section
  # musterwright.html and site/index.html are the browser page, the program itself, not
  # documentation about it.
  package-contains-documentation-outside-usr-share-doc
)
tags=$(lintian --allow-root --display-info --pedantic "$deb" 2>&1 || true)
echo "lintian:"
echo "${tags:-  (nothing)}"
unexpected=$(grep -E '^[EWIPX]:' <<<"$tags" | awk '{print $3}' | sort -u |
  grep -vxF -f <(printf '%s\n' "${allowed_tags[@]}" | grep -v '^ *#') || true)
[ -z "$unexpected" ] || fail "lintian reports: $unexpected"
! grep -qE '^[EW]:' <<<"$tags" || fail "lintian reports errors or warnings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
doc=usr/share/doc/musterwright
for file in usr/games/musterwright usr/games/musterwright-cli usr/share/musterwright/Tables.dat \
  usr/share/musterwright/Designs.csv usr/share/musterwright/Skills.csv \
  usr/share/musterwright/musterwright.html usr/share/musterwright/site/index.html \
  usr/share/musterwright/site/sw.js usr/share/musterwright/site/musterwright.wasm \
  usr/share/musterwright/site/manifest.webmanifest \
  usr/share/applications/musterwright.desktop \
  usr/share/icons/hicolor/scalable/apps/musterwright.svg \
  usr/share/metainfo/org.example.musterwright.metainfo.xml \
  usr/share/man/man1/musterwright-cli.1.gz usr/share/man/man5/musterwright-tables.5.gz \
  usr/share/man/man5/musterwright-collection.5.gz usr/share/man/man5/musterwright-designs.5.gz \
  usr/share/man/man5/musterwright-skills.5.gz \
  usr/share/man/man6/musterwright.6.gz $doc/copyright $doc/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/musterwright.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.musterwright.metainfo.xml"
for page in "$root"/usr/share/man/man*/*.gz; do
  zcat "$page" | mandoc -T lint -W warning || fail "mandoc finds faults in $(basename "$page")"
done
changelog_version=$(zcat "$root/$doc/changelog.gz" | sed -n '1s/^musterwright (\(.*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's latest entry is version '$changelog_version', the package $version"
cmp -s data/Tables.dat "$root/usr/share/musterwright/Tables.dat" || fail "packaged Tables.dat differs"
cmp -s data/Designs.csv "$root/usr/share/musterwright/Designs.csv" ||
  fail "packaged Designs.csv differs"
cmp -s data/Skills.csv "$root/usr/share/musterwright/Skills.csv" ||
  fail "packaged Skills.csv differs"

[ "$("$root/usr/games/musterwright-cli" --version)" = "musterwright-cli $version" ] ||
  fail "musterwright-cli --version does not report $version"
[ "$("$root/usr/games/musterwright" --version)" = "musterwright $version" ] ||
  fail "musterwright --version does not report $version"

# From /, no Tables.dat is near: the program must find the packaged one.
listing=$(cd / && "$root/usr/games/musterwright-cli" --seed 1)
expected=$("$build/cli/musterwright-cli" --seed 1 --tables data/Tables.dat)
[ "$listing" = "$expected" ] || fail "the unpacked musterwright-cli lists another force for seed 1"
[ "$(sed -n 5p <<<"$listing")" = " " ] || fail "unexpected listing: $listing"
echo "package ok: $(wc -l <<<"$listing") lines listed for seed 1 from /"
