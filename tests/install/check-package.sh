#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree and checks what a player's system would get from
# it: its name, every file it installs, that it depends on runtime libraries only and recommends
# xdg-utils (the launcher that opens the help page in a browser), that lintian (where it is
# installed) finds no error in it, and that the desktop's validators accept its desktop entry and
# metainfo.
#
# usage: check-package.sh <build dir> <project version>
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build dir> <project version>" >&2
  exit 2
fi
build=$1 version=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/quellard-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
deb=$work/quellard_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb"); cpack made: $(ls "$work")" >&2; exit 1; }

# --- Every file, and nothing else ------------------------------------------------------------
expected=$(cat <<'LIST'
/usr/games/quellard
/usr/share/games/quellard/help.html
/usr/share/games/quellard/images/imgbig_cat.gif
/usr/share/games/quellard/images/imgbruce_almighty.gif
/usr/share/games/quellard/images/imgdefault.gif
/usr/share/games/quellard/images/imglake.gif
/usr/share/games/quellard/images/imgmarine.gif
/usr/share/games/quellard/images/imgroman_wall.gif
/usr/share/games/quellard/images/imgtyne_bridge.gif
/usr/share/games/quellard/sounds/Explode.wav
/usr/share/games/quellard/sounds/clap.wav
/usr/share/games/quellard/sounds/haha.wav
/usr/share/games/quellard/sounds/hung-01.wav
/usr/share/games/quellard/sounds/insurance.wav
/usr/share/games/quellard/sounds/snore.wav
/usr/share/games/quellard/sounds/whoosh.wav
/usr/share/applications/org.example.quellard.desktop
/usr/share/doc/quellard/changelog.gz
/usr/share/doc/quellard/copyright
/usr/share/icons/hicolor/128x128/apps/org.example.quellard.png
/usr/share/icons/hicolor/16x16/apps/org.example.quellard.png
/usr/share/icons/hicolor/256x256/apps/org.example.quellard.png
/usr/share/icons/hicolor/32x32/apps/org.example.quellard.png
/usr/share/icons/hicolor/48x48/apps/org.example.quellard.png
/usr/share/icons/hicolor/64x64/apps/org.example.quellard.png
/usr/share/icons/hicolor/scalable/apps/org.example.quellard.svg
/usr/share/lintian/overrides/quellard
/usr/share/man/man6/quellard.6.gz
/usr/share/metainfo/org.example.quellard.metainfo.xml
LIST
)
# Files and links as "path" and "path -> target"; folders are implied by them.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); line = $6; if (NF > 6) line = line " -> " $8; print line }' | LC_ALL=C sort)
if [ "$files" != "$(LC_ALL=C sort <<<"$expected")" ]; then
  fail "the package's files differ from the list (< expected, > packaged):"
  diff <(LC_ALL=C sort <<<"$expected") <(echo "$files") >&2
fi
dpkg-deb -c "$deb" | awk '{ print $2 }' | grep -qv '^root/root$' && fail "files not owned by root/root"

# --- Runtime dependencies only ---------------------------------------------------------------
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libpulse0 libc6 fonts-liberation fonts-dejavu-core; do
  [[ ", $depends" == *", $needed"[\ ,]* || ", $depends" == *", $needed" ]] || fail "Depends lacks $needed: $depends"
done
tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -E -- '-dev$|^(gcc|g\+\+|cpp|clang|cmake|make|ninja-build)(-[0-9.]+)?$' |
  while read -r build_tool; do fail "Depends names a build tool or -dev package: $build_tool"; done
[[ ", $(dpkg-deb -f "$deb" Recommends)," == *", xdg-utils"[\ ,]* ]] ||
  fail "Recommends lacks xdg-utils: $(dpkg-deb -f "$deb" Recommends)"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"

# --- What Debian's and the desktop's checkers say --------------------------------------------
lintian_verdict="lintian was not run: it is not installed (scripts/install-deps lint)"
if command -v lintian >/dev/null; then
  # Every tag counts, down to the pedantic and experimental ones; the package's own overrides
  # (assets/lintian) say why the few that remain are right for the game.
  lintian --pedantic --display-info --display-experimental "$deb" 2>&1 | grep -v 'running with root privileges' >"$work/lintian.log"
  if [ -s "$work/lintian.log" ]; then
    cat "$work/lintian.log" >&2
    fail "lintian has something to say"
  else
    lintian_verdict="lintian, pedantic and experimental, has nothing to say"
  fi
fi
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.example.quellard.desktop" >&2 ||
  fail "desktop-file-validate rejects the desktop entry"
# The desktop matches the game's window to this entry by its WM_CLASS, the application's name.
grep -qx 'StartupWMClass=Quellard' "$work/root/usr/share/applications/org.example.quellard.desktop" ||
  fail "the desktop entry does not name the window's class, Quellard"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/org.example.quellard.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/org.example.quellard.metainfo.xml" ||
  fail "the metainfo has no release entry for version $version"

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in $(basename "$deb")" >&2
  exit 1
fi
echo "$(basename "$deb"): every file in place, runtime dependencies only ($depends); $lintian_verdict"
