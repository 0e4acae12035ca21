#!/usr/bin/env bash
# fidelity.sh PAGE: the same frame, settings and window size drawn by the
# desktop viewer (Mesa in the fixture's Xvfb) and by the page (headless
# Chromium) agree in at least 99% of pixels within 8/255 per channel, filled
# and wire frame, lit and unlit.
#
# The same frame: the desktop viewer is frozen with Home and End as a person
# would, and the frames at which its spin and its source motion stopped (the
# keys arrive some frames apart) are read by the debugger, which only reads:
# from the spin angle (4 degrees a frame, exact in float) and from the frame
# clock (the float sum of so many steps). The page's spin and motion are then
# stopped at exactly those frames from inside the page (its frame counter and
# its own buttons), so both draw the same angles and the same frame clock.
set -euo pipefail
page=${1:?usage: fidelity.sh PAGE}
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"
browser_dir="$ORVANE_SOURCE_DIR/tests/web/browser"
threshold=99

# statics NAME...: the float values of the display callback's statics.
statics() {
  local commands=() name
  for name in "$@"; do
    commands+=(-ex "printf \"%.9g\\n\", *(float*)&'vDrawScene()::$name'")
  done
  gdb -q -batch -nx -p "$VIEWER_PID" "${commands[@]}" 2>/dev/null | grep -E '^-?[0-9.e+-]+$'
}

window_launch
# Far enough on that the page, which starts afresh, has not passed the frame
# by the time it is told to stop there.
window_frames 300
window_keys Home End
window_stable "$WORK/desktop-filled-lit.ppm"
read -r pitch yaw clock < <(statics fPitch fYaw fTime | paste -sd' ')
spin_frame=$(awk -v p="$pitch" 'BEGIN { printf "%d", p / 4 }')
check 'v1 == 4 * v3 && v2 == 2.5 * v3 && v3 > 0' \
  "the viewer's angles ($pitch, $yaw) are not those of one frame count" "$pitch" "$yaw" "$spin_frame"
# The frame count whose clock, summed in float as the viewer sums it, is the
# viewer's.
motion_frame=$(node -e '
  const clock = Math.fround(Number(process.argv[1]));
  let sum = 0;
  for (let frame = 1; frame <= 1e7; frame++) {
    sum = Math.fround(sum + 0.025);
    if (sum === clock) { console.log(frame); process.exit(0); }
  }
  process.exit(1);' "$clock") || fail "the frame clock $clock is no sum of whole steps"
echo "desktop viewer: spin stopped at frame $spin_frame (pitch $pitch, yaw $yaw)," \
  "motion at frame $motion_frame (clock $clock)"

previous="$WORK/desktop-filled-lit.ppm"
for step in w:wire-lit l:wire-unlit w:filled-unlit; do
  window_keys "${step%%:*}"
  window_changed "$previous" "$WORK/desktop-${step#*:}.ppm"
  previous="$WORK/desktop-${step#*:}.ppm"
done

node "$browser_dir/fidelity_page.js" "$page" "$spin_frame" "$motion_frame" "$WORK" ||
  fail "the page's pictures"
worst=100
for look in filled-lit wire-lit wire-unlit filled-unlit; do
  convert "$WORK/page-$look.png" -depth 8 "$WORK/page-$look.ppm"
  read -r share drawn < <(node "$browser_dir/compare_pictures.js" \
    "$WORK/desktop-$look.ppm" "$WORK/page-$look.ppm" 8)
  echo "$look: $share% of pixels within 8/255 ($drawn% of the pixels drawn in either)"
  worst=$(awk -v a="$worst" -v b="$share" 'BEGIN { print (b < a) ? b : a }')
  check "v1 >= $threshold" "$look: only $share% of pixels agree" "$share"
done
echo "page and desktop viewer agree, at worst in $worst% of pixels within 8/255"
# To look at them: FIDELITY_PICTURES=DIR keeps both sides' pictures there.
if [ -n "${FIDELITY_PICTURES:-}" ]; then
  mkdir -p "$FIDELITY_PICTURES"
  cp "$WORK"/desktop-*.ppm "$WORK"/page-*.png "$FIDELITY_PICTURES"/
fi
