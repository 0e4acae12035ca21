# shellcheck shell=bash
# Helpers for tests of the real viewer in the fixture's Xvfb. Sourced, not run.
# Expects DISPLAY, ORVANE_BINARY and WINDOW_PROBE (the probe built with the
# tests); ORVANE_ARTIFACTS, if set, is where a failing test leaves its pictures.
#
# Every wait polls a condition against a deadline; none sleeps a fixed time.
# A frame is counted by the probe as it reaches the window, so "after three
# frames" holds however slow the machine is.

WORK=$(mktemp -d)
trap 'window_cleanup' EXIT
WAIT_SECONDS=${WAIT_SECONDS:-90}
VIEWER_PID=
WINDOW=
[ -z "${ORVANE_ARTIFACTS:-}" ] || rm -rf "$ORVANE_ARTIFACTS"

# The help text the viewer prints at start-up, byte for byte.
write_expected_help() {
  cp "$ORVANE_SOURCE_DIR/tests/support/help_text.txt" "$1"
}

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${ORVANE_ARTIFACTS:-}" ]; then
    mkdir -p "$ORVANE_ARTIFACTS"
    # All but the trace and its dump, which can be large.
    find "$WORK" -maxdepth 1 -type f ! -name '*.trace' ! -name dump \
      -exec cp {} "$ORVANE_ARTIFACTS"/ \; 2>/dev/null || true
    echo "pictures, output and reports kept in $ORVANE_ARTIFACTS" >&2
  fi
  exit 1
}

# True while the process has not ended (a child that has ended but has not
# been waited for yet counts as ended).
process_running() {
  [ -e "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

# Ends the viewer and whatever it started (apitrace runs the program as its
# child), then waits until the X server has let go of its window, so that the
# next test cannot find it.
window_cleanup() {
  if [ -n "$VIEWER_PID" ]; then
    local child
    for child in $(pgrep -P "$VIEWER_PID" 2>/dev/null); do
      kill "$child" 2>/dev/null || true
    done
    kill "$VIEWER_PID" 2>/dev/null || true
    wait "$VIEWER_PID" 2>/dev/null || true
    VIEWER_PID=
  fi
  [ -z "${READER_PID:-}" ] || wait "$READER_PID" 2>/dev/null || true
  if [ -n "$WINDOW" ]; then
    local deadline=$((SECONDS + 30))
    while xwininfo -id "$WINDOW" >/dev/null 2>&1 && [ $SECONDS -lt $deadline ]; do
      sleep 0.05
    done
  fi
  rm -rf "$WORK"
}

# window_wait_until DESCRIPTION COMMAND...: polls COMMAND until it succeeds.
window_wait_until() {
  local what=$1 deadline=$((SECONDS + WAIT_SECONDS))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "timed out after ${WAIT_SECONDS} s waiting for $what"
    sleep 0.05
  done
}

orvane_window() {
  xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1
}

no_orvane_window() {
  [ -z "$(orvane_window)" ]
}

found_window() {
  process_running "$VIEWER_PID" || fail "the viewer ended early: $(cat "$WORK/stderr")"
  WINDOW=$(orvane_window)
  [ -n "$WINDOW" ]
}

has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ]
}

give_focus() {
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  has_focus
}

# window_launch [-pipe] [COMMAND PREFIX... --] [ARGUMENTS...]: starts the
# viewer with the given arguments, standard output and error in $WORK (with
# -pipe, standard output goes through a pipe), waits for its window and gives
# it the keyboard focus, as a person clicking on it would. Sets VIEWER_PID and
# WINDOW. A command prefix (such as a tracer) runs the viewer under it.
# shellcheck disable=SC2120 # most tests start the viewer with no arguments
window_launch() {
  local pipe='' prefix=()
  if [ "${1:-}" = -pipe ]; then
    pipe=1
    shift
  fi
  if [ "${1:-}" = -under ]; then
    shift
    while [ "$1" != -- ]; do
      prefix+=("$1")
      shift
    done
    shift
  fi
  # A window left by an earlier test must not be taken for this one's.
  window_wait_until "an earlier viewer's window to go" no_orvane_window
  if [ -n "$pipe" ]; then
    mkfifo "$WORK/stdout.fifo"
    cat "$WORK/stdout.fifo" >"$WORK/stdout" &
    READER_PID=$!
    "${prefix[@]}" "$ORVANE_BINARY" "$@" >"$WORK/stdout.fifo" 2>"$WORK/stderr" &
  else
    "${prefix[@]}" "$ORVANE_BINARY" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  fi
  VIEWER_PID=$!
  window_wait_until "the viewer's window" found_window
  window_wait_until "the keyboard focus on the viewer's window" give_focus
}

