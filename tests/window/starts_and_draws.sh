#!/usr/bin/env bash
# The real binary starts, opens its 640 by 480 window titled "Orvane" at
# (600, 0), and draws something other than black.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch
geometry=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
  /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
[ "$geometry" = "600 0 640 480" ] || fail "window geometry is '$geometry'"

# Frames keep coming, so wait until one with a lit surface has been shown.
window_wait_until "non-black pixels" window_has_non_black
window_close
echo "window starts at 600,0 with 640x480 and draws"
