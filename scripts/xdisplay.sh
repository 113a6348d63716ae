# Sourced by scripts that need a real X window: a private Xvfb display with openbox running (without
# a window manager, maximise, activation and xdotool's keys do not work).
#   xdisplay_start SIZE FIRST LAST   e.g. xdisplay_start 1920x1080 141 190
# picks a free display number in FIRST..LAST, exports DISPLAY and a private XDG_RUNTIME_DIR, and
# returns once the display answers. xdisplay_stop ends both servers and removes the directory.
xdisplay_start() {
  local size=$1 n
  xdisplay_runtime=$(mktemp -d)
  chmod 700 "$xdisplay_runtime"
  export XDG_RUNTIME_DIR=$xdisplay_runtime
  # Another script may take the same free number at the same moment: its server then wins, ours
  # ends at once, and the next number is tried.
  for n in $(seq "$2" "$3"); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xdisplay_xvfb=$!
    for _ in $(seq 100); do
      kill -0 "$xdisplay_xvfb" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if kill -0 "$xdisplay_xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1; then
      openbox >/dev/null 2>&1 &
      xdisplay_wm=$!
      sleep 0.5
      return 0
    fi
    kill "$xdisplay_xvfb" 2>/dev/null || true
    xdisplay_xvfb=""
  done
  echo "no X display could be started in :$2-:$3" >&2
  return 1
}

xdisplay_stop() {
  [ -n "${xdisplay_wm:-}" ] && kill "$xdisplay_wm" 2>/dev/null || true
  [ -n "${xdisplay_xvfb:-}" ] && kill "$xdisplay_xvfb" 2>/dev/null || true
  [ -n "${xdisplay_runtime:-}" ] && rm -rf "$xdisplay_runtime"
  xdisplay_wm="" xdisplay_xvfb="" xdisplay_runtime=""
}
