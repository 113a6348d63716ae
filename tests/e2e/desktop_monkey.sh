#!/usr/bin/env bash
# Random input to the real program in a real X window (Xvfb 1920x1080 + openbox), as a restless
# student or teacher gives it with xdotool: the teacher's keys, Next, Previous, Main Menu,
# Replay, the menus by keyboard, About, Save Picture (its dialog answered or cancelled), Copy
# Picture, clicks anywhere and on the page's controls, typing into text boxes, Tab and Space,
# message boxes answered or left open, Exit, closing the window and starting the program again.
# After every action orbelune-xprobe looks at the screen: the program answers a ping within a
# bound, exactly one page is mapped, maximised (or full screen; a small About, message or save
# dialog may stand over it), and the program has written nothing on stderr. A seed gives the
# same actions again; a failure prints the seed, the action's number and the last actions, and
# saves a screenshot (ORBELUNE_E2E_SHOTS, default ./e2e-shots).
#   desktop_monkey.sh ORBELUNE ORBELUNE-SCRIPT ORBELUNE-XPROBE [--seed N] [--seconds S]
#                     [--skip maximised|two-pages]...
# Default: seed 1 for 120 seconds. --skip leaves one check out, for looking past a known fault
# by hand.
set -euo pipefail
bin=$(realpath "$1")
driver=$(realpath "$2")
probe=$(realpath "$3")
shift 3
seed=1 seconds=120 probe_skip=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seed) seed=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --skip)
      case "$2" in
        maximised) probe_skip+=(--any-state 1) ;;
        two-pages) probe_skip+=(--two-pages-ms 100000) ;;
        *) echo "unknown check '$2'" >&2; exit 2 ;;
      esac
      shift 2 ;;
    *) echo "usage: desktop_monkey.sh ORBELUNE ORBELUNE-SCRIPT ORBELUNE-XPROBE [--seed N] [--seconds S] [--skip CHECK]" >&2; exit 2 ;;
  esac
done
[[ $seed =~ ^[0-9]+$ && $seconds =~ ^[0-9]+$ ]] || { echo "--seed and --seconds take whole numbers" >&2; exit 2; }
shots=${ORBELUNE_E2E_SHOTS:-$PWD/e2e-shots}

work=$(mktemp -d)
app="" action=0 last=() err=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  xdisplay_stop
  rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=../../scripts/xdisplay.sh
. "$(dirname "$0")/../../scripts/xdisplay.sh"
xdisplay_start 1920x1080 261 290 || { echo "FAIL: no X display" >&2; exit 1; }

fail() {
  echo "FAIL: seed $seed, action $action: $*" >&2
  echo "the last actions:" >&2
  printf '  %s\n' "${last[@]: -12}" >&2
  mkdir -p "$shots"
  import -window root "$shots/monkey-failure.png" 2>/dev/null && echo "screenshot: $shots/monkey-failure.png" >&2
  echo "again: $0 $bin $driver $probe --seed $seed --seconds $seconds" >&2
  exit 1
}
note() { last+=("$action: $*"); }
set -E
trap 'fail "the monkey itself failed at line $LINENO: $BASH_COMMAND"' ERR

# The generator (a 31-bit linear congruential one, drawn from its high bits): the same seed,
# the same numbers, in this shell only.
rng=$seed
rnd() {  # rnd N: a number 0..N-1 in $r
  rng=$(((rng * 1103515245 + 12345) % 2147483648))
  r=$(((rng >> 8) % $1))
}

# Every page's window title and form name, and each form's scene size and controls in design
# pixels: the script driver's picture of it (whose menu bar is kMenuBar pixels high, as on the
# screen) and its controls' twips / 15.
kMenuBar=19
declare -A form_of=(["MAIN MENU"]=Utama) size=() controls=() textboxes=()
pages=()
while IFS=$'\t' read -r name title; do
  form_of[$title]=$name
  pages+=("$name")