# window_keys KEY...: types the keys as a person does, through the X server's
# input path (XTest) to the window that has the focus.
window_keys() {
  has_focus || fail "the viewer's window lost the keyboard focus"
  xdotool key --delay 30 "$@" || fail "xdotool could not type $*"
}

# window_frames COUNT: waits until COUNT more frames have reached the window.
window_frames() {
  "$WINDOW_PROBE" frames "$WINDOW" "$1" "$WAIT_SECONDS" ||
    fail "the viewer drew fewer than $1 frames in ${WAIT_SECONDS} s"
}

# window_shot FILE: the window's pixels (PPM) after three new frames, so the
# picture always shows a frame drawn after anything done before the call.
window_shot() {
  "$WINDOW_PROBE" shot "$WINDOW" "$1" 3 "$WAIT_SECONDS" ||
    fail "could not take a picture of the window"
}

# window_stable FILE: waits until two pictures taken three frames apart are
# identical (the scene is frozen and the last change has reached the screen)
# and leaves the picture in FILE.
window_stable() {
  local deadline=$((SECONDS + WAIT_SECONDS))
  window_shot "$WORK/stable-a.ppm"
  while :; do
    window_shot "$WORK/stable-b.ppm"
    if cmp -s "$WORK/stable-a.ppm" "$WORK/stable-b.ppm"; then
      mv "$WORK/stable-b.ppm" "$1"
      return 0
    fi
    [ $SECONDS -lt $deadline ] || fail "the picture did not come to rest within ${WAIT_SECONDS} s"
    mv "$WORK/stable-b.ppm" "$WORK/stable-a.ppm"
  done
}

# window_changed REFERENCE FILE: waits until the picture differs from
# REFERENCE and has come to rest, and leaves it in FILE.
window_changed() {
  local deadline=$((SECONDS + WAIT_SECONDS))
  while :; do
    window_stable "$2"
    cmp -s "$1" "$2" || return 0
    [ $SECONDS -lt $deadline ] || fail "the picture did not change within ${WAIT_SECONDS} s"
  done
}

# window_moving: true once two pictures taken three frames apart differ.
window_moving() {
  window_shot "$WORK/moving-a.ppm"
  window_shot "$WORK/moving-b.ppm"
  ! cmp -s "$WORK/moving-a.ppm" "$WORK/moving-b.ppm"
}

# pixel_stat FILE NAME: one figure of the probe's pixel statistics.
pixel_stat() {
  "$WINDOW_PROBE" stats "$1" | awk -v name="$2" '$1 == name { $1 = ""; sub(/^ /, ""); print }'
}

# check CONDITION MESSAGE: CONDITION is an awk expression over the numbers
# given as v1, v2, ... in the remaining arguments.
check() {
  local condition=$1 message=$2
  shift 2
  local assignments=() i=1
  for value in "$@"; do
    assignments+=(-v "v$i=$value")
    i=$((i + 1))
  done
  awk "${assignments[@]}" "BEGIN { exit !($condition) }" || fail "$message"
}

# window_close_as_wm: asks the viewer to close as a window manager does and
# waits for it to end; sets VIEWER_STATUS.
# shellcheck disable=SC2034 # VIEWER_STATUS is read by the tests
window_close_as_wm() {
  process_running "$VIEWER_PID" || fail "the viewer had ended before it was closed"
  "$WINDOW_PROBE" close "$WINDOW" || fail "could not send WM_DELETE_WINDOW"
  window_wait_until "the viewer to end after WM_DELETE_WINDOW" viewer_ended
  VIEWER_STATUS=0
  wait "$VIEWER_PID" || VIEWER_STATUS=$?
  VIEWER_PID=
  [ -z "${READER_PID:-}" ] || wait "$READER_PID" || true
  READER_PID=
}

viewer_ended() {
  ! process_running "$VIEWER_PID"
}
