#!/bin/bash
# The catalogue's checks.
#   l10n_check.sh catalogue TRANSLATIONS_DIR LUPDATE SOURCES_LIST [LUPDATE OPTIONS...]
#     lupdate, run over the sources as the build runs it, leaves every translation unchanged:
#     no text in the code is missing from the catalogue, none is left there that the code lost.
#   l10n_check.sh complete TRANSLATIONS_DIR LRELEASE
#     lrelease finds no unfinished or untranslated entry in any translation.
set -u
what=$1 dir=$2 tool=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
case $what in
catalogue)
  list=$1
  shift
  copies=()
  for ts in "$dir"/orbelune_*.ts; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
  done
  if ! "$tool" "@$list" "$@" -ts "${copies[@]}" >"$work/lupdate.out" 2>&1; then
    cat "$work/lupdate.out"
    exit 1
  fi
  for ts in "$dir"/orbelune_*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")"; then
      echo "FAIL: $(basename "$ts") is not what lupdate makes of the code:" \
        "run 'cmake --build build --target update_translations' and translate what is new"
      status=1
    fi
  done
  ;;
complete)
  for ts in "$dir"/orbelune_*.ts; do
    out=$("$tool" "$ts" -qm "$work/x.qm" 2>&1)
    unfinished=$(sed -n 's/.*finished and \([0-9]*\) unfinished.*/\1/p' <<<"$out")
    ignored=$(sed -n 's/.*Ignored \([0-9]*\) untranslated.*/\1/p' <<<"$out")
    left=$((${unfinished:-0} + ${ignored:-0}))
    echo "$(basename "$ts"): $left unfinished"
    if [ "$left" -ne 0 ]; then
      grep -B1 -A0 'type="unfinished"' "$ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/  \1/p' | head -5
      status=1
    fi
  done
  ;;
*)
  echo "usage: $0 catalogue|complete ..." >&2
  exit 2
  ;;
esac
exit $status
