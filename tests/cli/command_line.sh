#!/usr/bin/env bash
# The real program's command line: where it starts, what it prints and its exit status, also
# where no window can be opened; and the script driver's files and output where writing fails.
#   command_line.sh PATH-TO-orbelune [PATH-TO-orbelune-script]
set -uo pipefail
program=$1
driver=${2:-}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work

# run NAME EXPECTED-STATUS ENV... -- ARGS...: stdout in $work/NAME.out, stderr in $work/NAME.err
run() {
  local name=$1 want=$2 envs=()
  shift 2
  while [ "$1" != -- ]; do envs+=("$1"); shift; done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${envs[@]}" timeout 30 "$program" "$@" \
    >"$work/$name.out" 2>"$work/$name.err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$name: status $got, not $want; stderr: $(cat "$work/$name.err")"
}
one_line() {  # NAME: stderr is one line from the program and stdout is empty
  [ "$(wc -l <"$work/$1.err")" -eq 1 ] && grep -q '^orbelune: ' "$work/$1.err" ||
    fail "$1: stderr is not one line of the program's: $(cat "$work/$1.err")"
  [ -s "$work/$1.out" ] && fail "$1: wrote to stdout"
}

# No window system at all, one named but not there, and a platform Qt cannot load.
free=""
for n in $(seq 300 399); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { free=$n; break; }
done
run no_display 1 -- --lesson Lesson9
one_line no_display
run unreachable 1 DISPLAY=:$free --
one_line unreachable
grep -q ":$free" "$work/unreachable.err" || fail "unreachable: the display is not named"
run no_plugin 1 QT_QPA_PLATFORM=nosuchplatform --
one_line no_plugin

# Help, version and mistakes answer without a display.
run help 0 -- --help
grep -q -- '--lesson <NAME>' "$work/help.out" && grep -q -- '--fullscreen' "$work/help.out" ||
  fail "help: $(cat "$work/help.out")"
run version 0 -- --version
grep -qx 'orbelune [0-9][0-9.]*' "$work/version.out" || fail "version: $(cat "$work/version.out")"
run unknown 2 -- --lesson Lesson13
grep -q "Lesson13" "$work/unknown.err" || fail "unknown: the name asked for is not repeated"
for page in Lesson1 Lesson12 optics1 optics3 "Lesson 9: Space Station and Space Shuttle"; do
  grep -q "$page" "$work/unknown.err" || fail "unknown: '$page' missing from the list"
done
run bad_option 2 -- --speed 4
grep -q 'speed' "$work/bad_option.err" || fail "bad_option: $(cat "$work/bad_option.err")"

# The page the program first paints: the main menu without arguments, else the one asked for.
first_paint() {  # WANTED-FORM NAME ARGS...
  local want=$1 name=$2 got="" pid
  shift 2
  QT_QPA_PLATFORM=offscreen ORBELUNE_FRAME_LOG="$work/$name.frames" "$program" "$@" \
    >/dev/null 2>"$work/$name.err" &
  pid=$!
  for _ in $(seq 300); do
    got=$(awk '$1 == "paint" {print $3; exit}' "$work/$name.frames" 2>/dev/null)
    [ -n "$got" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ "$got" = "$want" ] || fail "$name: the first page painted is '$got', not $want"
}
first_paint Utama plain
first_paint optics2 by_name --lesson OPTICS2
first_paint Lesson12 by_title --lesson 'Lesson 12: HYPERBOLIC Trajectory'
first_paint Lesson3 full_screen --fullscreen --lesson=Lesson3

# The script driver: a file it cannot write in full is no file (an existing one stays as it
# was), a report it cannot hand over is an error, and each failure is one line of its own, also
# without XDG_RUNTIME_DIR (Qt warns then) and whatever libpng would say.
if [ -n "$driver" ]; then
  # drive NAME EXPECTED-STATUS STDOUT FILE-SIZE-LIMIT ARGS...: stderr in $work/NAME.err
  drive() {
    local name=$1 want=$2 out=$3 limit=$4
    shift 4
    (
      ulimit -f "$limit"
      exec env -u XDG_RUNTIME_DIR -u DISPLAY timeout 60 "$driver" "$@" >"$out" 2>"$work/$name.err"
    )
    local got=$?
    [ "$got" -eq "$want" ] || fail "$name: status $got, not $want; stderr: $(cat "$work/$name.err")"
    [ "$(wc -l <"$work/$name.err")" -eq 1 ] && grep -q '^orbelune-script: ' "$work/$name.err" ||
      fail "$name: stderr is not one line of the driver's: $(cat "$work/$name.err")"
  }
  says() {  # NAME TEXT: the error line says TEXT
    grep -qF -- "$2" "$work/$1.err" || fail "$1: '$2' not said: $(cat "$work/$1.err")"
  }
  files=$work/files
  mkdir "$files"
  echo old >"$files/old.png"
  echo old >"$files/old.wav"
  drive png_full 2 /dev/null unlimited Lesson1 --png /dev/full
  says png_full "No space left on device"
  # A file-size limit fails the write part way, as a full disk does.
  drive png_cut 2 /dev/null 2 optics1 --until 30000 --png "$files/old.png"
  says png_cut "File too large"
  drive wav_cut 2 /dev/null 2 Lesson5 --until 6000 --wav "$files/old.wav"
  says wav_cut "File too large"
  for f in old.png old.wav; do
    echo old | cmp -s - "$files/$f" || fail "a failed write changed the existing $f"
  done
  [ "$(ls -A "$files" | wc -l)" -eq 2 ] || fail "a failed write left files behind: $(ls -A "$files")"
  drive png_empty 2 /dev/null unlimited Lesson1 --png ''
  drive wav_empty 2 /dev/null unlimited Lesson1 --wav ''
  drive at_past_until 2 /dev/null unlimited Lesson1 --until 500 --at 700 close
  says at_past_until "--at 700 comes after --until 500"
  drive stdout_full 1 /dev/full unlimited Lesson1
  says stdout_full "No space left on device"
  # A report far larger than the pipe holds, to a reader that leaves after one byte.
  (
    set -o pipefail
    env -u XDG_RUNTIME_DIR timeout 60 "$driver" optics1 --segments 2>"$work/closed_pipe.err" |
      head -c1 >/dev/null
    echo "${PIPESTATUS[0]}" >"$work/closed_pipe.status"
  )
  [ "$(cat "$work/closed_pipe.status")" -eq 1 ] ||
    fail "closed_pipe: status $(cat "$work/closed_pipe.status"), not 1"
  [ "$(wc -l <"$work/closed_pipe.err")" -eq 1 ] && says closed_pipe "Broken pipe" ||
    fail "closed_pipe: stderr: $(cat "$work/closed_pipe.err")"
  # Typed bytes that are no UTF-8 still make a report in UTF-8.
  env -u XDG_RUNTIME_DIR "$driver" Lesson12 --until 200 --at 100 $'type:vinit=7\xff' \
    >"$work/typed.out" 2>"$work/typed.err" || fail "typed: $(cat "$work/typed.err")"
  iconv -f UTF-8 -t UTF-8 "$work/typed.out" >/dev/null 2>&1 || fail "typed: the report is not UTF-8"
  grep -qF $'"Text":"7\xef\xbf\xbd"' "$work/typed.out" || fail "typed: no U+FFFD in the report"
fi

[ "$failures" -eq 0 ] || { echo "command line: $failures failures" >&2; exit 1; }
echo "command line: all checks passed"
