#!/usr/bin/env bash
# window_geometry.sh [ARGUMENTS...]: started with the given command line, the
# viewer opens one window named "Orvane", 640 by 480 pixels at (600, 0), and
# draws into it. The program sets position and size after GLUT has read its
# own options, so a -geometry option changes neither.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch "$@"
# Checked once the event loop runs and has drawn, when anything GLUT defers
# to its loop has been done.
window_frames 3

name=$(xprop -id "$WINDOW" WM_NAME)
[ "$name" = 'WM_NAME(STRING) = "Orvane"' ] || fail "the window's name is: $name"

geometry=$(xwininfo -id "$WINDOW" | awk '
  /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
  /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }')
[ "$geometry" = "600 0 640 480" ] ||
  fail "with arguments '$*' the window is at x y w h = '$geometry', not '600 0 640 480'"

window_shot "$WORK/shot.ppm"
size=$(pixel_stat "$WORK/shot.ppm" size)
[ "$size" = "640 480" ] || fail "the window's picture is $size"
surface=$(pixel_stat "$WORK/shot.ppm" surface)
white=$(pixel_stat "$WORK/shot.ppm" white)
check 'v1 > 0 && v2 > 0' "nothing drawn: $surface surface and $white white pixels" "$surface" "$white"
echo "with arguments '$*': window \"Orvane\", 640x480 at (600, 0), drawing"
