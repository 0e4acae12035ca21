#!/usr/bin/env bash
# Memory safety of the real process: valgrind's memcheck watches the viewer
# draw frames while every key is typed, until it is closed as a window manager
# closes it. Any error whose stack passes through the program's own code fails
# the test; errors wholly inside the X, Mesa, GLUT and C libraries are listed
# but do not, and the known ones are suppressed (memcheck.supp says why).
set -euo pipefail
. "$ORVANE_SOURCE_DIR/tests/window/window-lib.sh"

# Under valgrind a frame takes about a second, and more on a busy machine.
WAIT_SECONDS=300
binary=$(readlink -f "$ORVANE_BINARY")
window_launch -under valgrind --tool=memcheck --xml=yes --xml-file="$WORK/memcheck.xml" \
  --log-file="$WORK/valgrind.log" --suppressions="$ORVANE_SOURCE_DIR/tests/window/memcheck.supp" \
  --num-callers=50 --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --read-inline-info=yes --keep-debuginfo=yes --
window_frames 2
# Every key of the program, each followed by frames drawn with its effect:
# grid finer and coarser, next field, wire frame, lighting, iso value up and
# down, spin and source motion off and on.
for key in plus equal minus s w l Page_Up Page_Down Home End w l s s Home End; do
  window_keys "$key"
  window_frames 1
done
window_frames 2
window_close_as_wm
[ "$VIEWER_STATUS" = 0 ] || fail "under valgrind the viewer ended with status $VIEWER_STATUS"
grep -q '</valgrindoutput>' "$WORK/memcheck.xml" || fail "valgrind's report is incomplete"

# One line per error: its kind, then the objects and functions of its stack.
awk '
  /<error>/ { in_error = 1; text = ""; ours = 0; next }
  in_error && /<kind>/ { gsub(/.*<kind>|<\/kind>.*/, ""); kind = $0 }
  in_error && /<obj>/ { gsub(/.*<obj>|<\/obj>.*/, ""); if ($0 == binary) ours = 1 }
  in_error && /<fn>/ { gsub(/.*<fn>|<\/fn>.*/, ""); text = text " < " $0 }
  /<\/error>/ { in_error = 0; print (ours ? "OURS " : "LIBRARY ") kind text }
' binary="$binary" "$WORK/memcheck.xml" >"$WORK/errors"

library=$(grep -c '^LIBRARY' "$WORK/errors" || true)
if [ "$library" -gt 0 ]; then
  echo "$library errors wholly inside libraries (not the program's):"
  grep '^LIBRARY' "$WORK/errors" | cut -c1-300
fi
if grep -q '^OURS' "$WORK/errors"; then
  grep '^OURS' "$WORK/errors" | cut -c1-600 >&2
  fail "memcheck found errors whose stack passes through the program's code"
fi
echo "memcheck: no error in the program's code over $(grep -c '^' "$WORK/errors" || true) reported"
