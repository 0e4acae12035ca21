#!/usr/bin/env bash
# unpacked_runs.sh DIR: the binary unpacked from the package into DIR/root
# runs with the machine's own libraries, opens its window titled "Orvane",
# prints the help text and draws, with nothing on standard error.
set -euo pipefail
dir=${1:?usage: unpacked_runs.sh DIR}
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"
ORVANE_BINARY=$dir/root/usr/bin/orvane

printf '%s' "Orvane

Controls:
+/-  increase/decrease sample density
PageUp/PageDown  increase/decrease surface value
s  toggle sample function
w  toggle wireframe
l  toggle lighting / color interpolation
Home  toggle spin scene
End  toggle source point animation
" >"$WORK/expected"

window_launch
window_wait_until "a drawn frame" window_has_non_black
# The help is printed and flushed before the first frame.
diff -u "$WORK/expected" "$WORK/stdout" >&2 || fail "the help text differs"
window_close
[ ! -s "$WORK/stderr" ] || fail "standard error: $(cat "$WORK/stderr")"
echo "the packaged binary printed its help and drew in its window"
