#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: the game against the floor program, on a private Xvfb display.

Each program is started N times, alternating game and floor. For every start it measures
  - the time from exec to the first painted frame of the main window, seen from outside the program:
    first_paint_watcher (built beside the floor program) listens on the display before the program
    starts, and prints the CLOCK_MONOTONIC time at which the X server first reported drawing (X
    DAMAGE) in the program's mapped top-level window; the runner notes the same clock just before it
    starts the program,
  - the peak resident set (VmHWM) once start-up has settled,
  - the CPU time the program uses while it sits idle for a few seconds,
  - the CPU time it used up to its first paint (steadier than the wall clock on a shared machine).
CPU times are the scheduler's nanosecond counts (/proc/PID/task/*/schedstat), summed over threads.
Then it prints median, min and max of each, and the game/floor ratios of the medians, against the
targets: start-up time and peak RSS at most 1.25 x the floor, no idle CPU.

    bench/startup.py GAME FLOOR [--runs N] [--idle SECONDS] [--watcher PATH]
                                                             (N also from QUELLARD_BENCH_RUNS)
Exits 1 when a target is missed, 2 when the benchmark itself could not run.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TIME_RATIO_TARGET = 1.25
RSS_RATIO_TARGET = 1.25
SETTLE_SECONDS = 0.5  # after the first paint, before RSS and the idle window are read
START_TIMEOUT = 20.0


def start_xvfb():
    """A display of our own: Xvfb picks a free number and writes it to a pipe."""
    if not shutil.which("Xvfb"):
        sys.exit("startup.py: Xvfb is not installed (make bench installs it)")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    # Read up to the line's end: Xvfb may write the number and its newline separately, and a pipe
    # closed in between would kill it with SIGPIPE.
    text = b""
    while not text.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], 15)
        chunk = os.read(read_end, 64) if ready else b""
        if not chunk:
            break
        text += chunk
    os.close(read_end)
    number = text.decode().strip()
    if not number:
        xvfb.kill()
        sys.exit("startup.py: Xvfb did not start")
    return xvfb, ":" + number


