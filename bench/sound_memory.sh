#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the sound costs in memory: the game's resident set (VmRSS) once the first cards are dealt,
# before any sound, and after that game has been played out with its sounds, on a private Xvfb
# and a private PulseAudio with a null sink. Target: at most 1.5 MiB of growth. The keys are a
# player's: 1 (a £5 chip), N (deal), Y (insure when asked), H (hit), S (stand).
#   bench/sound_memory.sh GAME [RUNS]        exits 1 when the median growth misses the target
set -euo pipefail
game=$(realpath "${1:?usage: $0 GAME [RUNS]}")
runs=${2:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellard-sound-memory.XXXXXX")
cleanup() { kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:$work/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" \
  -L "module-null-sink sink_name=bench" >/dev/null 2>&1 &
Xvfb :${XVFB_DISPLAY:-77} -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:${XVFB_DISPLAY:-77}
sleep 2
cp -a "$(dirname "$game")" "$work/game"
growths=()
for run in $(seq "$runs"); do
  rm -f "$work/game/Quellard.ini"
  "$work/game/$(basename "$game")" >/dev/null 2>&1 &
  pid=$!
  sleep 2
  xdotool search --sync --name '^Quellard$' windowfocus >/dev/null
  rss() { awk '/VmRSS/ { print $2 }' "/proc/$pid/status"; }
  xdotool key 1 1 1; sleep 0.3; xdotool key n; sleep 1; xdotool key y; sleep 0.5
  before=$(rss)
  xdotool key h; sleep 0.6; xdotool key s; sleep 4
  growths+=($(($(rss) - before)))
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "run $run: ${before} kB before the first sound, +${growths[-1]} kB after the game"
done
median=$(printf '%s\n' "${growths[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "sound memory: median growth ${median} kB over a game with its sounds (target <= 1536 kB)"
[ "$median" -le 1536 ]
