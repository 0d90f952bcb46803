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

for file in $(find src -name '*.h' -o -name '*.cpp' | sort); do
  lines=$(wc -l <"$file")
  [ "$lines" -le 400 ] || fail "$file has $lines lines, more than 400"
  awk -v file="$file" '
    /^\{$/ { start = FNR }
    /^\}/ && start { length_ = FNR - start + 1; if (length_ > 60) printf "%s:%d: a function of %d lines\n", file, start, length_; start = 0 }
  ' "$file" | while IFS= read -r long; do echo "FAIL: $long, more than 60" >&2; echo x; done | grep -q x && failures=$((failures + 1))
done

[ "$failures" -eq 0 ] || exit 1
echo "sources keep their shape: libraries include only themselves, no file over 400 lines, no function over 60"
