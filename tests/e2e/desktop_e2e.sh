#!/usr/bin/env bash
# The real program in a real X window (Xvfb + openbox), driven as a user would with xdotool:
# the main menu by mouse and keyboard, both courses walked with Ctrl+N and back with Ctrl+M,
# Replay, typing and the pointer in Lesson 8, Lesson 9 paused mid-orbit and full screen, About,
# the Lessons menu, and Exit. Checks every window title on the way, that exactly one page window
# is mapped at a time (also while a page draws as it opens) and that every page, however it was
# reached, is maximised (or full screen) as the window manager sees it, and saves a screenshot
# of each page (ORBELUNE_E2E_SHOTS, default ./e2e-shots) for looking at.
#   desktop_e2e.sh path/to/orbelune [path/to/orbelune-script]
set -euo pipefail
bin=$(realpath "$1")
script=$(realpath "${2:-$(dirname "$bin")/orbelune-script}")
shots=${ORBELUNE_E2E_SHOTS:-$PWD/e2e-shots}
mkdir -p "$shots"

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
log=$work/frames.log  # the program's own log: its handler runs and the user's edits, timed

app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  xdisplay_stop
  rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=../../scripts/xdisplay.sh
. "$(dirname "$0")/../../scripts/xdisplay.sh"
screen_w=1280 screen_h=1024
xdisplay_start "${screen_w}x${screen_h}" 91 140 || fail "no X display"

# The program's mapped windows, one "id<TAB>title" per line.
mapped() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    printf '%s\t%s\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)"
  done
}

page_state=MAXIMIZED  # or FULLSCREEN while Full Screen is on

# Waits up to 5 s until the window manager has the page window $page maximised (both ways) and
# filling the work area with its frame, or full screen and filling the screen.
expect_filled() {
  local deadline=$((SECONDS + 5)) state l r t b x y w h ax ay aw ah
  while :; do
    state=$(xprop -id "$page" _NET_WM_STATE 2>/dev/null || true)
    read -r l r t b < <(xprop -id "$page" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //; s/,//gp')
    read -r ax ay aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    eval "$(xwininfo -id "$page" 2>/dev/null | awk '/Absolute upper-left X/ { print "x=" $NF }
      /Absolute upper-left Y/ { print "y=" $NF } /Width:/ { print "w=" $NF } /Height:/ { print "h=" $NF }')"
    l=${l:-0} r=${r:-0} t=${t:-0} b=${b:-0}
    if [ "$page_state" = FULLSCREEN ]; then
      ax=0 ay=0 aw=$screen_w ah=$screen_h
      case $state in *_NET_WM_STATE_FULLSCREEN*) ok=1 ;; *) ok=0 ;; esac
    else
      case $state in *_NET_WM_STATE_MAXIMIZED_VERT*_NET_WM_STATE_MAXIMIZED_HORZ* | \
        *_NET_WM_STATE_MAXIMIZED_HORZ*_NET_WM_STATE_MAXIMIZED_VERT*) ok=1 ;; *) ok=0 ;; esac
    fi
    [ "$ok" = 1 ] && [ $((x - l)) = "$ax" ] && [ $((y - t)) = "$ay" ] &&
      [ $((w + l + r)) = "$aw" ] && [ $((h + t + b)) = "$ah" ] && return 0
    [ $SECONDS -lt $deadline ] ||
      fail "'$(xdotool getwindowname "$page")' is not ${page_state,,}: ${state#*= }, ${w}x${h}+${x}+${y} in frame $l,$r,$t,$b, area ${aw}x${ah}+${ax}+${ay}"
    sleep 0.1
  done
}

# The titles of the program's mapped page windows (not About, not a message box), one a line.
mapped_pages() {
  mapped | cut -f2 | grep -vxF -e "About this program" -e "Orbelune" | grep -v '^$' || true
}

# For S seconds after a command that opens the page titled so: never two pages mapped at once,
# while the page being left goes and the new one draws as it opens.
one_page_while_opening() {
  local title=$1 until=$((SECONDS + $2)) pages
  while [ $SECONDS -lt "$until" ]; do
    pages=$(mapped_pages)
    [ "$(printf '%s' "$pages" | grep -c .)" -le 1 ] ||
      fail "two pages mapped on the way to '$title': $(printf '%s\n' "$pages" | tr '\n' '|')"
    sleep 0.05
  done
}

