"""Builds and runs the suite, once per mutant, in a build folder of its own.

The mutated source file is written in place and put back whatever happens:
the original is copied into the build folder first, so even a run killed
outright puts it back when the script next starts.
"""
import os
import shutil
import signal
import subprocess
import time

TARGET = "scenario_tests"


class Interrupted(Exception):
    pass


def _raise_interrupted(signum, _frame):
    raise Interrupted(f"signal {signum}")


def trap_signals():
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, _raise_interrupted)


class Runner:
    def __init__(self, root, build_dir, work_dir, sanitize, jobs, log):
        self.root, self.build_dir, self.sanitize, self.jobs, self.log = \
            root, build_dir, sanitize, jobs, log
        self.backup_dir = os.path.join(work_dir, "original")

    def configure(self):
        if os.path.exists(os.path.join(self.build_dir, "CMakeCache.txt")):
            return
        os.makedirs(self.build_dir, exist_ok=True)
        # -O1 without debug information: the quickest rebuild that still runs
        # the suite in seconds.
        flags = ["-DSCENARIO_WITH_BENCH=OFF", "-DSCENARIO_WITH_GUI=OFF",
                 "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=-O1 -g0"]
        if self.sanitize:
            flags = ["-DSCENARIO_WITH_BENCH=OFF", "-DSCENARIO_WITH_GUI=OFF",
                     "-DSCENARIO_SANITIZE=ON", "-DCMAKE_BUILD_TYPE=None",
                     "-DCMAKE_CXX_FLAGS=-O0 -gline-tables-only"]
            if shutil.which("clang++"):
                flags.append("-DCMAKE_CXX_COMPILER=clang++")
        subprocess.run(["cmake", "-S", self.root, "-B", self.build_dir] + flags,
                       check=True, stdout=subprocess.DEVNULL)

    def build(self, timeout):
        done = _run(["cmake", "--build", self.build_dir, f"-j{self.jobs}", "--target", TARGET],
                    timeout, cwd=self.root, env=os.environ)
        return done

    def test(self, timeout):
        """Runs the suite split in `jobs` shards at once; the first failing
        shard ends the others. Returns (passed, timed_out, detail)."""
        env = dict(os.environ, GTEST_TOTAL_SHARDS=str(self.jobs))
        env.pop("DISPLAY", None)
        if self.sanitize:
            env["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=1"
            env["UBSAN_OPTIONS"] = "halt_on_error=1:print_stacktrace=1"
        binary = os.path.join(self.build_dir, TARGET)
        shards = []
        for index in range(self.jobs):
            shard_env = dict(env, GTEST_SHARD_INDEX=str(index))
            # Output goes to a file: a pipe nobody reads could fill and stall the shard.
            output = open(os.path.join(self.build_dir, f"mutate-shard-{index}.log"), "w+b")
            proc = subprocess.Popen(
                [binary, "--gtest_brief=1", "--gtest_fail_fast"], cwd=self.build_dir,
                env=shard_env, stdout=output, stderr=subprocess.STDOUT, start_new_session=True)
            proc.output = output
            shards.append(proc)
        deadline = time.monotonic() + timeout
        try:
            while True:
                states = [p.poll() for p in shards]
                failed = [p for p, rc in zip(shards, states) if rc not in (None, 0)]
                if failed:
                    return False, False, _first_failure(failed[0])
                if all(rc == 0 for rc in states):
                    return True, False, ""
                if time.monotonic() > deadline:
                    return False, True, f"timeout after {timeout:.0f} s"
                time.sleep(0.05)
        finally:
            for p in shards:
                if p.poll() is None:
                    os.killpg(p.pid, signal.SIGKILL)
                p.wait()
                p.output.close()

    # The source file under mutation.

    def restore_leftover(self):
        marker = os.path.join(self.backup_dir, "path")
        if not os.path.exists(marker):
            return
        with open(marker) as f:
            path = f.read()
        shutil.copyfile(os.path.join(self.backup_dir, "content"), path)
        os.remove(marker)
        self.log(f"put back {path}, left mutated by an earlier run")

    def apply(self, relpath, original_text, mutated_text):
        os.makedirs(self.backup_dir, exist_ok=True)
        with open(os.path.join(self.backup_dir, "content"), "w", encoding="latin-1",
                  newline="") as f:
            f.write(original_text)
        with open(os.path.join(self.backup_dir, "path"), "w") as f:
            f.write(os.path.join(self.root, relpath))
        with open(os.path.join(self.root, relpath), "w", encoding="latin-1", newline="") as f:
            f.write(mutated_text)

    def restore(self, relpath, original_text):
        with open(os.path.join(self.root, relpath), "w", encoding="latin-1", newline="") as f:
            f.write(original_text)
        os.remove(os.path.join(self.backup_dir, "path"))


def _run(cmd, timeout, cwd, env):
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out.decode(errors="replace")
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        return None, "timeout"
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        raise


def _first_failure(proc):
    proc.output.seek(0)
    out = proc.output.read().decode(errors="replace")
    for line in out.splitlines():
        if line.startswith("[  FAILED  ]"):
            return "failed " + line[12:].strip().split(" ")[0].rstrip(",")
    for marker in ("runtime error:", "ERROR: AddressSanitizer", "ERROR: LeakSanitizer"):
        for line in out.splitlines():
            if marker in line:
                return "sanitizer: " + line.strip()[:160]
    return f"suite exit status {proc.returncode}"
