# Shell helpers for measuring the real viewer in a private Xvfb: start it with
# freeglut's frame-rate report on, type keys into its window, and wait for
# its reports. Sourced, not run; expects xvfb-lib.sh sourced first.

# Starts the viewer with GLUT_FPS set to the report interval in ms, its
# reports going to $PERF_DIR/stderr; sets VIEWER_PID and VIEWER_WINDOW and
# gives the window the keyboard focus.
perf_launch() {
  local binary=$1 interval=$2
  GLUT_FPS=$interval "$binary" >"$PERF_DIR/stdout" 2>"$PERF_DIR/stderr" &
  VIEWER_PID=$!
  VIEWER_WINDOW=$(xvfb_wait_window Orvane 60) || perf_fail "the viewer's window did not appear"
  xdotool windowfocus --sync "$VIEWER_WINDOW"
}

perf_stop() {
  xvfb_end VIEWER_PID
}

perf_fail() {
  echo "$(basename "$0"): $*" >&2
  [ -s "$PERF_DIR/stderr" ] && tail -n 5 "$PERF_DIR/stderr" >&2
  exit 1
}

# The number of frame-rate reports the viewer has printed so far.
perf_reports() {
  grep -c '^freeglut: .* frames in .* seconds' "$PERF_DIR/stderr" || true
}

# perf_wait_reports N: waits until the viewer has printed N reports in all,
# with a deadline generous enough for a large grid on a loaded machine.
perf_wait_reports() {
  local want=$1 deadline=$((SECONDS + ${PERF_DEADLINE:-300}))
  while [ "$(perf_reports)" -lt "$want" ]; do
    kill -0 "$VIEWER_PID" 2>/dev/null || perf_fail "the viewer ended"
    [ $SECONDS -lt "$deadline" ] || perf_fail "no frame-rate report $want within the deadline"
    sleep 0.1
  done
}

# perf_type KEY COUNT: types the character KEY COUNT times into the focused
# window, as a person would on the keyboard.
perf_type() {
  local key=$1 count=$2 text=
  for ((i = 0; i < count; i++)); do
    text+=$key
  done
  xdotool type --delay 5 -- "$text"
}

# perf_settle: returns once every report counted from now on covers only
# frames drawn after the keys typed so far. The report in progress may
# straddle them, so it is waited out and skipped.
perf_settle() {
  PERF_FIRST=$(($(perf_reports) + 2))
  perf_wait_reports "$((PERF_FIRST - 1))"
}

# perf_window N: the N reports from the first counted on.
perf_window() {
  grep '^freeglut: .* frames in .* seconds' "$PERF_DIR/stderr" |
    sed -n "${PERF_FIRST},$((PERF_FIRST + $1 - 1))p"
}

# perf_fps N: waits for N more reports and prints their frames per second
# (all their frames over all their seconds), their lowest and their highest.
perf_fps() {
  local count=$1
  perf_wait_reports "$((PERF_FIRST + count - 1))"
  perf_window "$count" |
    awk '{ frames += $2; seconds += $5; fps = $2 / $5
           if (NR == 1 || fps < low) low = fps
           if (NR == 1 || fps > high) high = fps }
         END { printf "%.0f %.0f %.0f\n", frames / seconds, low, high }'
}

# perf_frames N: the frames drawn in the N reports perf_fps N read.
perf_frames() {
  perf_window "$1" | awk '{ frames += $2 } END { print frames }'
}

# The machine the figures come from.
perf_machine() {
  echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')"
  echo "renderer: $(glxinfo -B 2>/dev/null | sed -n 's/^OpenGL renderer string: //p')," \
    "$(glxinfo -B 2>/dev/null | sed -n 's/^OpenGL version string: //p')"
  echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
}
