#!/usr/bin/env python3
"""Compares what two builds write, byte for byte, over many descriptions.

    scripts/same_outputs.py OLD_BUILD NEW_BUILD [--count N] [--seed S] [--keep DIR]
                            [--new-args ARGS] [--ignore-additions]

Both build folders need scenario-packager and scenario-compile; OLD_BUILD also
scenario-gen-descriptions. The runs compared:
  - the packager, headless, in a folder of its own: its six files, exit status
    and standard error;
  - scenario-compile over the examples, the fuzz seed pairs, generated lines
    (10 km to 1000 km) and N variants of those with random edits (lines
    deleted, doubled, swapped or cut, numbers changed, commas added, keywords
    re-cased), with --report, half of them with --no-route-file: every file
    written, the report, standard error and the exit status.
--new-args gives scenario-compile of NEW_BUILD extra arguments (one string,
split like a shell line), such as "--write-on-error". --ignore-additions
takes out of NEW_BUILD's report and standard error what a newer build says
beside what the older said: the warnings unknown-keyword, comment-comma,
name-comma and tab-cleared, notes, the lines on the records read, on a
reader that stopped and on OUTDIR left as it was, the report's keys for
them, and the error 25 of a record short of values on both sides (its
message and place are new); the warning count of the closing line is
counted again without the warnings taken out.
Exit status 0 when every run matches, 1 when one differs (the first
differences are printed), 2 on bad usage.
"""
import argparse
import filecmp
import json
import os
import random
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(cmd, cwd=None, env=None):
    return subprocess.run(cmd, cwd=cwd, env=env, capture_output=True, timeout=600)


def headless_env():
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    return env


def folder_differences(a, b):
    names_a, names_b = sorted(os.listdir(a)), sorted(os.listdir(b))
    if names_a != names_b:
        return [f"files {names_a} != {names_b}"]
    return [f"{n} differs" for n in names_a
            if not filecmp.cmp(os.path.join(a, n), os.path.join(b, n), shallow=False)]


def compare_packager(old, new, scratch):
    results = []
    for label, build in (("old", old), ("new", new)):
        folder = os.path.join(scratch, "packager-" + label)
        os.makedirs(folder)
        shutil.copy2(os.path.join(build, "scenario-packager"), folder)
        done = run([os.path.join(folder, "scenario-packager")], cwd=folder, env=headless_env())
        os.remove(os.path.join(folder, "scenario-packager"))
        results.append((done.returncode, done.stderr, folder))
    problems = []
    if results[0][:2] != results[1][:2]:
        problems.append(f"exit/stderr {results[0][:2]} != {results[1][:2]}")
    problems += folder_differences(results[0][2], results[1][2])
    return problems


def compile_once(build, line, train, out, extra):
    os.makedirs(out)
    report = out + ".json"
    done = run([os.path.join(build, "scenario-compile"), *extra, "--report", report, line, train, out],
               env=headless_env())
    text = open(report, "rb").read() if os.path.exists(report) else b""
    # Reports carry the count of warnings left out of them beyond the first
    # 100 of a kind; none left out reads as an older build's report.
    text = text.replace(b'  "omitted": {},\n', b"")
    return done.returncode, done.stderr.replace(out.encode(), b"OUT"), text.replace(out.encode(), b"OUT")


ADDED_WARNINGS = ("unknown-keyword", "comment-comma", "name-comma", "tab-cleared")
HEADER = re.compile(rb"^\S.*?(:\d+)?(:\d+)?: (error|warning|note): ")
ADDED_LINES = (re.compile(rb"^scenario-compile: read "),
               re.compile(rb"^scenario-compile: .* (was|were) not read: .* reader \(error \d+\)$"),
               re.compile(rb"^scenario-compile: neither description was read: "),
               re.compile(rb"^scenario-compile: error code \d+: .* left as it was; "))
COUNT_LINE = re.compile(rb"^scenario-compile: (\d+) errors?, (\d+) warnings?(.*)$")


def short_record(message):
    return b" record needs " in message and b" found before " in message


def blocks(stderr):
    """Standard error as blocks: a diagnostic with its source and caret lines, or one line."""
    out = []
    for line in stderr.split(b"\n"):
        if HEADER.match(line) or line.startswith(b"scenario-compile: ") or not out:
            out.append([line])
        else:
            out[-1].append(line)
    return out


