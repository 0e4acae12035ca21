#!/usr/bin/env bash
# same_mesh_files.sh HOST_MESH TARGET_MESH...: writes the same surfaces in
# every format with orvane-mesh built for the host and for another processor,
# whose command starts with its emulator, and requires the files to be the
# same bytes.
set -euo pipefail
host=${1:?usage: same_mesh_files.sh HOST_MESH TARGET_MESH...}
shift
[ -x "$host" ] || { echo "FAIL: no $host: build the host first (make build)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Welded and not, both polygonizers, and the ripple late in its run.
settings=(
  "--grid 24 --frame 37 --weld"
  "--field 3 --frame 500"
  "--field 2 --polygonizer tetra --grid 20 --frame 90"
)
status=0
for index in "${!settings[@]}"; do
  read -ra options <<<"${settings[$index]}"
  for format in ply obj stl; do
    name=$index.$format
    "$host" "${options[@]}" --threads 2 -o "$work/host.$name" >/dev/null
    "$@" "${options[@]}" --threads 2 -o "$work/target.$name" >/dev/null
    if cmp -s "$work/host.$name" "$work/target.$name"; then
      echo "${settings[$index]}, $format: the same $(stat -c %s "$work/host.$name") bytes"
    else
      difference=$(cmp "$work/host.$name" "$work/target.$name" 2>&1 || true)
      echo "FAIL: ${settings[$index]}, $format differs from the host's: ${difference##*differ: }"
      status=1
    fi
  done
done
exit $status