def cpu_ns_all_threads(pid):
    """CPU time so far, to the nanosecond, summed over the program's threads (schedstat)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that has just ended
    return total


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM")


def read_line(stream, deadline, still_waiting):
    """One line from an unbuffered pipe, or b"" at its end; still_waiting() is asked every tenth
    of a second and raises when there is no point in waiting any longer."""
    line = b""
    while not line.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise TimeoutError
        ready, _, _ = select.select([stream], [], [], min(0.1, remaining))
        if not ready:
            still_waiting()
            continue
        byte = stream.read(1)
        if not byte:
            break
        line += byte
    return line


def start_watcher(watcher, env):
    """The watcher, already listening: a window created before its "ready" would go unseen."""
    watch = subprocess.Popen([watcher], env=env, stdout=subprocess.PIPE, bufsize=0)
    try:
        line = read_line(watch.stdout, time.monotonic() + START_TIMEOUT, lambda: None)
    except TimeoutError:
        line = b""
    if line != b"ready\n":
        stop(watch)
        raise RuntimeError(f"{watcher} did not start watching the display")
    return watch


def wait_for_first_paint(watch, proc, program, errors):
    """The watcher's CLOCK_MONOTONIC milliseconds of the program's first paint."""
    def program_still_running():
        if proc.poll() is not None:
            errors.seek(0)
            said = errors.read().decode(errors="replace").strip().splitlines()[-3:]
            raise RuntimeError(f"{program} ended before its first paint (exit {proc.returncode}): "
                               + " / ".join(said))

    try:
        line = read_line(watch.stdout, time.monotonic() + START_TIMEOUT, program_still_running)
    except TimeoutError:
        raise RuntimeError(f"{program} showed no first paint within {START_TIMEOUT} s") from None
    if not line.startswith(b"first-paint "):
        raise RuntimeError(f"the watcher ended without seeing {program} paint")
    return float(line.split()[1])


def stop(proc):
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    if proc.stdout:
        proc.stdout.close()


def one_start(program, watcher, env, idle_seconds):
    errors = tempfile.TemporaryFile()
    watch = start_watcher(watcher, env)
    try:
        started = time.clock_gettime(time.CLOCK_MONOTONIC) * 1000.0
        proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=errors,
                                cwd=os.path.dirname(program))
        try:
            painted = wait_for_first_paint(watch, proc, program, errors)
            startup_cpu = cpu_ns_all_threads(proc.pid) / 1e6
            time.sleep(SETTLE_SECONDS)
            rss = peak_rss_kib(proc.pid)
            cpu_before = cpu_ns_all_threads(proc.pid)
            time.sleep(idle_seconds)
            idle_cpu = (cpu_ns_all_threads(proc.pid) - cpu_before) / 1e9
            return painted - started, rss, idle_cpu, startup_cpu
        finally:
            stop(proc)
    finally:
        stop(watch)
        errors.close()


def summary(name, values, unit, fmt):
    med = statistics.median(values)
    print(f"  {name:<7} median {fmt.format(med)} {unit}   min {fmt.format(min(values))}"
          f"   max {fmt.format(max(values))}")
    return med


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("game")
    parser.add_argument("floor")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("QUELLARD_BENCH_RUNS", "10")))
    parser.add_argument("--idle", type=float, default=3.0, help="seconds of idle CPU measurement")
    parser.add_argument("--watcher", help="the first_paint_watcher program (default: beside FLOOR)")
    args = parser.parse_args()
    programs = {"game": os.path.abspath(args.game), "floor": os.path.abspath(args.floor)}
    watcher = os.path.abspath(args.watcher or os.path.join(os.path.dirname(args.floor), "first_paint_watcher"))
    for path in (*programs.values(), watcher):
        if not os.access(path, os.X_OK):
            sys.exit(f"startup.py: {path} is not an executable")

    xvfb, display = start_xvfb()
    home = tempfile.mkdtemp(prefix="quellard-bench-")
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "WAYLAND_"))}
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=home, HOME=home)
    results = {"game": [], "floor": []}
    try:
        # One start of each first, not counted: fills the page cache and the font cache.
        for program in programs.values():
            one_start(program, watcher, env, 0.0)
        for run in range(args.runs):
            for name in ("floor", "game") if run % 2 else ("game", "floor"):
                results[name].append(one_start(programs[name], watcher, env, args.idle))
    except RuntimeError as error:
        print(f"startup.py: {error}", file=sys.stderr)
        return 2
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(home, ignore_errors=True)

    medians = {}
    print(f"Start-up on a private Xvfb, {args.runs} starts each, alternating; idle window {args.idle:g} s")
    for what, index, unit, fmt in (("start-up (exec to first paint)", 0, "ms", "{:7.1f}"),
                                   ("CPU time to first paint (all threads; steadier on a busy machine)", 3, "ms",
                                    "{:7.1f}"),
                                   ("peak RSS (VmHWM)", 1, "MiB", "{:7.1f}"),
                                   (f"CPU while idle for {args.idle:g} s", 2, "ms", "{:7.3f}")):
        print(f"{what}:")
        scale = 1 / 1024 if index == 1 else (1000 if index == 2 else 1)
        for name in ("floor", "game"):
            medians[(name, index)] = summary(name, [r[index] * scale for r in results[name]], unit, fmt)
    time_ratio = medians[("game", 0)] / medians[("floor", 0)]
    rss_ratio = medians[("game", 1)] / medians[("floor", 1)]
    cpu_ratio = medians[("game", 3)] / medians[("floor", 3)]
    game_idle = max(r[2] for r in results["game"])
    print(f"game/floor start-up time {time_ratio:.2f} (target <= {TIME_RATIO_TARGET})")
    print(f"game/floor start-up CPU  {cpu_ratio:.2f}")
    print(f"game/floor peak RSS      {rss_ratio:.2f} (target <= {RSS_RATIO_TARGET})")
    print(f"game idle CPU, worst run {game_idle * 1000:.3f} ms in {args.idle:g} s (target 0)")
    met = time_ratio <= TIME_RATIO_TARGET and rss_ratio <= RSS_RATIO_TARGET and game_idle == 0
    print("start-up targets " + ("met" if met else "MISSED"))
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