# Waits until the page window with this exact title is mapped, and no other page is, and that
# it fills the screen as a page does. A message box of a lesson ("Orbelune") is answered with
# Return on the way, as a student would.
expect_page() {
  local title=$1 deadline=$((SECONDS + 20)) list pages
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for '$title'"
    list=$(mapped)
    if printf '%s\n' "$list" | cut -f2 | grep -qxF "Orbelune"; then
      xdotool key Return
      sleep 0.2
      continue
    fi
    pages=$(printf '%s\n' "$list" | cut -f2 | grep -vxF "About this program" | grep -v '^$' || true)
    if [ "$pages" = "$title" ]; then
      shown=$EPOCHREALTIME
      page=$(printf '%s\n' "$list" | awk -F'\t' -v t="$title" '$2 == t { print $1; exit }')
      expect_filled
      return 0
    fi
    sleep 0.1
  done
  fail "expected only '$title' mapped, saw: $(printf '%s\n' "$list" | cut -f2 | tr '\n' '|')"
}

shot=0
screenshot() {
  shot=$((shot + 1))
  sleep 0.6  # let the page's first frames show
  import -window root "$(printf '%s/%02d-%s.png' "$shots" "$shot" "$1")"
}

# Clicks the point of the scene at design pixel (x, y) of a page window whose scene is
# w x h design pixels: the canvas is scaled uniformly to fit the window and centred.
click_scene() {
  local x=$1 y=$2 w=$3 h=$4
  eval "$(xdotool getwindowgeometry --shell "$page")"
  read -r px py < <(awk -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" -v x="$x" -v y="$y" -v w="$w" -v h="$h" \
    'BEGIN { s = W / w; if (H / h < s) s = H / h; printf "%d %d\n", X + (W - w * s) / 2 + x * s, Y + (H - h * s) / 2 + y * s }')
  xdotool mousemove "$px" "$py" click 1
}

# Waits up to 2 s for the pointer to lie over the box (x, y, bw, bh) in design pixels of the
# page, mapped as click_scene maps; vertically within the menu bar's height of it.
expect_pointer_over() {
  local x=$1 y=$2 bw=$3 bh=$4 w=$5 h=$6 what=$7 deadline=$((SECONDS + 2)) X Y
  eval "$(xdotool getwindowgeometry --shell "$page")"
  read -r x0 y0 x1 y1 < <(awk -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" -v x="$x" -v y="$y" -v bw="$bw" -v bh="$bh" -v w="$w" -v h="$h" \
    'BEGIN { s = W / w; if (H / h < s) s = H / h; ox = X + (W - w * s) / 2; oy = Y + (H - h * s) / 2
             printf "%d %d %d %d\n", ox + x * s, oy + y * s - 30, ox + (x + bw) * s, oy + (y + bh) * s + 30 }')
  while :; do
    eval "$(xdotool getmouselocation --shell)"
    [ "$X" -ge "$x0" ] && [ "$X" -le "$x1" ] && [ "$Y" -ge "$y0" ] && [ "$Y" -le "$y1" ] && return 0
    [ $SECONDS -lt $deadline ] || fail "the pointer is at $X,$Y, not over $what ($x0..$x1, $y0..$y1)"
    sleep 0.1
  done
}

# Sleeps until S seconds after the page last waited for was found mapped.
at_second() {
  local left
  left=$(awk -v t0="$shown" -v s="$1" -v now="$EPOCHREALTIME" 'BEGIN { d = t0 + s - now; print (d > 0 ? d : 0) }')
  sleep "$left"
}

# Lesson 8 (783 x 619 design pixels): its script puts the keyboard focus on the check box at
# second 4, then glides the pointer towards it with a tick every 0.1 s until second 6.1.
# What a user types into the speed box (328, 24, 105, 19) meanwhile stays in the box.
lesson8_typing() {
  at_second 4.4
  click_scene 380 33 783 619
  xdotool key --delay 100 End BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 150 3000
  sleep 0.2
  local typed
  typed=$(awk '$1 == "type" && $3 == "Lesson8" && $4 == "vinit" { $1 = $2 = $3 = $4 = ""; t = $0 } END { print t }' "$log" | tr -d ' ')
  [ "$typed" = 3000 ] || fail "the speed box got '$typed' of the keys typed into it, not 3000"
}

# Once the user has moved the mouse, the glide (until second 6.1) leaves the real pointer where
# the user put it and draws its own; Replay gives it the real one again.
lesson8_pointer() {
  xdotool mousemove 100 700
  at_second 6.6
  eval "$(xdotool getmouselocation --shell)"
  [ "$X,$Y" = "100,700" ] || fail "the demonstration pulled the user's pointer to $X,$Y"
  xdotool key ctrl+r
  expect_page "Lesson 8: Trajectory of Object around Gravity"
  expect_pointer_over 328 24 105 19 783 619 "the speed box after Replay"
}

# Lesson 9's orbit runs from second 6 to 14.3 of the page: paused in the middle it stands still
# (two screenshots two seconds apart are the same), resumed it moves on. Full screen comes and
# goes with F11 and Escape, the title staying the lesson's.
lesson9_pause() {
  local a=$work/paused-a.png b=$work/paused-b.png c=$work/resumed.png differ
  at_second 8
  xdotool key ctrl+space
  sleep 0.3
  import -window root "$a"
  sleep 2
  import -window root "$b"
  differ=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
  [ "$differ" = 0 ] || fail "paused, the screen changed in $differ pixels within two seconds"
  cp "$a" "$shots/Lesson9-paused.png"
  xdotool key Pause
  sleep 0.5
  import -window root "$c"
  differ=$(compare -metric AE "$b" "$c" null: 2>&1 || true)
  [ "$differ" != 0 ] || fail "resumed, the orbit did not move on"
  local title=$1
  xdotool key F11
  sleep 0.8
  page_state=FULLSCREEN
  expect_page "$title"
  eval "$(xdotool getwindowgeometry --shell "$page")"
  [ "$WIDTH" = "$screen_w" ] && [ "$HEIGHT" = "$screen_h" ] || fail "F11 did not fill the screen (${WIDTH}x${HEIGHT})"
  screenshot Lesson9-fullscreen
  # The pages opened meanwhile are full screen too, also one shown before.
  xdotool key ctrl+p
  expect_page "Lesson 8: Trajectory of Object around Gravity"
  xdotool key ctrl+n
  expect_page "$title"
  xdotool key Escape
  sleep 0.8
  page_state=MAXIMIZED
  expect_page "$title"
  eval "$(xdotool getwindowgeometry --shell "$page")"
  [ "$HEIGHT" -lt "$screen_h" ] || fail "Escape did not leave full screen (${WIDTH}x${HEIGHT})"
}

# Design pixels (w x h) of the scene in screenshot $1 of the maximised page window $page, above
# its foot where the timeline bar lies, scaled back to design size and softened, so that the
# scaling's own small differences weigh little: written to $2. The canvas begins at the first
# row of the page's grey below the title and menu bars and ends at the screen's foot.
scene_of_screenshot() {
  local top w=$3 h=$4
  eval "$(xdotool getwindowgeometry --shell "$page")"
  top=$(convert "$1" -crop "1x200+$((X + 5))+0" +repage txt:- | sed -n 's/^0,\([0-9]*\):.*#C0C0C0.*/\1/p' | head -1)
  read -r sw sh ox oy < <(awk -v W="$WIDTH" -v H="$((screen_h - top))" -v w="$w" -v h="$h" \
    'BEGIN { s = W / w; if (H / h < s) s = H / h; printf "%d %d %d %d\n", w * s, h * s, (W - w * s) / 2, (H - h * s) / 2 }')
  convert "$1" -crop "${sw}x${sh}+$((X + ox))+$((top + oy))" +repage -resize "${w}x${h}!" \
    -crop "${w}x$((h - 40))+0+0" +repage -blur 0x2 "$2"
}
# How far apart two pictures are: the normalised root mean square of their differences.
rmse() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true; }

