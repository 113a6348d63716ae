#!/usr/bin/env bash
# driver_compare.sh NATIVE_DRIVER NODE_DRIVER_JS: the node build of the script driver must print
# byte for byte the report of the native one, for every form and for a few user actions.
set -u
native=${1:?native orbelune-script}
web=${2:?build-web/orbelune-script.js}
node=${NODE:-node}
[ -x "$native" ] || { echo "no native driver at $native (cmake --build build --target orbelune-script)"; exit 1; }
[ -f "$web" ] || { echo "no node driver at $web (bash scripts/web.sh --build)"; exit 1; }
forms="Utama Lesson1 Lesson2 Lesson3 Lesson4 Lesson5 Lesson6 Lesson7 Lesson8 Lesson9 Lesson10 Lesson11 Lesson12 optics1 optics2 optics3"
cases=()
for f in $forms; do cases+=("$f --segments"); done
cases+=(
  "optics1 --segments --at 20000 click:lt(3) --at 21000 click:lt(0) --at 22000 click:lt(11)"
  "Lesson12 --at 9000 type:vinit=7.5 --at 9500 click:Command1"
  "Lesson12 --segments --until 30000 --at 100 type:vinit=-0 --at 200 type:vinit=1e308"
  "Lesson5 --segments --at 3000 menu:rep"
  "Lesson8 --segments --until 30000 --at 25000 seek:50000 --at 26000 key:Ctrl+Shift+Left"
  "Lesson9 --paced --at 1500 key:Ctrl+N --at 2500 menu:prev --at 4000 menu:pertama"
  "Utama --at 500 click:Label2(1) --at 900 menu:next --at 1200 menu:exit"
  "Lesson11 --lang pseudo --until 30000 --at 100 menu:pause"
  "Lesson12 --lang de --until 20000"
  "Lesson3 --lang pt-BR --until 9000"
  "Lesson3 --lang xx"
  "Lesson1 --until x"
  "Lesson1 --until 500 --at 700 close"
  # Typed bytes that are no UTF-8: node hands them over as U+FFFD, the native build makes them so.
  "Lesson12 --until 200 --at 100 type:vinit=7"$'\xff\xe2\x82'
)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad=0
for c in "${cases[@]}"; do
  # shellcheck disable=SC2086  # each case is a list of words
  "$native" $c >"$tmp/native" 2>"$tmp/native.err"
  a=$?
  # shellcheck disable=SC2086
  "$node" "$web" $c 2>"$tmp/web.err" | cat >"$tmp/web"
  b=${PIPESTATUS[0]}
  if [ "$a" != "$b" ] || ! cmp -s "$tmp/native" "$tmp/web" || ! cmp -s "$tmp/native.err" "$tmp/web.err"; then
    echo "DIFF: $c (status $a / $b, $(wc -c <"$tmp/native") / $(wc -c <"$tmp/web") bytes)"
    bad=1
  fi
done
# The beeps as a recording: the same samples from both.
"$native" Lesson5 --until 6000 --wav "$tmp/native.wav" >/dev/null
"$node" "$web" Lesson5 --until 6000 --wav "$tmp/web.wav" >/dev/null
if ! cmp -s "$tmp/native.wav" "$tmp/web.wav"; then
  echo "DIFF: Lesson5 --wav"
  bad=1
fi
# Failures to write: the same status and the same one line from both.
fails() {  # WHAT STDOUT ARGS...
  local what=$1 out=$2 a b
  shift 2
  "$native" "$@" >"$out" 2>"$tmp/native.err"
  a=$?
  "$node" "$web" "$@" >"$out" 2>"$tmp/web.err"
  b=$?
  if [ "$a" = 0 ] || [ "$a" != "$b" ] || ! cmp -s "$tmp/native.err" "$tmp/web.err"; then
    echo "DIFF: $what (status $a / $b): $(cat "$tmp/native.err") / $(cat "$tmp/web.err")"
    bad=1
  fi
}
fails "a report onto a full disk" /dev/full Lesson1
fails "a recording onto a full disk" /dev/null Lesson5 --until 6000 --wav /dev/full
fails "a recording without a name" /dev/null Lesson5 --wav ''
for d in native web; do
  if [ $d = native ]; then set -- "$native"; else set -- "$node" "$web"; fi
  "$@" optics1 --segments 2>"$tmp/$d.err" | head -c1 >/dev/null
  echo "${PIPESTATUS[0]}" >"$tmp/$d.status"
done
if ! cmp -s "$tmp/native.status" "$tmp/web.status" || ! cmp -s "$tmp/native.err" "$tmp/web.err" ||
  [ "$(cat "$tmp/native.status")" = 0 ]; then
  echo "DIFF: a report into a closed pipe: $(cat "$tmp/native.err") / $(cat "$tmp/web.err")"
  bad=1
fi
echo "${#cases[@]} runs, one recording and four failures compared"
if [ $bad = 0 ]; then echo "node and native drivers agree"; fi
exit $bad
