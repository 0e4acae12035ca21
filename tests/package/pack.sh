#!/usr/bin/env bash
# pack.sh CPACK CONFIG DIR: builds the Debian package from the build tree into
# DIR (leaving the build tree's own packages alone) and unpacks it into
# DIR/root, its control files into DIR/control.
set -euo pipefail
cpack=${1:?usage: pack.sh CPACK CONFIG DIR}
config=${2:?usage: pack.sh CPACK CONFIG DIR}
dir=${3:?usage: pack.sh CPACK CONFIG DIR}

rm -rf "$dir"
mkdir -p "$dir"
"$cpack" --config "$config" -G DEB -B "$dir" >"$dir/cpack.log" 2>&1 || {
  cat "$dir/cpack.log" >&2
  echo "FAIL: cpack did not build the package" >&2
  exit 1
}
if grep -i 'warning' "$dir/cpack.log" >&2; then
  echo "FAIL: cpack warned while building the package" >&2
  exit 1
fi
shopt -s nullglob
debs=("$dir"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one .deb in $dir, found ${#debs[@]}" >&2; exit 1; }
dpkg-deb -x "${debs[0]}" "$dir/root"
dpkg-deb -e "${debs[0]}" "$dir/control"
echo "packed and unpacked $(basename "${debs[0]}")"