done < <({ "$bin" --lesson none 2>&1 || true; } | sed -n 's/^    \([A-Za-z]\+[0-9]\+\) \+\(.*\)$/\1\t\2/p')
[ ${#pages[@]} -ge 3 ] || { echo "FAIL: the program lists no pages" >&2; exit 1; }
for f in Utama "${pages[@]}"; do
  json=$(QT_QPA_PLATFORM=offscreen "$driver" "$f" --until 60000 --png "$work/$f.png" 2>/dev/null) ||
    { echo "FAIL: the driver could not play $f" >&2; exit 1; }
  read -r w h < <(identify -format '%w %h\n' "$work/$f.png")
  size[$f]="$w $((h - kMenuBar))"
  # "kind name left top width height" per control a student can click or type into.
  controls[$f]=$(printf '%s' "$json" | grep -oE '"[^"]+":\{"kind":"(TextBox|CheckBox|CommandButton|Label)","Left":-?[0-9.]+,"Top":-?[0-9.]+,"Width":[0-9.]+,"Height":[0-9.]+' |
    sed -E 's/^"([^"]+)":\{"kind":"([A-Za-z]+)","Left":([-0-9.]+),"Top":([-0-9.]+),"Width":([0-9.]+),"Height":([0-9.]+)$/\2 \1 \3 \4 \5 \6/' |
    { if [ "$f" = Utama ]; then cat; else grep -v '^Label '; fi; } || true)
  textboxes[$f]=$(printf '%s\n' "${controls[$f]}" | grep '^TextBox ' || true)
done

home=$work/home
mkdir -p "$home" "$work/bin"
# Contact hands its link to the desktop's launcher: here one that takes it and does nothing, so
# that no browser or mail program of this machine starts.
printf '#!/bin/sh\nexit 0\n' > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
err=$work/stderr
app="" ended_ok=0
start_program() {
  local args=()
  rnd 100
  if [ $((r % 3)) -eq 0 ]; then args+=(--lesson "${pages[$((r % ${#pages[@]}))]}"); fi
  if [ $((r % 10)) -eq 1 ]; then args+=(--fullscreen); fi
  note "start orbelune ${args[*]}"
  starts=$((starts + 1))
  HOME=$home PATH=$work/bin:$PATH "$bin" "${args[@]}" > /dev/null 2> "$err" &
  app=$!
}

# The program has ended: by itself, its exit status must be 0 and its stderr empty.
reap() {
  local status=0
  wait "$app" || status=$?
  app=""
  [ $status -eq 0 ] || fail "the program ended with status $status"
  [ ! -s "$err" ] || fail "the program wrote on stderr: $(head -c 2000 "$err")"
}

# Looks at the screen (see orbelune-xprobe) for at least $1 ms, then until the page settles, at
# most $2 ms (default 5000); sets page_* and dialogs, or ended=1 when the program is no longer
# running.
look() {
  local out rc=0
  ended=0
  out=$("$probe" "$app" --watch-ms "$1" --settle-ms "${2:-5000}" "${probe_skip[@]}" 2> "$work/probe") || rc=$?
  if [ $rc -eq 3 ]; then
    ended=1
    return 0
  fi
  [ $rc -eq 0 ] || fail "$(cat "$work/probe")"
  [ ! -s "$err" ] || fail "the program wrote on stderr: $(head -c 2000 "$err")"
  IFS=$'\t' read -r _ page_x page_y page_w page_h page_state page_title <<< "${out%%$'\n'*}"
  dialogs=$(printf '%s\n' "$out" | awk -F'\t' '$1 == "dialog" { print $7 }')
  page_form=${form_of[${page_title:-?}]:-}
  seen[${page_title:-?}]=1
  while IFS= read -r d; do [ -z "$d" ] || seen_dialogs[$d]=1; done <<< "$dialogs"
}
declare -A seen=() seen_dialogs=()
starts=0

# Clicks the point (x, y) in design pixels of the page's scene, mapped as the page maps it: the
# scene scaled uniformly to fit below the menu bar, and centred.
click_design() {
  local sw sh px py
  read -r sw sh <<< "${size[${page_form:-?}]:-}"
  read -r px py < <(awk -v X="$page_x" -v Y="$((page_y + kMenuBar))" -v W="$page_w" -v H="$((page_h - kMenuBar))" \
    -v w="$sw" -v h="$sh" -v x="$1" -v y="$2" \
    'BEGIN { s = W / w; if (H / h < s) s = H / h; printf "%d %d\n", X + (W - w * s) / 2 + x * s, Y + (H - h * s) / 2 + y * s }')
  xdotool mousemove "$px" "$py" click 1
}

# A control of the page from the list ("kind name left top width height"), number $2 of it.
click_control() {
  local list=$1 n kind name left top width height
  n=$(printf '%s\n' "$list" | grep -c . || true)
  [ "$n" -gt 0 ] && [ -n "$page_form" ] || return 1
  read -r kind name left top width height < <(printf '%s\n' "$list" | sed -n "$(($2 % n + 1))p")
  note "  click $kind $name"
  click_design "$(awk -v l="$left" -v w="$width" 'BEGIN { print (l + w / 2) / 15 }')" \
    "$(awk -v t="$top" -v h="$height" 'BEGIN { print (t + h / 2) / 15 }')"
}

teacher_keys=(ctrl+space Pause ctrl+minus ctrl+plus ctrl+equal ctrl+0 ctrl+period F11 Escape ctrl+shift+c)
navigation_keys=(ctrl+n ctrl+p ctrl+m ctrl+r)
texts=("12" "-0" "1e308" "abc" "3000" "nan" " " "éx" "99999999999999999999" "0.5")

# One random action; every action draws the same four numbers, so that a seed gives the same
# actions whatever the program did.
act() {
  local a p q s k
  rnd 100; a=$r; rnd 1000000; p=$r; rnd 1000000; q=$r; rnd 1000000; s=$r
  may_end=0 exiting=0 watch=150
  if [ $a -lt 16 ]; then
    k=${teacher_keys[$((p % ${#teacher_keys[@]}))]}
    note "key $k"
    xdotool key "$k"
  elif [ $a -lt 20 ]; then
    note "Save Picture (ctrl+s)"
    xdotool key ctrl+s
    sleep 0.6
    case $((q % 4)) in
      0) note "  Escape"; xdotool key Escape ;;
      1) note "  Return"; xdotool key Return ;;
      2) note "  type a name, Return"; xdotool type --delay 20 -- "monkey $action"; xdotool key Return ;;
      3) note "  leave it open" ;;
    esac
  elif [ $a -lt 35 ]; then
    k=${navigation_keys[$((p % ${#navigation_keys[@]}))]}
    note "key $k"
    xdotool key "$k"
  elif [ $a -lt 39 ]; then
    local rights=$((p % 3)) downs=$((q % 18)) keys=(F10)
    for _ in $(seq $rights); do keys+=(Right); done
    for _ in $(seq $downs); do keys+=(Down); done
    if [ $((s % 6)) -eq 0 ]; then keys+=(Escape Escape); else keys+=(Return); fi
    note "menu by keyboard: ${keys[*]}"
    xdotool key --delay 40 "${keys[@]}"
    may_end=1
  elif [ $a -lt 41 ]; then
    # The menu bar's titles lie within its first 190 pixels; the menu opens below its title.
    local x=$((page_x + 5 + p % 185)) y=$((page_y + 8))
    note "menu by mouse at $x,$y, then $((q % 400)) px lower"
    xdotool mousemove "$x" "$y" click 1
    sleep 0.3
    xdotool mousemove "$((x + s % 200))" "$((y + 12 + q % 400))" click 1
    may_end=1
  elif [ $a -lt 43 ]; then
    note "About (ctrl+a)"
    xdotool key ctrl+a
  elif [ $a -lt 55 ]; then
    local x=$((page_x + p % page_w)) y=$((page_y + q % page_h))
    note "click at $x,$y"
    xdotool mousemove "$x" "$y" click 1
    may_end=1
  elif [ $a -lt 66 ]; then
    note "click on a control of ${page_form:-?}"
    click_control "${controls[${page_form:-?}]:-}" "$p" || note "  (none)"
  elif [ $a -lt 73 ]; then
    local text=${texts[$((q % ${#texts[@]}))]}
    note "type '$text' into a text box of ${page_form:-?}"
    if click_control "${textboxes[${page_form:-?}]:-}" "$p"; then
      [ $((s % 2)) -eq 0 ] && xdotool key --delay 20 End BackSpace BackSpace BackSpace BackSpace BackSpace
      xdotool type --delay 30 -- "$text"
    fi
  elif [ $a -lt 77 ]; then
    local keys=()
    for _ in $(seq $((p % 6 + 1))); do keys+=(Tab); done
    if [ $((q % 2)) -eq 0 ]; then keys+=(space); else keys+=(Return); fi
    note "keys ${keys[*]}"
    xdotool key --delay 30 "${keys[@]}"
  elif [ $a -lt 83 ]; then
    watch=$((300 + p % 2700))
    note "watch for $watch ms"
  elif [ $a -lt 87 ]; then
    # The Lessons menu is the last on the bar (the only one on the main menu).
    local keys=(F10 Right Right)
    for _ in $(seq $((q % 15 + 1))); do keys+=(Down); done
    keys+=(Return)
    watch=$((4000 + p % 5000))
    note "a page from the Lessons menu (${keys[*]}), watched for $watch ms"
    xdotool key --delay 40 "${keys[@]}"
  elif [ $a -lt 95 ]; then
    local answers=(Return space Escape alt+F4 click)
    k=${answers[$((p % 5))]}
    if [ -z "$dialogs" ]; then
      note "key x (no dialog open)"
      xdotool key x
    elif [ "$k" = click ]; then
      note "click into the dialog '${dialogs%%$'\n'*}'"
      local d
      d=$("$probe" "$app" --settle-ms 2000 2> /dev/null | awk -F'\t' '$1 == "dialog" { print $2, $3, $4, $5; exit }' || true)
      if [ -n "$d" ]; then
        read -r dx dy dw dh <<< "$d"
        xdotool mousemove "$((dx + q % dw))" "$((dy + s % dh))" click 1
      fi
      may_end=1
    else
      note "answer '${dialogs%%$'\n'*}' with $k"
      xdotool key "$k"
      may_end=1
    fi
  elif [ $a -lt 97 ]; then
    if [ $((p % 2)) -eq 0 ]; then
      note "Exit (ctrl+e)"
      xdotool key ctrl+e
    else
      note "Exit from the Navigation menu (F10 Up Return)"
      xdotool key --delay 60 F10 Return Up Return
    fi
    # The main menu has no Exit.
    may_end=1
    [ "$page_form" = Utama ] || exiting=1
  else
    note "close the page's window (alt+F4)"
    xdotool key alt+F4
    may_end=1
  fi
}

echo "desktop monkey: seed $seed, $seconds s"
start_program
look 0 15000
deadline=$((SECONDS + seconds))
while [ $SECONDS -lt $deadline ]; do
  action=$((action + 1))
  before_dialogs=$dialogs
  act
  look "$watch"
  if [ $exiting -eq 1 ] && [ $ended -eq 0 ] && [ -z "$before_dialogs" ] && [ -z "$dialogs" ]; then
    # Exit, or closing the page, with no dialog open ends the program within a bound.
    for _ in $(seq 50); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
    kill -0 "$app" 2> /dev/null && fail "the program did not end within 5 s"
    ended=1
  fi
  if [ $ended -eq 1 ]; then
    [ $may_end -eq 1 ] || fail "the program ended"
    reap
    note "the program ended"
    start_program
    look 0 15000
  fi
done

# Whatever was done before, Exit ends the program once its dialogs are answered.
action=$((action + 1))
note "final Exit"
for _ in $(seq 20); do
  [ -z "$dialogs" ] && break
  xdotool key Escape
  look 300
  [ $ended -eq 1 ] && break
done
if [ $ended -eq 0 ]; then
  # The main menu has no Exit: its first course's first lesson has. (A title in another language
  # than the list's may be the main menu's too; on a lesson "1" changes nothing.)
  if [ "$page_form" = Utama ] || [ -z "$page_form" ]; then
    xdotool key 1
    look 500
  fi
  xdotool key ctrl+e
  for _ in $(seq 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
  kill -0 "$app" 2> /dev/null && fail "the final Exit did not end the program"
fi
reap
echo "desktop monkey: $action actions, no fault (seed $seed); $starts starts, ${#seen[@]} pages seen," \
  "dialogs seen: $(printf "'%s' " "${!seen_dialogs[@]}")"
