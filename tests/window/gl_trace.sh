#!/usr/bin/env bash
# The real process's OpenGL calls, traced with apitrace: after the context is
# made current, the start-up sets the fixed state in the program's order
# (clear values, enables, polygon mode, light, light model, materials) and the
# first projection for 640 by 480; the first frame's GL_TRIANGLES block holds
# the corners, normals and colours that the program's own library computes for
# frame 1 (FIRST_FRAME, run against the recording stand-in), to the precision
# the trace prints.
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"
compare="$ORVANE_SOURCE_DIR/tests/window/compare-calls.awk"

window_launch -under apitrace trace --output="$WORK/orvane.trace" --
window_frames 3
window_close_as_wm
[ "$VIEWER_STATUS" = 0 ] || fail "the traced viewer ended with status $VIEWER_STATUS"
apitrace dump --color=never --call-nos=no --arg-names=yes "$WORK/orvane.trace" >"$WORK/dump" ||
  fail "apitrace could not read the trace"

# Start-up: the calls after the context is made current, up to the first
# glClear, leaving out apitrace's own notes ("// fake" calls) and GLX.
awk '/^glXMakeContextCurrent|^glXMakeCurrent/ { on = 1; next }
     on && /^glClear\(/ { exit }
     on && !/^glX/ && !/\/\/ fake$/ { print }' "$WORK/dump" >"$WORK/startup.traced"

# The first projection: aspect 640/480 rounded to float (24 significant bits),
# times H = 0.70710677 (also a float), the product exact in double.
awk 'BEGIN {
  aspect = 640 / 480; e = 0
  while (aspect >= 2) { aspect /= 2; e++ }
  aspect = int(aspect * 2 ^ 23 + 0.5) / 2 ^ 23 * 2 ^ e
  h = 11863283 / 2 ^ 24
  printf "glOrtho(left = %.17g, right = %.17g, bottom = %.17g, top = %.17g, zNear = %.17g, zFar = %.17g)\n",
    -h * aspect, h * aspect, -h, h, h * -10, h * 10
}' >"$WORK/ortho"
cat >"$WORK/startup.expected" <<EXPECTED
glClearColor(red = 0, green = 0, blue = 0, alpha = 1)
glClearDepth(depth = 1)
glEnable(cap = GL_DEPTH_TEST)
glEnable(cap = GL_LIGHTING)
glPolygonMode(face = GL_FRONT_AND_BACK, mode = GL_FILL)
glLightfv(light = GL_LIGHT0, pname = GL_AMBIENT, params = {0.5, 0.5, 0.5, 1})
glLightfv(light = GL_LIGHT0, pname = GL_DIFFUSE, params = {0.75, 0.75, 0.75, 1})
glLightfv(light = GL_LIGHT0, pname = GL_SPECULAR, params = {1, 1, 1, 1})
glLightModelf(pname = GL_LIGHT_MODEL_TWO_SIDE, param = 1)
glEnable(cap = GL_LIGHT0)
glMaterialfv(face = GL_BACK, pname = GL_AMBIENT, params = {0, 0.25, 0, 1})
glMaterialfv(face = GL_BACK, pname = GL_DIFFUSE, params = {0, 0.75, 0, 1})
glMaterialfv(face = GL_FRONT, pname = GL_AMBIENT, params = {0, 0, 0.25, 1})
glMaterialfv(face = GL_FRONT, pname = GL_DIFFUSE, params = {0.75, 0, 0.75, 1})
glMaterialfv(face = GL_FRONT, pname = GL_SPECULAR, params = {1, 1, 1, 1})
glMaterialf(face = GL_FRONT, pname = GL_SHININESS, param = 25)
glViewport(x = 0, y = 0, width = 640, height = 480)
glMatrixMode(mode = GL_PROJECTION)
glLoadIdentity()
$(cat "$WORK/ortho")
glMatrixMode(mode = GL_MODELVIEW)
EXPECTED
# GLUT reports the window's size to the reshape callback once its loop runs,
# so the projection may be set again before the first frame; nothing else.
expected_lines=$(wc -l <"$WORK/startup.expected")
head -n "$expected_lines" "$WORK/startup.traced" >"$WORK/startup.head"
awk -f "$compare" "$WORK/startup.expected" "$WORK/startup.head" ||
  fail "the start-up calls differ from the program's fixed state and first projection"
tail -n +"$((expected_lines + 1))" "$WORK/startup.traced" >"$WORK/startup.rest"
tail -n 5 "$WORK/startup.expected" >"$WORK/reshape.expected"
while [ -s "$WORK/startup.rest" ]; do
  head -n 5 "$WORK/startup.rest" >"$WORK/reshape.traced"
  awk -f "$compare" "$WORK/reshape.expected" "$WORK/reshape.traced" ||
    fail "a call other than the 640 by 480 projection comes before the first frame"
  tail -n +6 "$WORK/startup.rest" >"$WORK/startup.next"
  mv "$WORK/startup.next" "$WORK/startup.rest"
done

# The first frame's triangles.
"$FIRST_FRAME" >"$WORK/triangles.expected" || fail "the reference frame could not be computed"
awk '/^glXSwapBuffers/ { exit } /^glBegin\(mode = GL_TRIANGLES\)/ { on = 1 }
     on { print } on && /^glEnd\(/ { exit }' "$WORK/dump" \
  >"$WORK/triangles.traced"
awk -f "$compare" "$WORK/triangles.expected" "$WORK/triangles.traced" ||
  fail "the first frame's GL_TRIANGLES block differs from the program's frame 1"
echo "start-up state in order, and the first frame's $(grep -c '^glVertex3f' "$WORK/triangles.expected") corners match"
