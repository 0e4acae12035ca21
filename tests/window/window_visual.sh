#!/usr/bin/env bash
# The window's visual is a true-colour RGBA one, double-buffered, with a depth
# buffer: what the program asks GLUT for.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch
"$WINDOW_PROBE" visual "$WINDOW" >"$WORK/visual" || fail "cannot read the window's visual"
cat "$WORK/visual"
value() { awk -v name="$1" '$1 == name { print $2 }' "$WORK/visual"; }

# 4 is TrueColor: red, green and blue straight from the pixel.
[ "$(value class)" = 4 ] || fail "the visual is not TrueColor"
[ "$(value use_gl)" = 1 ] || fail "the visual does not support OpenGL"
[ "$(value rgba)" = 1 ] || fail "the visual is colour-indexed, not RGB"
[ "$(value double_buffer)" = 1 ] || fail "the visual is single-buffered"
check 'v1 > 0' "the visual has no depth buffer" "$(value depth_size)"
check 'v1 > 0 && v2 > 0 && v3 > 0' "the visual lacks a colour channel" \
  "$(value red_size)" "$(value green_size)" "$(value blue_size)"
echo "visual: TrueColor RGBA, double-buffered, depth buffer of $(value depth_size) bits"
