#!/usr/bin/env python3
"""Start-up of the program against a bare Qt Quick window.

Starts build/benchmarks/bench_start_app (the program, quitting at its first frame) and
build/benchmarks/bench_start_bare (a bare window of the same size importing Quick Controls 1
and 2) in turn, offscreen, each in a private home with its standard output going to a file, and
prints the medians of launch to first frame and of peak memory, and the program's figures as
multiples of the bare window's.
The two sides alternate, so a machine that gets busier slows both alike.

    benchmarks/bench_start.py [BUILD_DIR] [--runs N]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def launch(exe, home):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software", HOME=home,
               XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
               XDG_CACHE_HOME=home + "/.cache", XDG_RUNTIME_DIR=home)
    # Standard output goes to a file, as from a desktop launcher: read through a pipe, every line
    # the program writes would wake this script on the cores the program runs on.
    with tempfile.TemporaryFile(dir=home) as console:
        started = time.monotonic_ns()
        child = subprocess.Popen([exe], env=env, stdout=console, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        console.seek(0)
        out = console.read()
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{exe} exited with {child.returncode}")
    frame = [line for line in out.decode().splitlines() if line.startswith("first-frame-ns ")]
    if not frame:
        sys.exit(f"{exe} drew no frame")
    ms = (int(frame[0].split()[1]) - started) / 1e6
    return ms, usage.ru_maxrss / 1024.0  # MiB


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    exes = {side: os.path.join(args.build, "benchmarks", "bench_start_" + side) for side in ("app", "bare")}
    for exe in exes.values():
        if not os.access(exe, os.X_OK):
            sys.exit(f"No {exe}: build first (make build)")
    results = {side: [] for side in exes}
    with tempfile.TemporaryDirectory() as home:
        for side in exes:  # one unmeasured start each fills the disk cache
            launch(exes[side], home)
        for run in range(args.runs):
            order = ("app", "bare") if run % 2 == 0 else ("bare", "app")
            for side in order:
                results[side].append(launch(exes[side], home))
    median = {side: (statistics.median(r[0] for r in results[side]),
                     statistics.median(r[1] for r in results[side])) for side in results}
    app, bare = median["app"], median["bare"]
    print(f"medians of {args.runs} runs, offscreen  program   bare window  ratio")
    print(f"launch to first frame (ms)   {app[0]:9.1f}  {bare[0]:11.1f}  {app[0] / bare[0]:5.2f}")
    print(f"peak memory (MiB)            {app[1]:9.1f}  {bare[1]:11.1f}  {app[1] / bare[1]:5.2f}"
          f"  (+{app[1] - bare[1]:.1f} MiB)")
    print(f"goals: time ratio <= 1.5 {'met' if app[0] <= 1.5 * bare[0] else 'MISSED'}; "
          f"memory <= +20 MiB {'met' if app[1] - bare[1] <= 20 else 'MISSED'}")


if __name__ == "__main__":
    main()
