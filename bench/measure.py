"""Prints the program's cost side by side with what it is measured against.
A measuring script, not a test: it never fails on a figure.

  /usr/bin/python3 bench/measure.py [--runs N]

- Wall time under Wine: the program staging nothing (a missing INF with
  SP_COPY_NOOVERWRITE) against bench/bare_call.c making the same call and
  printing nothing; medians and their ratio (goal: 1.05 or less).
- The program's stripped size (goal: at most 20 KiB).
- The native usage path under valgrind: heap allocations (memcheck) and
  instructions (callgrind), against bench/usage_print.c.
"""
import argparse
import os
import platform
import re
import shutil
import statistics
import subprocess
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
PROGRAM = os.path.join(BUILD, "win32", "setupcopyoeminf.exe")
NATIVE = os.path.join(BUILD, "native", "setupcopyoeminf")


def run(command, **options):
    return subprocess.run(command, check=True, cwd=ROOT, **options)


def build(work):
    for preset in ("native", "win32"):
        run(["cmake", "--preset", preset], stdout=subprocess.DEVNULL)
        run(["cmake", "--build", "--preset", preset, "--target", "setupcopyoeminf"],
            stdout=subprocess.DEVNULL)
    bare = os.path.join(work, "bare_call.exe")
    run(["i686-w64-mingw32-gcc", "-Os", "-municode", "-s", "-o", bare,
         os.path.join(ROOT, "bench", "bare_call.c"), "-lsetupapi"])
    usage = os.path.join(work, "usage_print")
    run(["cc", "-O2", "-o", usage, os.path.join(ROOT, "bench", "usage_print.c")])
    return bare, usage


def median_seconds(command, runs, environment):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, env=environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def wine_times(bare, runs, work):
    environment = dict(os.environ, WINEPREFIX=os.path.join(work, "prefix"), WINEARCH="win32",
                       WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    run(["sh", "tests/wine/prefix.sh", "create", environment["WINEPREFIX"]],
        env=environment, stderr=subprocess.DEVNULL)
    # A wineserver that stays up, so each run pays for the program, not Wine.
    server = subprocess.Popen(["wineserver", "-f", "-p"], env=environment)
    try:
        missing = "Z:\\nonexistent\\missing.inf"
        for command in (["wine", PROGRAM, missing], ["wine", bare, missing]):
            median_seconds(command, 3, environment)  # warm up
        program = median_seconds(["wine", PROGRAM, missing, "SP_COPY_NOOVERWRITE"], runs,
                                 environment)
        reference = median_seconds(["wine", bare, missing], runs, environment)
    finally:
        subprocess.run(["wineserver", "-k"], env=environment, check=False)
        server.wait()
    return program, reference


def heap_allocations(command):
    result = subprocess.run(["valgrind", "--tool=memcheck"] + command, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, check=False)
    match = re.search(r"total heap usage: ([\d,]+) allocs", result.stderr)
    return int(match.group(1).replace(",", ""))


def instructions(command, work):
    output = os.path.join(work, "callgrind.out")
    subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + output] + command,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    with open(output, encoding="ascii") as profile:
        for line in profile:
            if line.startswith("summary:") or line.startswith("totals:"):
                return int(line.split()[1])
    raise RuntimeError("no instruction total in " + output)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=31)
    arguments = parser.parse_args()
    if shutil.which("valgrind") is None:
        run(["apt-get", "install", "-y", "-qq", "valgrind"], stdout=subprocess.DEVNULL)

    work = tempfile.mkdtemp(prefix="measure-")
    try:
        bare, usage = build(work)
        program_time, reference_time = wine_times(bare, arguments.runs, work)
        stripped = os.path.join(work, "stripped.exe")
        run(["i686-w64-mingw32-strip", "-o", stripped, PROGRAM])
        size = os.path.getsize(stripped)
        native = [heap_allocations([NATIVE]), instructions([NATIVE], work)]
        reference = [heap_allocations([usage]), instructions([usage], work)]
    finally:
        shutil.rmtree(work)

    with open("/proc/cpuinfo", encoding="ascii", errors="replace") as cpuinfo:
        model = next((line.split(":", 1)[1].strip() for line in cpuinfo
                      if line.startswith("model name")), platform.processor())
    print("machine: %s, %d cores, %s" % (model, os.cpu_count(), platform.platform()))
    print("%-44s %14s %14s %8s" % ("figure", "program", "reference", "ratio"))
    print("%-44s %14.1f %14.1f %8.3f" % (
        "median wall time under Wine, ms (%d runs)" % arguments.runs,
        program_time * 1000, reference_time * 1000, program_time / reference_time))
    print("%-44s %14d %14s %8s  goal: <= 20480" % ("stripped size, bytes", size, "", ""))
    print("%-44s %14d %14d %8s" % ("native usage path: heap allocations", native[0],
                                   reference[0], ""))
    print("%-44s %14d %14d %8.3f" % ("native usage path: instructions", native[1],
                                     reference[1], native[1] / reference[1]))


if __name__ == "__main__":
    main()
