#!/usr/bin/env bash
# help_text.sh [-pipe]: the help text reaches standard output byte for byte,
# once, while the window is open: with standard output a file, or with -pipe
# a pipe, where nothing would show until exit had the program not flushed.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

write_expected_help "$WORK/expected"

window_launch "$@"
help_complete() {
  [ "$(wc -c <"$WORK/stdout")" -ge "$(wc -c <"$WORK/expected")" ]
}
window_wait_until "the help text on standard output" help_complete
# The event loop is running: frames keep coming with the help text out.
window_frames 3
process_running "$VIEWER_PID" || fail "the viewer ended"

window_close_as_wm
if ! cmp "$WORK/expected" "$WORK/stdout"; then
  diff <(od -c "$WORK/expected") <(od -c "$WORK/stdout") | head -20 >&2
  fail "standard output is not exactly the help text"
fi
echo "help text on standard output ($([ $# -gt 0 ] && echo pipe || echo file)), byte for byte"
