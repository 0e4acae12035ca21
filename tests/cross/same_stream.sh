#!/usr/bin/env bash
# same_stream.sh STEP HOST_DRIVER TARGET_DRIVER...: runs the stream driver
# (tests/web/node) built for the host and for another processor, whose
# command starts with its emulator, at the same frame step, and requires
# every file the two write to be the same bytes. glibc's sine and cosine
# agree on these processors, so the ripple and the placement by vSetTime must
# agree too, not only the streams that take neither.
set -euo pipefail
step=${1:?usage: same_stream.sh STEP HOST_DRIVER TARGET_DRIVER...}
host=${2:?usage: same_stream.sh STEP HOST_DRIVER TARGET_DRIVER...}
shift 2
[ -x "$host" ] || { echo "FAIL: no $host: build the host first (make build)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/host" "$work/target"
"$host" "$work/host" "$step" >/dev/null
"$@" "$work/target" "$step" >/dev/null
status=0
for file in "$work"/host/*.bin; do
  name=$(basename "$file")
  if cmp -s "$file" "$work/target/$name"; then
    echo "$name: the same $(($(stat -c %s "$file") / 4)) words"
  else
    difference=$(cmp "$file" "$work/target/$name" 2>&1 || true)
    echo "FAIL: $name differs from the host's: ${difference##*differ: }"
    status=1
  fi
done
exit $status