def strip_stderr(stderr, drop_short_records):
    kept, removed_warnings = [], 0
    for block in blocks(stderr):
        head = block[0]
        if head.endswith(tuple(b"[-W" + w.encode() + b"]" for w in ADDED_WARNINGS)):
            removed_warnings += 1
            continue
        if b": note: " in head and HEADER.match(head):
            continue
        if drop_short_records and head.endswith(b"[error 25]") and HEADER.match(head):
            continue
        if any(p.match(head) for p in ADDED_LINES):
            continue
        kept.append(block)
    lines = b"\n".join(b"\n".join(block) for block in kept).split(b"\n")
    for i, line in enumerate(lines):
        m = COUNT_LINE.match(line)
        if m:
            errors, warnings = int(m.group(1)), int(m.group(2)) - removed_warnings
            lines[i] = (b"scenario-compile: %d error%s, %d warning%s" % (
                errors, b"" if errors == 1 else b"s", warnings, b"" if warnings == 1 else b"s")) + m.group(3)
    return b"\n".join(lines)


def strip_report(text, drop_short_records):
    if not text:
        return text
    report = json.loads(text)
    for key in ("held_back", "records_read", "reader_stops"):
        report.pop(key, None)
    kept = []
    for d in report.get("diagnostics", []):
        d.pop("notes", None)
        if d.get("warning") in ADDED_WARNINGS:
            continue
        if drop_short_records and d.get("code") == 25:
            continue
        kept.append(d)
    report["diagnostics"] = kept
    return json.dumps(report, sort_keys=True, indent=1).encode()


# How many compiles recorded an error code (exit status 1 on the older build),
# and how many had a short record's error 25 set aside on both sides.
TALLY = {"error code": 0, "short record": 0}


def without_additions(old, new):
    """Both runs' (status, stderr, report) with what only the newer build says taken out."""
    report = json.loads(new[2]) if new[2] else {}
    shorts = any(short_record(d.get("message", "").encode()) for d in report.get("diagnostics", []))
    shorts = shorts or short_record(new[1])
    TALLY["error code"] += old[0] == 1
    TALLY["short record"] += shorts
    return ((old[0], strip_stderr(old[1], shorts), strip_report(old[2], shorts)),
            (new[0], strip_stderr(new[1], shorts), strip_report(new[2], shorts)))


def compare_compile(old, new, line, train, work, extra, new_extra=(), ignore_additions=False):
    a = compile_once(old, line, train, os.path.join(work, "old"), extra)
    b = compile_once(new, line, train, os.path.join(work, "new"), [*new_extra, *extra])
    if ignore_additions:
        a, b = without_additions(a, b)
    problems = []
    for what, x, y in (("exit status", a[0], b[0]), ("stderr", a[1], b[1]), ("report", a[2], b[2])):
        if x != y:
            problems.append(f"{what}: {x[:300]!r} != {y[:300]!r}")
    problems += folder_differences(os.path.join(work, "old"), os.path.join(work, "new"))
    return problems


NUMBER = re.compile(rb"-?\d+")


def mutate(text, rng):
    lines = text.split(b"\n")
    for _ in range(rng.randint(1, 4)):
        if not lines:
            break
        i = rng.randrange(len(lines))
        kind = rng.randrange(8)
        if kind == 0:
            del lines[i]
        elif kind == 1:
            lines.insert(i, lines[i])
        elif kind == 2:
            j = rng.randrange(len(lines))
            lines[i], lines[j] = lines[j], lines[i]
        elif kind == 3:
            lines = lines[: max(1, i)]
        elif kind == 4:
            numbers = list(NUMBER.finditer(lines[i]))
            if numbers:
                m = rng.choice(numbers)
                value = int(m.group())
                value = rng.choice([value + rng.randint(-60, 60), value * 2, -value, 0,
                                    rng.randint(-200, 1200000), value + 25])
                lines[i] = lines[i][: m.start()] + str(value).encode() + lines[i][m.end():]
        elif kind == 5:
            at = rng.randrange(len(lines[i]) + 1)
            lines[i] = lines[i][:at] + b"," + lines[i][at:]
        elif kind == 6:
            lines[i] = lines[i].upper() if rng.random() < 0.5 else lines[i].lower()
        else:
            lines.insert(i, rng.choice([b"- a comment", b"-", b"[curve]", b"", b"x, 5, 7"]))
    return b"\n".join(lines)


