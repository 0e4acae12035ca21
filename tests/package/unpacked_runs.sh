#!/usr/bin/env bash
# unpacked_runs.sh DIR: the binary unpacked from the package into DIR/root
# runs with the machine's own libraries, opens its window titled "Orvane",
# prints the help text and draws, with nothing on standard error.
set -euo pipefail
dir=${1:?usage: unpacked_runs.sh DIR}
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"
ORVANE_BINARY=$dir/root/usr/bin/orvane

write_expected_help "$WORK/expected"

window_launch
window_frames 1
# The help is printed and flushed before the first frame.
diff -u "$WORK/expected" "$WORK/stdout" >&2 || fail "the help text differs"
window_close_as_wm
[ "$VIEWER_STATUS" -eq 0 ] || fail "exit status $VIEWER_STATUS"
[ ! -s "$WORK/stderr" ] || fail "standard error: $(cat "$WORK/stderr")"
echo "the packaged binary printed its help and drew in its window"
