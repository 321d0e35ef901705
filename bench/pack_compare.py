#!/usr/bin/env python3
"""Times a packager built by scenario-pack against the plain scenario-packager
on the same scenario, and gives the size figure.

    bench/pack_compare.py [BUILD_DIR] [--rounds N] [--runs N]

The carried scenario (scenario-write-carried, built with the benchmarks, writes its five texts) is
packed with its own documents, so both packagers write the same six files.
Both run headless (no DISPLAY), each in a scratch folder of its own, in turns
(a run of one, then a run of the other, ROUNDS x RUNS times), so that the
other work of a busy machine falls on both alike. Prints the median wall time
and the mean CPU time (user and system, from wait4) of each and their ratios;
then the size of the built packager against the plain packager plus what it
carries (the bytes of its names and texts). Timings are never asserted.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

OUTPUTS = ["Corvena_Lidra1_7304_note.txt", "Corvena_Lidra1_7304_rallentamenti.txt",
           "Corvena_Lidra1_7304_scheda_treno.txt", "Corvena_Lidra1_linea.dat",
           "Corvena_Lidra1_7304.sim", "Corvena_Lidra1_7304.dat"]


def timed_run(executable, env):
    folder = os.path.dirname(executable)
    for name in OUTPUTS:
        try:
            os.remove(os.path.join(folder, name))
        except FileNotFoundError:
            pass
    start = time.perf_counter()
    child = subprocess.Popen([executable], env=env, stderr=subprocess.DEVNULL, cwd="/")
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"pack_compare: {executable} ended with {child.returncode}")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--runs", type=int, default=20)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    with tempfile.TemporaryDirectory() as scratch:
        texts = os.path.join(scratch, "texts")
        os.mkdir(texts)
        subprocess.run([os.path.join(build, "scenario-write-carried"), texts], check=True)
        plain = os.path.join(scratch, "plain", "scenario-packager")
        packed = os.path.join(scratch, "packed", "packager")
        os.mkdir(os.path.dirname(plain))
        os.mkdir(os.path.dirname(packed))
        shutil.copy2(os.path.join(build, "scenario-packager"), plain)
        t = lambda name: os.path.join(texts, name)
        subprocess.run([os.path.join(build, "scenario-pack"), t("line.txt"), t("train.txt"), "-o", packed,
                        "--notes", t("notes.txt"), "--slowdowns", t("slowdowns.txt"),
                        "--timetable", t("timetable.txt")], check=True, stderr=subprocess.DEVNULL)
        for executable in (plain, packed):  # warm-up
            for _ in range(3):
                timed_run(executable, env)
        times = {plain: [], packed: []}
        for _ in range(args.rounds * args.runs):
            for executable in (plain, packed):
                times[executable].append(timed_run(executable, env))
        print(f"{os.cpu_count()} cores, load {os.getloadavg()[0]:.1f}; "
              f"{args.rounds * args.runs} runs of each, in turns")
        print(f"{'':24} {'wall ms':>8} {'CPU ms':>8}")
        figures = {}
        for name, executable in (("scenario-packager", plain), ("built packager", packed)):
            wall = statistics.median(w for w, _ in times[executable]) * 1000
            cpu = statistics.mean(c for _, c in times[executable]) * 1000
            figures[name] = (wall, cpu)
            print(f"{name:24} {wall:8.1f} {cpu:8.1f}")
        (pw, pc), (bw, bc) = figures["scenario-packager"], figures["built packager"]
        print(f"{'ratio':24} {bw / pw:7.3f}x {bc / pc:7.3f}x   (target: at most 1.10x)")
        carried = sum(os.path.getsize(t(n)) for n in
                      ("line.txt", "train.txt", "notes.txt", "slowdowns.txt", "timetable.txt"))
        carried += len("Corvena_Lidra1") + len("7304")
        plain_size, packed_size = os.path.getsize(plain), os.path.getsize(packed)
        print(f"size: built packager {packed_size} bytes; scenario-packager {plain_size} + what it "
              f"carries {carried} = {plain_size + carried}; ratio {packed_size / (plain_size + carried):.5f} "
              f"(target: at most 1.05)")


if __name__ == "__main__":
    main()
