#!/usr/bin/env bash
# icons_current.sh SOURCE_DIR: the committed icons in packaging/icons are
# byte for byte what scripts/icons cuts from the committed picture of the
# first field, so they are the viewer's own picture and come out the same
# each time they are made.
set -euo pipefail
source_dir=${1:?usage: icons_current.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$source_dir/scripts/icons" "$source_dir/docs/field1-filled-unlit.png" "$work" >/dev/null
made=$(cd "$work" && find . -name '*.png' | sort)
committed=$(cd "$source_dir/packaging/icons" && find . -name '*.png' | sort)
[ "$made" = "$committed" ] || {
  echo "FAIL: scripts/icons makes $(tr '\n' ' ' <<<"$made"), packaging/icons holds $(tr '\n' ' ' <<<"$committed")" >&2
  exit 1
}
for icon in $made; do
  cmp -s "$work/$icon" "$source_dir/packaging/icons/$icon" ||
    { echo "FAIL: packaging/icons/${icon#./} is not cut from docs/field1-filled-unlit.png; make screenshots makes both" >&2; exit 1; }
done
echo "the $(wc -l <<<"$made") icons are cut from docs/field1-filled-unlit.png"
