#!/usr/bin/env bash
# A resized window still shows the cube undistorted. The projection gives the
# shorter side of the window 2H view units (H = 0.70710677), so one view unit
# is min(width, height) / 2H pixels across and down alike, and the cube stays
# centred. With the scene frozen the cube's extent in view units is fixed, and
# the bounding box of the white wire frame shows it in pixels in every window.
# The box is cut off at the window's edge only across the shorter side (the
# cube spans up to the square root of 3 units there, against 2H, the square
# root of 2); the longer side of these windows spans at least 2H x 4/3, more
# than the whole cube, so each axis is measured whole in some window. The cube
# turns by the yaw about the line of sight and then by the pitch about the
# horizontal axis, which leaves widths across alone: it is
# |cos yaw| + |sin yaw| units across (1 to the square root of 2) and 1 to the
# square root of 3 units down.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch
window_keys Home End
window_stable "$WORK/640x480.ppm"

# window_box W H: sets the window's size, waits for the frozen picture at that
# size and appends "W H LEFT TOP RIGHT BOTTOM" of the white pixels to $WORK/boxes.
window_box() {
  local width=$1 height=$2 shot="$WORK/$1x$2.ppm" deadline=$((SECONDS + WAIT_SECONDS))
  if [ "$width $height" != "640 480" ]; then
    xdotool windowsize "$WINDOW" "$width" "$height" || fail "cannot resize the window"
  fi
  while :; do
    window_stable "$shot"
    [ "$(pixel_stat "$shot" size)" != "$width $height" ] || break
    [ $SECONDS -lt $deadline ] || fail "the window did not take the size ${width}x$height"
  done
  echo "$width $height $(pixel_stat "$shot" white_box)" >>"$WORK/boxes"
}

window_box 640 480
window_box 400 700
window_box 680 400
cat "$WORK/boxes"

awk '
  function abs(x) { return x < 0 ? -x : x }
  function problem(text) { print "FAIL: " text > "/dev/stderr"; bad = 1 }
  BEGIN { two_h = 2 * 0.70710677; slack = 2 }
  $3 == "none" { problem("no white pixels in the " $1 "x" $2 " window"); next }
  {
    w = $1; h = $2; left = $3; top = $4; right = $5; bottom = $6
    scale = (w < h ? w : h) / two_h
    n++; size[n] = w "x" h; sc[n] = scale; width[n] = w; height[n] = h
    if (abs((left + right) / 2 - (w - 1) / 2) > 1.5 || abs((top + bottom) / 2 - (h - 1) / 2) > 1.5)
      problem("the cube is not centred in the " w "x" h " window: box " left "," top " to " right "," bottom)
    cut_x[n] = left == 0 || right == w - 1; cut_y[n] = top == 0 || bottom == h - 1
    ux[n] = (right - left + 1) / scale; uy[n] = (bottom - top + 1) / scale
  }
  END {
    # Extent in view units across (x) and down (y): alike in every window
    # where it is whole, and where it is cut, too large for that window.
    for (axis = 1; axis <= 2; axis++) {
      whole = 0
      for (i = 1; i <= n; i++) {
        cut = axis == 1 ? cut_x[i] : cut_y[i]
        if (cut) continue
        u = axis == 1 ? ux[i] : uy[i]
        if (u < 1 - slack / sc[i] || u > (axis == 1 ? sqrt(2) : sqrt(3)) + slack / sc[i])
          problem(size[i] ": extent " u " view units " (axis == 1 ? "across" : "down") \
                  " is no extent of the turned unit cube")
        if (!whole) { whole = i; continue }
        v = axis == 1 ? ux[whole] : uy[whole]
        if (abs(u - v) > slack / sc[i] + slack / sc[whole])
          problem("the cube is " v " view units " (axis == 1 ? "wide" : "high") " in " size[whole] \
                  " but " u " in " size[i])
      }
      if (!whole) { problem("the cube is cut off " (axis == 1 ? "across" : "down") " in every window"); continue }
      for (i = 1; i <= n; i++) {
        cut = axis == 1 ? cut_x[i] : cut_y[i]
        span = axis == 1 ? width[i] : height[i]
        u = axis == 1 ? ux[whole] : uy[whole]
        if (cut && u * sc[i] < span - slack)
          problem(size[i] ": the cube is cut off at the edge but should fit (" u * sc[i] " pixels)")
      }
      printf "%s extent %.4f view units\n", axis == 1 ? "across" : "down", axis == 1 ? ux[whole] : uy[whole]
    }
    exit bad
  }' "$WORK/boxes" || fail "the cube is distorted or misplaced in a resized window"
echo "the cube keeps its shape and scale in 640x480, 400x700 and 680x400 windows"
