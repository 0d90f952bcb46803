#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The shape the sources keep, checked on every test run:
# - the game library includes nothing of ours but itself, and neither does the settings library
#   (the shell alone joins them, and alone knows Qt: neither library links it, which CMake checks);
# - no source file under src/ runs over 400 lines, and no function over 60 (a function's body lies
#   between a "{" and a "}" on lines of their own, as clang-format lays out every longer one).
#
# usage: check-sources.sh <source dir>
set -uo pipefail
cd "${1:?usage: $0 <source dir>}" || exit 2

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for library in game settings; do
  while IFS= read -r line; do
    fail "src/$library may include only its own headers: $line"
  done < <(grep -Hn '^#include "' src/$library/*.h src/$library/*.cpp | grep -v "#include \"$library/")
done

# The shell's rooms, each with the rooms it may include besides itself; the application's own files
# at the top of src/shell may include any room, and no room includes them.
declare -A may_include=([table]="dialogs cards sound look" [dialogs]="look" [cards]="" [sound]="" [look]="")
for room in "${!may_include[@]}"; do
  while IFS= read -r line; do
    included=${line#*#include \"shell/}
    target=${included%%/*}
    [ "$included" = "$target" ] && target=application
    [[ " $room ${may_include[$room]} " == *" $target "* ]] || fail "src/shell/$room may not include shell/$included: $line"
  done < <(grep -Hn '^#include "shell/' src/shell/$room/*.h src/shell/$room/*.cpp 2>/dev/null | sed 's/"$//')
done
[ "$(find src/shell -mindepth 1 -type d | sed 's|src/shell/||' | sort | tr '\n' ' ')" = "cards dialogs look sound table " ] ||
  fail "src/shell's rooms are not cards, dialogs, look, sound and table: $(ls -d src/shell/*/)"

# No part of the shell or the settings, a header with its source file, includes through others a
# part that includes it. (The game's operations are one class spread over files by move, so each
# of its files includes Game.h; it is left out.)
if ! cycles=$(grep -Hn '^#include "' $(find src/shell src/settings -name '*.h' -o -name '*.cpp') |
  sed -E 's,^src/([^:]*)\.(h|cpp):[0-9]+:#include "([^"]*)\.h".*,\1 \3,' | tsort 2>&1 >/dev/null); then
  fail "includes run in a circle: $cycles"
fi

for file in $(find src -name '*.h' -o -name '*.cpp' | sort); do
  lines=$(wc -l <"$file")
  [ "$lines" -le 400 ] || fail "$file has $lines lines, more than 400"
  awk -v file="$file" '
    /^\{$/ { start = FNR }
    /^\}/ && start { length_ = FNR - start + 1; if (length_ > 60) printf "%s:%d: a function of %d lines\n", file, start, length_; start = 0 }
  ' "$file" | while IFS= read -r long; do echo "FAIL: $long, more than 60" >&2; echo x; done | grep -q x && failures=$((failures + 1))
done

[ "$failures" -eq 0 ] || exit 1
echo "sources keep their shape: libraries include only themselves, the shell's rooms only those below them, no circle of includes, no file over 400 lines, no function over 60"
