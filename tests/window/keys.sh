#!/usr/bin/env bash
# Keys typed as a person types them reach the viewer: Home and End freeze the
# picture, "w" draws the surface as lines, "l" shows the per-vertex colours,
# each pressed again brings back the very same picture, and Home resumes the
# spin.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

figure() { pixel_stat "$1" "$2"; }

window_launch
window_wait_until "the scene to move" window_moving

window_keys Home End
window_stable "$WORK/frozen.ppm"
# Frozen means frozen: many frames later the picture is still the same.
window_frames 20
window_shot "$WORK/later.ppm"
cmp -s "$WORK/frozen.ppm" "$WORK/later.ppm" || fail "Home and End did not freeze the picture"
filled_surface=$(figure "$WORK/frozen.ppm" surface)
filled_interior=$(figure "$WORK/frozen.ppm" interior)
check 'v1 >= 2000 && v2 >= 0.8 * v1' \
  "the frozen surface is not filled: $filled_interior of $filled_surface pixels inside" \
  "$filled_surface" "$filled_interior"
check 'v1 == 0' "per-vertex colours show with lighting on" "$(figure "$WORK/frozen.ppm" unlit)"

# "w": the same scene drawn as lines, so most surface pixels lose a neighbour.
window_keys w
window_changed "$WORK/frozen.ppm" "$WORK/wire.ppm"
wire_surface=$(figure "$WORK/wire.ppm" surface)
wire_interior=$(figure "$WORK/wire.ppm" interior)
check 'v1 > 0 && v1 < 0.7 * v3 && v2 < 0.4 * v1' \
  "after w the surface is not lines: $wire_interior of $wire_surface pixels inside ($filled_surface filled)" \
  "$wire_surface" "$wire_interior" "$filled_surface"
window_keys w
window_changed "$WORK/wire.ppm" "$WORK/filled-again.ppm"
cmp -s "$WORK/frozen.ppm" "$WORK/filled-again.ppm" || fail "w twice did not bring back the filled picture"

# "l": lighting off shows the colours computed from the normals; hues that
# neither lit material can give (red above blue, yellow, cyan) appear.
window_keys l
window_changed "$WORK/frozen.ppm" "$WORK/unlit.ppm"
unlit=$(figure "$WORK/unlit.ppm" unlit)
check 'v1 >= 0.1 * v2' "after l only $unlit of $filled_surface surface pixels show per-vertex colours" \
  "$unlit" "$filled_surface"
window_keys l
window_changed "$WORK/unlit.ppm" "$WORK/lit-again.ppm"
cmp -s "$WORK/frozen.ppm" "$WORK/lit-again.ppm" || fail "l twice did not bring back the lit picture"

# Home alone: the scene turns again while the sources stay where they are.
window_keys Home
window_wait_until "the spin to resume after Home" window_moving
window_moving || fail "the picture stopped changing after Home resumed the spin"
echo "Home/End freeze, w draws lines, l shows per-vertex colours, Home resumes the spin"
