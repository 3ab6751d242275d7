#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Gives every source file the licence line "SPDX-License-Identifier: MIT" near its head, as a
# comment in the file's own language, or with --check only lists the files that lack it (and
# fails when one does). Sources are the files git knows of, tracked or new, by name; data files
# (Tables.dat, test corpora and listings, pictures) have no comment syntax and are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "${1:-}" in
  --check) check=true ;;
  "") ;;
  *) echo "licence-lines.sh: unknown option '$1'" >&2; exit 2 ;;
esac

line="SPDX-License-Identifier: MIT"

# The comment that carries the line in `file`, and how many of its first lines must stay first
# (a #! line, an XML declaration, a document type, a roff preprocessor line).
comment_for() {
  case "$1" in
    *.cpp | *.h | *.h.in | *.js) echo "// $line" ;;
    *.css) echo "/* $line */" ;;
    *.ui | *.svg | *.xml | *.html) echo "<!-- $line -->" ;;
    *.[1-9]) echo ".\\\" $line" ;;
    *) echo "# $line" ;;
  esac
}
lines_kept_first() {
  local first
  first=$(head -n 1 "$1")
  case "$first" in
    '#!'* | '<?xml'* | '<!DOCTYPE'* | '<!doctype'* | "'\\\""*) echo 1 ;;
    *) echo 0 ;;
  esac
}

mapfile -d '' sources < <(git ls-files -z --cached --others --exclude-standard \
  '*.cpp' '*.h' '*.h.in' '*.sh' '*.py' '*.js' '*.css' '*.html' '*.ui' '*.svg' '*.xml' \
  '*.desktop' '*.[1-9]' 'CMakeLists.txt' '*/CMakeLists.txt' 'Makefile' '.ci/run')
[ ${#sources[@]} -gt 0 ] || { echo "licence-lines.sh: no source found" >&2; exit 1; }

lacking=()
for source in "${sources[@]}"; do
  [ -f "$source" ] || continue
  head -n 3 "$source" | grep -qF "$line" && continue
  lacking+=("$source")
  $check && continue
  keep=$(lines_kept_first "$source")
  comment=$(comment_for "$source")
  { head -n "$keep" "$source"; printf '%s\n' "$comment"; tail -n "+$((keep + 1))" "$source"; } \
    >"$source.licence" && cat "$source.licence" >"$source" && rm "$source.licence"
done

if $check; then
  if [ ${#lacking[@]} -gt 0 ]; then
    printf 'licence-lines.sh: no "%s" in the first lines of:\n' "$line" >&2
    printf '  %s\n' "${lacking[@]}" >&2
    exit 1
  fi
  echo "licence-lines.sh: ${#sources[@]} sources carry the licence line"
else
  echo "licence-lines.sh: ${#lacking[@]} of ${#sources[@]} sources given the licence line"
fi
