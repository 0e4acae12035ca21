#!/usr/bin/env bash
# lintian.sh DIR: Debian's lintian finds no error and no warning in the
# package that pack.sh built in DIR. Its whole report, the informational
# tags too, is printed either way.
set -euo pipefail
dir=${1:?usage: lintian.sh DIR}
shopt -s nullglob
debs=("$dir"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one .deb in $dir, found ${#debs[@]}" >&2; exit 1; }

# lintian warns on standard error when run as root, as the CI is.
status=0
lintian --fail-on error,warning --display-info "${debs[0]}" 2>"$dir/lintian.err" || status=$?
grep -v 'running with root privileges is not recommended' "$dir/lintian.err" >&2 || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian exit status $status" >&2; exit 1; }
echo "lintian: no error and no warning in $(basename "${debs[0]}")"
