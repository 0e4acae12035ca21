#!/usr/bin/env bash
# Closing the window as a window manager does (a WM_DELETE_WINDOW message;
# the manager never destroys a client's window itself) ends the process with
# status 0 and nothing on standard error.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch
window_frames 3
window_close_as_wm
[ "$VIEWER_STATUS" = 0 ] || fail "the viewer ended with status $VIEWER_STATUS"
if [ -s "$WORK/stderr" ]; then
  cat "$WORK/stderr" >&2
  fail "the viewer wrote to standard error"
fi
window_gone() { ! xwininfo -id "$WINDOW" >/dev/null 2>&1; }
window_wait_until "the window to go" window_gone
echo "WM_DELETE_WINDOW: status 0, standard error empty, window gone"
