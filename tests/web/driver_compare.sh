#!/usr/bin/env bash
# driver_compare.sh NATIVE_DRIVER NODE_DRIVER_JS: the node build of the script driver must print
# byte for byte the report of the native one, for every form and for a few user actions.
set -u
native=${1:?native orbelune-script}
web=${2:?build-web/orbelune-script.js}
node=${NODE:-node}
forms="Utama Lesson1 Lesson2 Lesson3 Lesson4 Lesson5 Lesson6 Lesson7 Lesson8 Lesson9 Lesson10 Lesson11 Lesson12 optics1 optics2 optics3"
cases=()
for f in $forms; do cases+=("$f --segments"); done
cases+=(
  "optics1 --segments --at 20000 click:lt(3) --at 21000 click:lt(0) --at 22000 click:lt(11)"
  "Lesson12 --at 9000 type:vinit=7.5 --at 9500 click:Command1"
  "Lesson12 --segments --until 30000 --at 100 type:vinit=-0 --at 200 type:vinit=1e308"
  "Lesson5 --segments --at 3000 menu:rep"
  "Lesson9 --paced --at 1500 key:Ctrl+N --at 2500 menu:prev --at 4000 menu:pertama"
  "Utama --at 500 click:Label2(1) --at 900 menu:next --at 1200 menu:exit"
  "Lesson1 --until x"
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
echo "${#cases[@]} runs compared"
if [ $bad = 0 ]; then echo "node and native drivers agree"; fi
exit $bad
