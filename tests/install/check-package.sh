#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a player's system would get: the
# application's folder with everything the program looks for beside it, the command on the PATH,
# the desktop entry, the icons and the AppStream metainfo, the last two passed through the
# desktop's own validators.
#
# usage: check-install.sh <build dir> <source dir> <project version> <application id>
set -uo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 <build dir> <source dir> <project version> <application id>" >&2
  exit 2
fi
build=$1 source=$2 version=$3 id=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/quellard-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install did not finish" >&2
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# PNG width and height from the header, as "WxH".
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ' | sed 's/^ //')
  set -- $bytes
  echo "$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))x$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))"
}

# --- The application's folder ---------------------------------------------------------------
app=$prefix/lib/quellard
[ -f "$app/quellard" ] && [ ! -L "$app/quellard" ] && [ -x "$app/quellard" ] \
  || fail "lib/quellard/quellard is not an executable file"
cmp -s "$source/assets/help.html" "$app/help.html" || fail "lib/quellard/help.html differs from assets/help.html"

# The folders hold what the game looks for: every picture and every sound of the sources.
check_folder() { # <folder> <pattern>
  local folder=$1 pattern=$2 wanted installed
  [ -d "$app/$folder" ] || { fail "lib/quellard/$folder is missing"; return; }
  wanted=$(cd "$source/assets/$folder" && ls -1 $pattern 2>/dev/null | sort)
  installed=$(cd "$app/$folder" && ls -1 2>/dev/null | sort)
  [ "$wanted" = "$installed" ] || fail "lib/quellard/$folder holds [$installed], expected [$wanted]"
}
check_folder images '*.gif'
check_folder sounds '*.wav'

# --- The command on the PATH ----------------------------------------------------------------
link=$prefix/bin/quellard
if [ ! -L "$link" ]; then
  fail "bin/quellard is not a symbolic link"
else
  target=$(readlink "$link")
  case $target in
    /*) fail "bin/quellard points to an absolute path ($target); the tree could not be moved" ;;
  esac
  [ "$(readlink -f "$link")" = "$(readlink -f "$app/quellard")" ] \
    || fail "bin/quellard leads to $(readlink -f "$link"), not to lib/quellard/quellard"
fi

# --- Desktop entry ------------------------------------------------------------------------
desktop=$prefix/share/applications/$id.desktop
if [ ! -f "$desktop" ]; then
  fail "share/applications/$id.desktop is missing"
else
  grep -qx 'Exec=quellard' "$desktop" || fail "the desktop entry does not start quellard"
  grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
  grep -qx 'Categories=Game;CardGame;' "$desktop" || fail "the desktop entry is not in Game;CardGame;"
  desktop-file-validate "$desktop" >&2 || fail "desktop-file-validate rejects the desktop entry"
fi

# --- Icons ----------------------------------------------------------------------------------
icons=$prefix/share/icons/hicolor
[ -f "$icons/scalable/apps/$id.svg" ] || fail "the scalable icon $id.svg is missing"
bitmaps=0
for png in "$source"/assets/icons/quellard-*.png; do
  [ -e "$png" ] || continue
  size=$(basename "$png" .png)
  size=${size#quellard-}
  case $size in *[!0-9]*) continue ;; esac
  bitmaps=$((bitmaps + 1))
  installed=$icons/${size}x${size}/apps/$id.png
  if [ ! -f "$installed" ]; then
    fail "the ${size}px icon is missing"
  elif [ "$(png_size "$installed")" != "${size}x${size}" ]; then
    fail "the ${size}px icon is $(png_size "$installed") pixels"
  fi
done
for size in 16 32 48 256; do
  [ -f "$icons/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
done

# --- AppStream metainfo ---------------------------------------------------------------------
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ ! -f "$metainfo" ]; then
  fail "share/metainfo/$id.metainfo.xml is missing"
else
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"
  grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo has no release entry for version $version"
  appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli rejects the metainfo"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed tree; it holds:" >&2
  (cd "$prefix" && find . | sort) >&2
  exit 1
fi
echo "installed tree is complete ($bitmaps bitmap icons); both validators pass"
