"""The drawn mutants, their results, and the report.

The state file holds every mutant drawn and its result, rewritten after each
one, so an interrupted run goes on where it stopped. A mutant keeps the text
of its line, so it is found again when lines above it moved.
"""
import json
import os
import random

from mutation.operators import find_mutants

SOURCE_SUFFIXES = (".cc", ".h")
# Results that count: killed (a test failed, crashed or hung) or survived.
COUNTED = ("killed", "timeout", "survived")


def source_files(root, paths):
    """The non-test sources under the given folders (or single files)."""
    found = []
    for path in paths:
        full = os.path.join(root, path)
        if os.path.isfile(full):
            found.append(path)
            continue
        for folder, _dirs, names in os.walk(full):
            for name in names:
                if name.endswith(SOURCE_SUFFIXES) and "test" not in name:
                    found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(set(found))


def draw(root, paths, seed, count):
    candidates = []
    for relpath in source_files(root, paths):
        with open(os.path.join(root, relpath), encoding="latin-1") as f:
            text = f.read()
        for mutant in find_mutants(relpath, text):
            line_start = text.rfind("\n", 0, mutant["offset"]) + 1
            line_end = text.find("\n", mutant["offset"])
            mutant["line"] = text.count("\n", 0, mutant["offset"]) + 1
            mutant["column"] = mutant["offset"] - line_start
            mutant["line_text"] = text[line_start:line_end if line_end >= 0 else len(text)]
            mutant["id"] = (f'{relpath}:{mutant["offset"]}:{mutant["operator"]}:'
                            f'{mutant["replacement"]}')
            candidates.append(mutant)
    candidates.sort(key=lambda m: m["id"])
    random.Random(seed).shuffle(candidates)
    return candidates[:count], len(candidates)


def load(path):
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return json.load(f)


def save(path, state):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path + ".new", "w") as f:
        json.dump(state, f, indent=1)
    os.replace(path + ".new", path)


def locate(text, mutant):
    """The mutant's offset in the current text, or None when its line is gone."""
    offset, original = mutant["offset"], mutant["original"]
    if text[offset:offset + len(original)] == original:
        line_start = text.rfind("\n", 0, offset) + 1
        if text.startswith(mutant["line_text"], line_start):
            return offset
    lines = text.split("\n")
    matches = [i for i, line in enumerate(lines) if line == mutant["line_text"]]
    if len(matches) != 1:
        return None
    offset = sum(len(line) + 1 for line in lines[:matches[0]]) + mutant["column"]
    return offset if text[offset:offset + len(original)] == original else None


def equivalence_key(mutant):
    original = " ".join(mutant["original"].split())
    stripped = mutant["line_text"].strip()
    column = mutant["column"] - (len(mutant["line_text"]) - len(mutant["line_text"].lstrip()))
    return f'{mutant["file"]} | {stripped} | {column} | {original} -> {mutant["replacement"]}'


def load_equivalents(path):
    if not path or not os.path.exists(path):
        return {}
    verdicts = {}
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                key, _, why = line.rstrip("\n").partition(" # ")
                verdicts[key.strip()] = why.strip()
    return verdicts
