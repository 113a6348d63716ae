#!/usr/bin/env bash
# The self-playing lessons' pointer in the real program, in a real X window (Xvfb + openbox) at
# two screen sizes: Lesson 2 and Lesson 12 are reached with Ctrl+N from the main menu, the real
# pointer is sampled where each of its glides comes to rest, and every rest must lie in the middle
# half of the target widget's width and height, with no tolerance.
#   pointer_aim_e2e.sh path/to/orbelune
set -euo pipefail
bin=$(realpath "$1")
here=$(dirname "$0")

# A glide moves the pointer at least every 200 ms; a rest lasts well over a second.
rest_ms=700

# The targets of each lesson's glides in order: name and box (left, top, width, height) [twips].
lesson2_targets=(
  "Ratio 2880 1320 1335 375" "ck(0) 120 2040 375 375"
  "Ratio 2880 1320 1335 375" "ck(1) 120 3240 375 375"
  "Ratio 2880 1320 1335 375" "ck(2) 120 4680 375 375"
)
lesson12_targets=()
for _ in 1 2 3 4 5 6 7; do
  lesson12_targets+=("vinit 7200 360 1575 285" "ck 9360 360 255 255")
done

# One walk at one screen size: main menu, Lesson 2, on to Lesson 12. Prints what it checked.
walk() {
  local size=$1 first=$2 last=$3
  app="" page="" fails=0
  fail() { echo "FAIL [$size]: $*" >&2; exit 1; }
  cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    xdisplay_stop
  }
  trap cleanup EXIT
  # shellcheck source=../../scripts/xdisplay.sh
  . "$here/../../scripts/xdisplay.sh"
  xdisplay_start "$size" "$first" "$last" || fail "no X display"
  local sw=${size%x*} sh=${size#*x}

  mapped() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
      printf '%s\t%s\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)"
    done
  }
  # Waits until the page with this title is the one mapped; a lesson's message box is answered.
  expect_page() {
    local title=$1 deadline=$((SECONDS + 30)) list
    while [ $SECONDS -lt $deadline ]; do
      kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for '$title'"
      list=$(mapped)
      if printf '%s\n' "$list" | cut -f2 | grep -qxF "Orbelune"; then
        xdotool key Return
        sleep 0.2
        continue
      fi
      page=$(printf '%s\n' "$list" | awk -F'\t' -v t="$title" '$2 == t { print $1; exit }')
      if [ -n "$page" ] && [ "$(printf '%s\n' "$list" | grep -c .)" -eq 1 ]; then return 0; fi
      sleep 0.1
    done
    fail "expected '$title' mapped, saw: $(printf '%s\n' "$list" | cut -f2 | tr '\n' '|')"
  }

  # The page's client area on the screen (below the title bar) as x, y, w and h.
  client() {
    xwininfo -id "$page" | awk '/Absolute upper-left X/ { print "x=" $4 }
      /Absolute upper-left Y/ { print "y=" $4 } /Width:/ { print "w=" $2 } /Height:/ { print "h=" $2 }'
  }

  # The page's canvas on the screen: left, top, width, height. It lies below the menu bar, where
  # the form's grey (#C0C0C0) begins.
  # On a loaded machine the window may still be taking its size: look again for a while.
  canvas() {
    local x y w h shot top="" tries
    for tries in $(seq 20); do
      eval "$(client)"
      shot=$(mktemp --suffix=.png)
      import -window root "$shot"
      top=$(convert "$shot" -crop "1x80+$((x + w - 2))+$y" txt:- 2>/dev/null |
        awk -F'[ ,:]+' 'NR > 1 && /#C0C0C0/ { print $2; exit }')
      rm -f "$shot"
      [ -n "$top" ] && break
      sleep 0.25
    done
    [ -n "$top" ] || fail "no canvas found below the menu bar"
    echo "$x $((y + top)) $w $((h - top))"
  }

  # Samples the pointer until `count` rests are seen (the parking spot aside); prints "x y" each.
  rests() {
    local count=$1 limit=$2 seen=0 px=-1 py=-1 since=0 noted=1 now X Y
    local deadline=$((SECONDS + limit))
    while [ $seen -lt "$count" ]; do
      [ $SECONDS -lt $deadline ] || fail "only $seen of $count glide ends within ${limit}s"
      kill -0 "$app" 2>/dev/null || fail "the program ended"
      if mapped | cut -f2 | grep -qxF "Orbelune"; then xdotool key Return; fi
      eval "$(xdotool getmouselocation --shell)"
      now=$(date +%s%3N)
      if [ "$X" != "$px" ] || [ "$Y" != "$py" ]; then
        px=$X py=$Y since=$now noted=0
      elif [ $noted = 0 ] && [ $((now - since)) -ge $rest_ms ]; then
        noted=1
        if [ "$X" != $((sw - 1)) ] || [ "$Y" != $((sh - 1)) ]; then
          echo "$X $Y"
          seen=$((seen + 1))
        fi
      fi
      sleep 0.04
    done
  }

  # Checks each rest against its target's widget, placed as the canvas places it: the scene of
  # dw x dh design pixels scaled uniformly to fit and centred, a widget covering the whole pixels
  # its box touches.
  check() {
    local lesson=$1 dw=$2 dh=$3 geometry=$4 points=$5
    shift 5
    local k=0 name l t bw bh px py verdict
    while read -r px py; do
      read -r name l t bw bh <<< "${@:$((k + 1)):1}"
      verdict=$(awk -v g="$geometry" -v dw="$dw" -v dh="$dh" -v l="$l" -v t="$t" -v bw="$bw" \
        -v bh="$bh" -v px="$px" -v py="$py" '
        function floor(v) { return v == int(v) || v > 0 ? int(v) : int(v) - 1 }
        function ceil(v) { return v == int(v) ? v : floor(v) + 1 }
        BEGIN {
          split(g, c, " "); s = c[3] / dw; if (c[4] / dh < s) s = c[4] / dh
          ox = (c[3] - dw * s) / 2; oy = (c[4] - dh * s) / 2
          x0 = floor(ox + l * s / 15); x1 = ceil(ox + (l + bw) * s / 15)
          y0 = floor(oy + t * s / 15); y1 = ceil(oy + (t + bh) * s / 15)
          x = px - c[1]; y = py - c[2]; w = x1 - x0; h = y1 - y0
          ok = x >= x0 + w / 4 && x <= x0 + 3 * w / 4 && y >= y0 + h / 4 && y <= y0 + 3 * h / 4
          printf "%s pointer %d,%d widget %d,%d %dx%d", ok ? "ok" : "OFF", x, y, x0, y0, w, h
        }')
      echo "[$size] $lesson glide $k onto $name: $verdict"
      case $verdict in ok*) ;; *) fails=$((fails + 1)) ;; esac
      k=$((k + 1))
    done <<< "$points"
    [ $k -eq $# ] || fail "$lesson: $k glide ends for $# targets"
  }

  "$bin" >/dev/null 2>&1 &
  app=$!
  expect_page "MAIN MENU"
  # "1. Gravity": the label's middle, at (720 + 1095/2, 1320 + 375/2) twips of a 10230 x 8460 page
  # below its menu bar.
  local x y w h cx cy
  read -r x y w h < <(canvas)
  read -r cx cy < <(awk -v X="$x" -v Y="$y" -v W="$w" -v H="$h" \
    'BEGIN { s = W / 682; if (H / 564 < s) s = H / 564
             printf "%d %d\n", X + (W - 682 * s) / 2 + 84.5 * s, Y + (H - 564 * s) / 2 + 100.5 * s }')
  xdotool mousemove "$cx" "$cy" click 1
  expect_page "Lesson 1: Law of Gravity"

  # The pointer waits in the screen's corner, so that only the lesson's glides come to rest.
  xdotool mousemove $((sw - 1)) $((sh - 1))
  xdotool key ctrl+n
  expect_page "Lesson 2: Attraction Force"
  local points geometry
  points=$(rests ${#lesson2_targets[@]} 120)
  geometry=$(canvas)
  check "Lesson 2" 783 567 "$geometry" "$points" "${lesson2_targets[@]}"

  local title
  for title in "Lesson 3: Earth's Gravitational Acceleration" "Lesson 4: How 'heavy' are earth and sun?" \
    "Lesson 5: Gravity on Earth and Moon" "Lesson 6: Gravity on Earth (Large Scale)" \
    "Lesson 7: More Explanation on Elliptical Curve" "Lesson 8: Trajectory of Object around Gravity" \
    "Lesson 9: Space Station and Space Shuttle" "Lesson 10: Satellites" "Lesson 11: Moon's Orbit"; do
    xdotool key ctrl+n
    expect_page "$title"
  done
  xdotool mousemove $((sw - 1)) $((sh - 1))
  xdotool key ctrl+n
  expect_page "Lesson 12: Hyperbolic Trajectory"
  points=$(rests ${#lesson12_targets[@]} 300)
  geometry=$(canvas)
  check "Lesson 12" 783 619 "$geometry" "$points" "${lesson12_targets[@]}"

  [ $fails -eq 0 ] || fail "$fails glide ends off the middle of their targets"
  echo "[$size] every glide end lies in the middle half of its target"
}

# Both sizes at once, each on a display of its own.
(walk 800x600 221 240) &
small=$!
(walk 1920x1080 241 260) &
large=$!
status=0
wait $small || status=1
wait $large || status=1
[ $status -eq 0 ] && echo "pointer aim passed"
exit $status
