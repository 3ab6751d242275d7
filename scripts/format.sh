#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Formats every C++ source with the project's .clang-format, or with --check only checks it
# (a badly formatted file fails). The sources are the files git knows of, tracked or new; in a
# tree without git (a release tarball) every .cpp and .h outside the build folders. Finding no
# source at all is an error, not a pass.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(-i)
case "${1:-}" in
  --check) mode=(--dry-run --Werror) ;;
  "") ;;
  *) echo "format.sh: unknown option '$1'" >&2; exit 2 ;;
esac

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' sources < <(git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h')
else
  mapfile -d '' sources < <(find . \( -name '.git' -o -name 'build*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
present=()
for source in "${sources[@]}"; do
  [ -f "$source" ] && present+=("$source")
done
if [ ${#present[@]} -eq 0 ]; then
  echo "format.sh: no C++ source found in $(pwd)" >&2
  exit 1
fi
# One file a run: clang-format 14 can crash on aligned brace lists when given many files at once,
# though each of them formats on its own.
printf '%s\0' "${present[@]}" | xargs -0 -n 1 -P "$(nproc)" clang-format "${mode[@]}"
echo "format.sh: ${#present[@]} sources ${mode[0]/--dry-run/checked}"
