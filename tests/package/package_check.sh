#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it without installing it: its control
# fields and file list, lintian, the validators on the files it holds, and the unpacked program
# started in a private X display on Lesson 9 until its first frame, drawing in its own faces.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

bash scripts/package.sh --check > /dev/null
version=$(sed -n 's/^project(Orbelune VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
deb=build-package/orbelune_${version}_${arch}.deb
[ -f "$deb" ] || { echo "FAIL: no $deb" >&2; exit 1; }

# Control fields: named and versioned as CMakeLists.txt says, dependencies computed from the
# program, no invented home page.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orbelune ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -z "$(field Homepage)" ] || fail "Homepage: $(field Homepage)"
# (Outputs are held in variables before grep -q reads them: grep leaving early must not break
# the pipe of the command it reads.)
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libasound2 libc6; do
  grep -q "\b$lib (>=" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -q "gravity course has twelve" <<<"$(field Description)" || fail "Description without the courses"

# Exactly these files, nothing of the build tree or of the tests.
expected=$(
  cat <<'EOF'
./usr/bin/orbelune
./usr/share/applications/orbelune.desktop
./usr/share/doc/orbelune/changelog.gz
./usr/share/doc/orbelune/copyright
./usr/share/icons/hicolor/128x128/apps/orbelune.png
./usr/share/icons/hicolor/16x16/apps/orbelune.png
./usr/share/icons/hicolor/256x256/apps/orbelune.png
./usr/share/icons/hicolor/32x32/apps/orbelune.png
./usr/share/icons/hicolor/48x48/apps/orbelune.png
./usr/share/icons/hicolor/64x64/apps/orbelune.png
./usr/share/icons/hicolor/scalable/apps/orbelune.svg
./usr/share/man/man1/orbelune.1.gz
./usr/share/metainfo/org.example.orbelune.metainfo.xml
EOF
)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
[ "$files" = "$(LC_ALL=C sort <<<"$expected")" ] ||
  fail "file list differs:"$'\n'"$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$files"))"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = root/root ] || fail "files not owned by root: $owners"

# lintian: no errors and no warnings (it warns that it runs as root; that is not about the package).
lintian_out=$(lintian --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$lintian_out" ] || fail "lintian:"$'\n'"$lintian_out"

unpacked=$(mktemp -d)
log=$(mktemp)
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  type xdisplay_stop >/dev/null 2>&1 && xdisplay_stop
  rm -rf "$unpacked" "$log" "${fonts:-}"
  true
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share

# Education and Science are both main categories; the validator hints that the entry may be
# listed under both, which is meant.
if ! out=$(desktop-file-validate "$share/applications/orbelune.desktop" 2>&1) ||
  [ -n "$(grep -v 'contains more than one main category' <<<"$out")" ]; then
  fail "desktop-file-validate: $out"
fi
out=$(appstreamcli validate --no-net --pedantic "$share/metainfo/org.example.orbelune.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $out"
for size in 16 32 48 64 128 256; do
  grep -q "PNG image data, $size x $size," <<<"$(file "$share/icons/hicolor/${size}x${size}/apps/orbelune.png")" ||
    fail "icon ${size}x${size} is not a ${size}-pixel PNG"
done
man_out=$(MANWIDTH=80 man --warnings -l "$share/man/man1/orbelune.1.gz" 2>"$log") || fail "man -l failed"
[ -s "$log" ] && fail "man -l: $(cat "$log")"
grep -q -- "--lesson NAME" <<<"$man_out" || fail "the manual page does not render its options"
[ "$("$unpacked/usr/bin/orbelune" --version)" = "orbelune $version" ] || fail "--version"

# The unpacked copy on Lesson 9 in a real X window. Fontconfig is limited to DejaVu, so FreeSans
# can only come from inside the program; Qt's font database says what it registers.
source scripts/xdisplay.sh
# A loaded machine can take longer than xdisplay_start waits for Xvfb: try again, and make sure
# a server that was given up on does not stay behind.
for attempt in 1 2 3; do
  xdisplay_start 1024x768 191 230 && break
  server=${xdisplay_xvfb:-}
  xdisplay_stop
  [ -n "$server" ] && kill -KILL "$server" 2>/dev/null
  [ "$attempt" -lt 3 ] || { echo "FAIL: no X display" >&2; exit 1; }
done
fonts=$(mktemp -d)
cat >"$fonts/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$fonts/cache</cachedir></fontconfig>
EOF
export FONTCONFIG_FILE=$fonts/fonts.conf
grep -qi freesans <<<"$(fc-list)" && fail "FreeSans is still visible to fontconfig: the font check means nothing"
frames=$(mktemp -p "$unpacked")
QT_LOGGING_RULES="qt.text.font.db.debug=true" ORBELUNE_FRAME_LOG=$frames \
  "$unpacked/usr/bin/orbelune" --lesson Lesson9 >/dev/null 2>"$log" &
pid=$!
for _ in $(seq 300); do
  grep -q '^paint .* Lesson9 ' "$frames" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
grep -q '^paint .* Lesson9 ' "$frames" || fail "no first frame of Lesson 9 within 30 s"
title=$(xdotool search --onlyvisible --name '^Lesson 9: ' getwindowname 2>/dev/null | head -1 || true)
[ "$title" = "Lesson 9: Space Station and Space Shuttle" ] || fail "window title: '$title'"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null || true
pid=""
faces=$(grep -c 'Adding font: familyName "FreeSans"' "$log" || true)
[ "$faces" -ge 4 ] || fail "the bundled FreeSans faces were not registered ($faces)"
# Anything on stderr besides the font database's own lines is a warning of the program or of Qt.
others=$(grep -v '^qt\.text\.font\.db: ' "$log" || true)
[ -z "$others" ] || fail "the program wrote to stderr:"$'\n'"$others"
[ "$failures" -eq 0 ] || { echo "package check: $failures failures" >&2; exit 1; }
echo "package check: $deb passed"
