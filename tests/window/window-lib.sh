# Helpers for tests of the real viewer in the fixture's Xvfb. Sourced, not run.
# Expects ORVANE_BINARY and DISPLAY.

WORK=$(mktemp -d)
trap 'window_cleanup' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

window_cleanup() {
  if [ -n "${VIEWER_PID:-}" ] && kill -0 "$VIEWER_PID" 2>/dev/null; then
    kill "$VIEWER_PID" 2>/dev/null || true
    wait "$VIEWER_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}

# Starts the viewer with the given arguments, its output in $WORK, and waits
# for its window; sets VIEWER_PID and WINDOW.
window_launch() {
  "$ORVANE_BINARY" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  VIEWER_PID=$!
  local deadline=$((SECONDS + 60))
  WINDOW=
  while [ -z "$WINDOW" ]; do
    kill -0 "$VIEWER_PID" 2>/dev/null || fail "viewer exited early: $(cat "$WORK/stderr")"
    [ $SECONDS -lt $deadline ] || fail "no window titled Orvane within 60 s"
    WINDOW=$(xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1 || true)
    [ -n "$WINDOW" ] || sleep 0.1
  done
}

# window_wait_until DESCRIPTION COMMAND...: polls COMMAND until it succeeds,
# with a generous deadline for a loaded machine.
window_wait_until() {
  local what=$1 deadline=$((SECONDS + ${WAIT_SECONDS:-60}))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
    sleep 0.1
  done
}

# Saves the window's pixels to the given PNG.
window_shot() {
  import -display "$DISPLAY" -window "$WINDOW" "$1" 2>/dev/null
}

window_has_non_black() {
  window_shot "$WORK/shot.png" || return 1
  local maximum
  maximum=$(convert "$WORK/shot.png" -colorspace gray -format '%[fx:maxima]' info: 2>/dev/null)
  awk -v m="$maximum" 'BEGIN { exit !(m > 0) }'
}

# Ends the viewer by killing it; tests of a clean close use WM_DELETE_WINDOW.
window_close() {
  kill "$VIEWER_PID" 2>/dev/null || true
  wait "$VIEWER_PID" 2>/dev/null || true
  VIEWER_PID=
}
