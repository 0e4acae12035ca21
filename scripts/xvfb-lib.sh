# Shell helpers for running Orvane in a private Xvfb. Sourced, not run.

# Starts Xvfb on a free display chosen by the server itself (-displayfd) and
# exports DISPLAY. The screen is large enough for the window at (600, 0).
xvfb_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -noreset: the server would otherwise reset when its last client leaves
  # and drop any connection being set up at that moment.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset +extension GLX 3>"$fifo" \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  if ! read -r -t 30 number <"$fifo"; then
    rm -f "$fifo"
    echo "xvfb: the server did not start" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# xvfb_end NAME: ends the background process whose id the variable NAME
# holds, if it holds one, waits for it and empties the variable.
xvfb_end() {
  local pid=${!1:-}
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  printf -v "$1" '%s' ''
}

xvfb_stop() {
  xvfb_end XVFB_PID
}

# Waits until a visible window with the given title exists, or the deadline
# in seconds passes; prints its id.
xvfb_wait_window() {
  local title=$1 deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "xvfb: no window titled $title within $2 s" >&2
  return 1
}
