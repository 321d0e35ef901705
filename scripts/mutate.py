#!/usr/bin/env python3
"""Mutation testing of the core: does the suite notice a wrong byte?

    scripts/mutate.py [--count N] [--seed S] [--sanitize] [--survivors] [--report] [--list]

Draws N mutants with a fixed seed over the non-test sources of descriptions/,
grid/, records/ and app/compile_step.cc (relational flips, integer constants
+-1, && and ||, + and -, ++ and --, * to /, true and false, std::min and
std::max, rounding turned into truncation, an assignment, write or call
removed); comments, string literals and directives are never mutated. Each
mutant is written into its source file in a copy of the last commit
(build-mutation/source/, so the work tree stays free for editing), built in
build-mutation/build/ (only the suite and the programs it runs) and the suite
run on it in two shards; the source file is put back whatever happens, also
on Ctrl-C. Commit a new test before running its mutants again.

Results go to build-mutation/state.json after every mutant: run the same
command again to go on where it stopped; a larger --count adds mutants.
A mutant that does not compile counts apart. At the end the score and every
survivor are printed; survivors listed in scripts/mutation/equivalent.txt
(by the key printed under them) are reported as equivalent.

  --survivors  run the survivors of the state file again (after a new test),
               but those listed as equivalent
  --sanitize   build with AddressSanitizer and UndefinedBehaviorSanitizer in
               build-mutation/build-asan/: faults that leave every output
               byte unchanged (a shift past the width) show there
  --in-place   mutate the work tree itself (uncommitted edits included)
  --only REGEX run every candidate whose description (as printed, e.g.
               "records/encoding.h:34: relational: < -> <=") matches REGEX,
               outside the drawn sample, with results in only-state.json
  --report     print the report of the state file and stop
  --list       print the mutants that would be drawn and stop

Run on demand only: a hundred mutants take one to two hours on two cores.
"""
import argparse
import fcntl
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mutation import runner, snapshot, state as states  # noqa: E402
from mutation.report import describe, print_report  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PATHS = ["descriptions", "grid", "records", "app/compile_step.cc"]


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=17)
    parser.add_argument("--paths", nargs="+", default=PATHS)
    parser.add_argument("--work-dir", default=os.path.join(ROOT, "build-mutation"))
    parser.add_argument("--equivalent",
                        default=os.path.join(ROOT, "scripts", "mutation", "equivalent.txt"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=float,
                        help="seconds for the suite (default: 4 x the clean run, at least 60)")
    parser.add_argument("--build-timeout", type=float, default=900)
    parser.add_argument("--sanitize", action="store_true")
    parser.add_argument("--survivors", action="store_true")
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--in-place", action="store_true")
    parser.add_argument("--only")
    parser.add_argument("--build-dir")
    parser.add_argument("--fresh", action="store_true", help="forget the results of earlier runs")
    args = parser.parse_args()
    args.work_dir = os.path.abspath(args.work_dir)
    args.state = os.path.join(args.work_dir, "only-state.json" if args.only else "state.json")
    args.source = ROOT if args.in_place else os.path.join(args.work_dir, "source")
    if args.build_dir is None:
        args.build_dir = os.path.join(args.work_dir, "build-asan" if args.sanitize else "build")
        if args.in_place:
            args.build_dir += "-in-place"
    args.build_dir = os.path.abspath(args.build_dir)
    return args


def prepare_state(args):
    state = None if args.fresh else states.load(args.state)
    if state is not None and state["seed"] != args.seed:
        sys.exit(f"mutate: {args.state} holds a run with seed {state['seed']}; "
                 "use --fresh to start over")
    if args.report or (args.survivors and state is not None):
        return state
    if args.only:
        drawn, candidates = states.draw(args.source, args.paths, args.seed, None)
        picked = [m for m in drawn if re.search(args.only, describe(m))]
        return {"seed": args.seed, "candidates": candidates, "mutants": picked}
    drawn, candidates = states.draw(args.source, args.paths, args.seed, args.count)
    state = state or {"seed": args.seed, "mutants": []}
    state["candidates"] = candidates
    known = {m["id"] for m in state["mutants"]}
    for mutant in drawn:
        if len(state["mutants"]) >= args.count:
            break
        if mutant["id"] not in known:
            state["mutants"].append(mutant)
    return state


def run_one(run, mutant, timeouts, sanitize):
    path = os.path.join(run.root, mutant["file"])
    with open(path, encoding="latin-1") as f:
        text = f.read()
    offset = states.locate(text, mutant)
    if offset is None:
        return "stale", "its line is gone from the source"
    mutated = text[:offset] + mutant["replacement"] + text[offset + len(mutant["original"]):]
    run.apply(mutant["file"], text, mutated)
    try:
        status, output = run.build(timeouts[1])
        if status != 0:
            return "uncompiled", "build timed out" if status is None else "does not compile"
        passed, timed_out, detail = run.test(timeouts[0])
        if passed:
            return "survived", "sanitizer build" if sanitize else ""
        return ("timeout" if timed_out else "killed"), detail
    finally:
        run.restore(mutant["file"], text)


def main():
    args = parse_arguments()
    run = runner.Runner(args.source, args.build_dir, args.work_dir, args.sanitize, args.jobs, print)
    if not args.report:
        # One run at a time per work folder: a second one would refresh the
        # copy or put back a file under the first one's build.
        os.makedirs(args.work_dir, exist_ok=True)
        lock = open(os.path.join(args.work_dir, "lock"), "w")
        try:
            fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            sys.exit(f"mutate: another run is using {args.work_dir}")
        runner.trap_signals()
        run.restore_leftover()
        if not args.in_place:
            snapshot.refresh(ROOT, args.source, print)
    state = prepare_state(args)
    equivalents = states.load_equivalents(args.equivalent)
    if state is None:
        sys.exit(f"mutate: no results in {args.state}")
    if args.list:
        for m in state["mutants"]:
            print(describe(m))
        return 0
    wanted = "survived" if args.survivors else "pending"
    todo = sorted((m for m in state["mutants"] if m.get("status", "pending") == wanted
                   and states.equivalence_key(m) not in equivalents),
                  key=lambda m: (m["file"], m["offset"]))
    if args.report or not todo:
        print_report(state, equivalents, print)
        return 0
    run.configure()
    status, output = run.build(args.build_timeout)
    if status != 0:
        sys.exit("mutate: the unmutated sources do not build:\n" + output[-3000:])
    started = time.monotonic()
    passed, _timed_out, detail = run.test(3600)
    if not passed:
        sys.exit(f"mutate: the suite fails without any mutant ({detail})")
    suite_seconds = time.monotonic() - started
    timeouts = (args.timeout or max(60.0, 4 * suite_seconds), args.build_timeout)
    print(f"clean suite: {suite_seconds:.1f} s; suite timeout {timeouts[0]:.0f} s; "
          f"{len(todo)} to run")
    try:
        for number, mutant in enumerate(todo, 1):
            started = time.monotonic()
            mutant["status"], mutant["detail"] = run_one(run, mutant, timeouts, args.sanitize)
            mutant["seconds"] = round(time.monotonic() - started, 1)
            states.save(args.state, state)
            print(f"[{number}/{len(todo)}] {mutant['status']:<10} {describe(mutant)}"
                  f" ({mutant['seconds']:.0f} s) {mutant['detail']}", flush=True)
    except runner.Interrupted:
        states.save(args.state, state)
        print("mutate: interrupted; the source is put back; run again to go on", file=sys.stderr)
        return 130
    print_report(state, equivalents, print)
    return 0


if __name__ == "__main__":
    sys.exit(main())
