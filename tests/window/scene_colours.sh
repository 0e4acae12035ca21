#!/usr/bin/env bash
# With the scene frozen (Home and End), the picture has a black background,
# the white wire cube, and a lit surface in the two materials only: magenta
# on the side facing lower field values, green on the sources' side. The
# green side shows where a blob is cut open by the cube's walls, which the
# swinging sources bring about at some times and not at others, so the scene
# is frozen, checked and set going again until both materials have been seen.
# The search is bounded by frozen states, not seconds: each state moves the
# field on by at least 16 frames, 0.4 of the 2 pi of one swing of the sources,
# so 100 states take them through six swings however slowly a loaded
# machine draws them, and every wait on the way has its own deadline.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

window_launch
seen_front=0
seen_back=0
states=0
while [ "$seen_front" = 0 ] || [ "$seen_back" = 0 ]; do
  [ $states -lt 100 ] ||
    fail "in $states frozen states: magenta seen: $seen_front, green seen: $seen_back"
  window_keys Home End
  window_stable "$WORK/frozen.ppm"
  states=$((states + 1))
  "$WINDOW_PROBE" stats "$WORK/frozen.ppm" >"$WORK/stats"
  value() { awk -v name="$1" '$1 == name { print $2 }' "$WORK/stats"; }

  # The corners lie farther from the centre than any corner of the cube.
  [ "$(value corners_black)" = 4 ] || fail "the window's corners are not black"
  check 'v1 > 0.5 * 640 * 480' "the background is not black: $(value black) black pixels" \
    "$(value black)"
  # The wire frame's outline is at least one unit (339 pixels) across every
  # way; at its sparest, two edges run the window's full height (960
  # pixels), the others cut off by its top and bottom. A highlight is a spot.
  read -r left top right bottom < <(awk '$1 == "white_box" { print $2, $3, $4, $5 }' "$WORK/stats")
  check 'v1 >= 640 && v3 - v2 >= 320 && v5 - v4 >= 320' \
    "no white wire frame: $(value white) pixels within $left $top $right $bottom" \
    "$(value white)" "$left" "$right" "$top" "$bottom"
  # Lit, nothing but the two materials: no colour of the per-vertex kind.
  check 'v1 == 0' "lit surface shows per-vertex colours: $(value unlit) pixels" "$(value unlit)"
  check 'v1 <= 0.02 * v2' "$(value other) surface pixels of neither material" \
    "$(value other)" "$(value surface)"
  if awk -v n="$(value front)" 'BEGIN { exit !(n >= 500) }'; then seen_front=1; fi
  if awk -v n="$(value back)" 'BEGIN { exit !(n >= 200) }'; then seen_back=1; fi
  cp "$WORK/frozen.ppm" "$WORK/state-$states.ppm"
  echo "state $states: magenta $(value front), green $(value back), white $(value white)," \
    "neither $(value other) of $(value surface) surface pixels"

  # Set it going again and let it move on before the next look.
  window_keys Home End
  window_wait_until "the scene to move again" window_moving
  window_frames 10
done
echo "black background, white wire cube, magenta and green surface over $states frozen states"
