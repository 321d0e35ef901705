"""The score and the survivors of a run."""
from collections import Counter

from mutation.state import COUNTED, equivalence_key


def describe(mutant):
    original = " ".join(mutant["original"].split())
    if len(original) > 60:
        original = original[:57] + "..."
    return (f'{mutant["file"]}:{mutant["line"]}: {mutant["operator"]}: '
            f'{original} -> {mutant["replacement"]}')


def print_report(state, equivalents, out):
    mutants = state["mutants"]
    statuses = Counter(m.get("status", "pending") for m in mutants)
    killed = statuses["killed"] + statuses["timeout"]
    survivors = [m for m in mutants if m.get("status") == "survived"]
    equivalent = [m for m in survivors if equivalence_key(m) in equivalents]
    seconds = sum(m.get("seconds", 0) for m in mutants)
    out(f"mutants: {len(mutants)} drawn (seed {state['seed']}) of {state.get('candidates', '?')}"
        f" candidates; {seconds / 60:.1f} min of builds and suites")
    out("  " + ", ".join(f"{statuses[s]} {s}" for s in
                         ("killed", "timeout", "survived", "uncompiled", "stale", "pending")))
    counted = sum(statuses[s] for s in COUNTED)
    if counted:
        out(f"score: {killed} of {counted} killed ({100 * killed / counted:.1f} %)")
    if counted - len(equivalent):
        real = counted - len(equivalent)
        out(f"score without the {len(equivalent)} equivalent: {killed} of {real} "
            f"({100 * killed / real:.1f} %)")
    by_operator = Counter(m["operator"] for m in mutants if m.get("status") in COUNTED)
    killed_by = Counter(m["operator"] for m in mutants if m.get("status") in ("killed", "timeout"))
    out("killed by operator: " + ", ".join(f"{op} {killed_by[op]}/{n}"
                                           for op, n in sorted(by_operator.items())))
    if survivors:
        out("survivors:")
    for m in sorted(survivors, key=lambda m: (m["file"], m["line"])):
        verdict = equivalents.get(equivalence_key(m))
        out(f"  {describe(m)}" + (f"  [equivalent: {verdict}]" if verdict is not None else ""))
        out(f"      {m['line_text'].strip()}")
        if verdict is None:
            out(f"      key: {equivalence_key(m)}")