def base_pairs(old, scratch):
    pairs = [(os.path.join(ROOT, "examples/line.txt"), os.path.join(ROOT, "examples/train.txt"))]
    seeds = os.path.join(ROOT, "fuzz/seeds")
    for name in sorted(os.listdir(seeds)):
        if name.endswith(".line.txt"):
            train = os.path.join(seeds, name[: -len(".line.txt")] + ".train.txt")
            if os.path.exists(train):
                pairs.append((os.path.join(seeds, name), train))
    # At the top of the build folder; builds from before the executables
    # were gathered there keep it in bench/.
    generator = os.path.join(old, "scenario-gen-descriptions")
    if not os.path.exists(generator):
        generator = os.path.join(old, "bench/scenario-gen-descriptions")
    for length in (10000, 25000, 137000, 1000000):
        line = os.path.join(scratch, f"gen{length}.line.txt")
        train = os.path.join(scratch, f"gen{length}.train.txt")
        done = run([generator, str(length), line, train])
        if done.returncode != 0:
            sys.exit(f"same_outputs: {generator} failed: {done.stderr.decode(errors='replace')}")
        pairs.append((line, train))
    return pairs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep", help="keep the scratch folder here")
    parser.add_argument("--new-args", default="", help="extra scenario-compile arguments for NEW_BUILD")
    parser.add_argument("--ignore-additions", action="store_true",
                        help="leave out of NEW_BUILD's report and stderr what only it says")
    args = parser.parse_args()
    new_extra = shlex.split(args.new_args)
    old, new = os.path.abspath(args.old), os.path.abspath(args.new)
    scratch = args.keep or tempfile.mkdtemp(prefix="same_outputs.")
    os.makedirs(scratch, exist_ok=True)
    rng = random.Random(args.seed)
    failures = 0
    runs = 0

    def note(label, problems):
        nonlocal failures, runs
        runs += 1
        if problems:
            failures += 1
            if failures <= 10:
                print(f"DIFFERS {label}:\n  " + "\n  ".join(problems))

    try:
        note("packager", compare_packager(old, new, scratch))
        pairs = base_pairs(old, scratch)
        for n, (line, train) in enumerate(pairs):
            for extra in ([], ["--no-route-file"]):
                work = os.path.join(scratch, f"base{n}{'n' if extra else ''}")
                note(f"{line} {train} {extra}", compare_compile(old, new, line, train, work, extra,
                                                                new_extra, args.ignore_additions))
        small = [p for p in pairs if "gen1000000" not in p[0]]
        for n in range(args.count):
            line, train = rng.choice(small)
            work = os.path.join(scratch, f"variant{n}")
            os.makedirs(work)
            texts = [open(line, "rb").read(), open(train, "rb").read()]
            which = rng.randrange(3)  # line, train or both
            if which in (0, 2):
                texts[0] = mutate(texts[0], rng)
            if which in (1, 2):
                texts[1] = mutate(texts[1], rng)
            paths = [os.path.join(work, "line.txt"), os.path.join(work, "train.txt")]
            for path, text in zip(paths, texts):
                open(path, "wb").write(text)
            extra = ["--no-route-file"] if rng.random() < 0.5 else []
            note(f"variant {n} of {line} (kept in {work})",
                 compare_compile(old, new, *paths, work, extra, new_extra, args.ignore_additions))
            if not args.keep and failures == 0:
                shutil.rmtree(work)
    finally:
        if not args.keep and failures == 0:
            shutil.rmtree(scratch, ignore_errors=True)
    print(f"same_outputs: {runs - failures} of {runs} runs write the same bytes"
          + ("" if failures == 0 else f"; {failures} differ (scratch kept in {scratch})"))
    if args.ignore_additions:
        print(f"same_outputs: {TALLY['error code']} compiles recorded an error code; "
              f"{TALLY['short record']} had a short record's error 25 set aside")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