# Lesson 8's timeline, paused: six times Next Stage lands on "Let's extend the disconnected
# curves" (54.2 s into the page), Back 10 s on 44.2 s, Forward 10 s on 54.2 s again. Each
# screen shows the driver's picture of the same moment, closer than the other moment's, and
# coming back shows exactly what was there.
lesson8_seek() {
  local a=$work/seek-a.png b=$work/seek-b.png c=$work/seek-c.png ta tb n
  ta=$("$script" Lesson8 --until 0 | python3 -c 'import json, sys
print(next(s["t"] for s in json.load(sys.stdin)["timeline"]["stages"] if s["name"].startswith("Let")))')
  tb=$(python3 -c "print($ta - 10000)")
  for n in a b; do
    local t=$ta
    [ $n = b ] && t=$tb
    "$script" Lesson8 --paced --until "$t" --png "$work/driver-$n.png" >/dev/null
    convert "$work/driver-$n.png" -gravity south -crop 783x619+0+0 +repage -gravity northwest \
      -crop 783x579+0+0 +repage -blur 0x2 "$work/driver-$n-scene.png"
  done
  xdotool key ctrl+space
  for n in 1 2 3 4 5 6; do
    xdotool key ctrl+shift+Right
    sleep 0.4
  done
  sleep 0.6
  import -window root "$a"
  cp "$a" "$shots/Lesson8-timeline.png"
  xdotool key ctrl+Left
  sleep 1
  import -window root "$b"
  xdotool key ctrl+Right
  sleep 1
  import -window root "$c"
  local differ
  differ=$(compare -metric AE "$a" "$c" null: 2>&1 || true)
  [ "$differ" = 0 ] || fail "Back 10 s and Forward 10 s did not come back to the same screen ($differ pixels differ)"
  scene_of_screenshot "$a" "$work/seek-a-scene.png" 783 619
  scene_of_screenshot "$b" "$work/seek-b-scene.png" 783 619
  local aa ab ba bb
  aa=$(rmse "$work/seek-a-scene.png" "$work/driver-a-scene.png")
  ab=$(rmse "$work/seek-a-scene.png" "$work/driver-b-scene.png")
  ba=$(rmse "$work/seek-b-scene.png" "$work/driver-a-scene.png")
  bb=$(rmse "$work/seek-b-scene.png" "$work/driver-b-scene.png")
  echo "timeline: screen at ${ta} ms vs the driver's: $aa (other moment $ab); at ${tb} ms: $bb (other $ba)"
  awk -v aa="$aa" -v ab="$ab" -v ba="$ba" -v bb="$bb" -v lim=0.01 \
    'BEGIN { exit !(aa < lim && bb < lim && aa < ab && bb < ba) }' ||
    fail "the sought screens do not show the driver's pictures of their moments"
  xdotool key ctrl+space
}

# Replay, pressed ten times, leaves the page window exactly where and as large as it was.
replay_keeps_geometry() {
  local before after n
  before=$(xdotool getwindowgeometry "$page")
  for n in $(seq 10); do
    xdotool key ctrl+r
    sleep 0.3
    expect_page "$1"
    after=$(xdotool getwindowgeometry "$page")
    [ "$after" = "$before" ] || fail "Replay $n on '$1' changed the window: $(echo $before) -> $(echo $after)"
  done
}

ORBELUNE_FRAME_LOG=$log "$bin" >/dev/null 2>&1 &
app=$!

expect_page "MAIN MENU"
screenshot menu
eval "$(xdotool getwindowgeometry --shell "$page")"
[ "$WIDTH" -ge 1000 ] || fail "the main menu is not maximised (${WIDTH}x${HEIGHT})"

# "1. Gravity": the label's middle, at (720 + 1095/2, 1320 + 375/2) twips of a 10230 x 8460 page.
click_scene 84.5 100.5 682 564
titles=(
  "Lesson 1: Law of Gravity"
  "Lesson 2: Attraction Force"
  "Lesson 3: Earth's Gravitational Acceleration"
  "Lesson 4: How 'heavy' are earth and sun?"
  "Lesson 5: Gravity on Earth and Moon"
  "Lesson 6: Gravity on Earth (Large Scale)"
  "Lesson 7: More Explanation on Elliptical Curve"
  "Lesson 8: Trajectory of Object around Gravity"
  "Lesson 9: Space Station and Space Shuttle"
  "Lesson 10: Satellites"
  "Lesson 11: Moon's Orbit"
  "Lesson 12: Hyperbolic Trajectory"
)
for i in "${!titles[@]}"; do
  expect_page "${titles[$i]}"
  # Lesson 8's demonstration puts the pointer on its speed box as the page opens, while the
  # window is still being maximised: (4920, 360, 1575, 285) twips of 11745 x 9285.
  if [ "$i" -eq 7 ]; then
    expect_pointer_over 328 24 105 19 783 619 "the speed box"
    lesson8_typing
    lesson8_pointer
    lesson8_seek
  fi
  # Pausing first: it times the orbit from the page's start, which Replay would move.
  if [ "$i" -eq 8 ]; then lesson9_pause "${titles[$i]}"; fi
  if [ "$i" -eq 5 ] || [ "$i" -eq 8 ]; then replay_keeps_geometry "${titles[$i]}"; fi
  screenshot "Lesson$((i + 1))"
  if [ "$i" -eq 0 ]; then
    # F10 opens the menu, whose title has no Alt mnemonic here; Down picks Next Lesson, the
    # first enabled item.
    xdotool key F10
    sleep 0.3
    xdotool key Down Return
  elif [ "$i" -lt 11 ]; then
    xdotool key ctrl+n
  fi
done
# The last lesson's Next is disabled: Ctrl+N leaves it where it is.
xdotool key ctrl+n
sleep 0.5
expect_page "Lesson 12: Hyperbolic Trajectory"
# About comes up over the lesson, a dialog as large as the pages' text (the pages are 1.6 times
# their design size on this screen, the box is 386 x 105 at its own), and goes with Escape,
# Enter or its close button.
open_about() {
  xdotool key ctrl+a
  local deadline=$((SECONDS + 10))
  until mapped | cut -f2 | grep -qxF "About this program"; do
    [ $SECONDS -lt $deadline ] || fail "About did not open"
    sleep 0.1
  done
  about=$(mapped | awk -F'\t' '$2 == "About this program" { print $1; exit }')
  sleep 0.3
}
closes_about() {
  local deadline=$((SECONDS + 5))
  xdotool key "$1"
  while mapped | cut -f2 | grep -qxF "About this program"; do
    [ $SECONDS -lt $deadline ] || fail "$1 did not close About"
    sleep 0.1
  done
}
open_about
screenshot about
# A dialog whose hints ask for neither a minimise nor a maximise button (Motif functions 0x8,
# 0x10, decorations 0x20, 0x40, none of them "all"); openbox keeps a minimise button on every
# dialog, and offers no maximising of a window of fixed size.
xprop -id "$about" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG || fail "About is no dialog"
read -r mwm_flags mwm_functions mwm_decorations _ < <(xprop -id "$about" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
(( (mwm_flags & 3) == 3 && (mwm_functions & 0x19) == 0 && (mwm_decorations & 0x61) == 0 )) ||
  fail "About asks for minimise or maximise buttons: $(xprop -id "$about" _MOTIF_WM_HINTS)"
xprop -id "$about" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "About can be maximised"
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$WIDTH" -ge 579 ] && [ "$HEIGHT" -ge 157 ] || fail "About is ${WIDTH}x${HEIGHT}, too small to read"
closes_about Escape
open_about
closes_about Return
open_about
xdotool windowactivate --sync "$about"
closes_about alt+F4
expect_page "Lesson 12: Hyperbolic Trajectory"
xdotool windowactivate --sync "$page" 2>/dev/null || true
# The Lessons menu opens on its first item, Lesson 1: two down is Lesson 3, shown once before.
xdotool key alt+l
sleep 0.3
xdotool key Down Down Return
expect_page "Lesson 3: Earth's Gravitational Acceleration"
xdotool key ctrl+m
expect_page "MAIN MENU"

# The keyboard opens the courses: the first entry has the focus, Tab moves it on.
xdotool key Tab Return
for t in "Reflection at Circular Mirror" "Reflection at Parabolic Mirror" "3D Image of Parabola Antenna"; do
  expect_page "$t"
  [ "$t" = "Reflection at Circular Mirror" ] && replay_keeps_geometry "$t"
  screenshot "$(echo "$t" | tr -c 'A-Za-z0-9\n' '-')"
  xdotool key ctrl+n
  # The antenna's wireframe takes about two seconds to draw as its page opens.
  if [ "$t" = "Reflection at Parabolic Mirror" ]; then one_page_while_opening "3D Image of Parabola Antenna" 2; fi
done
sleep 0.5
expect_page "3D Image of Parabola Antenna"
xdotool key ctrl+p
expect_page "Reflection at Parabolic Mirror"
# Number keys open the numbered courses; Tab goes round the two entries, Space opens one.
for keys in 1 2 "Tab Tab space"; do
  xdotool key ctrl+m
  expect_page "MAIN MENU"
  sleep 0.2
  xdotool key $keys
  case $keys in
    2) expect_page "Reflection at Circular Mirror" ;;
    *) expect_page "Lesson 1: Law of Gravity" ;;
  esac
done

# Exit ends the process.
xdotool key ctrl+e
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "Exit did not end the program"; fi
wait "$app" || true
app=""
echo "desktop walk passed; screenshots in $shots"
