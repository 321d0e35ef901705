#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build
# (with the live viewer's page in headless Chromium), the cross-check of the
# carried content, then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
# Playwright's core at the version the lock file pins (it runs on the
# Node.js 18 of a bare Debian 12); it drives Debian's own Chromium and never
# downloads a browser.
# Without it (no route to the registry, or a certificate the machine does
# not trust) every other test still runs and the browser tests are reported
# as skipped, loudly; CI (SCENARIO_CI=1) requires them.
browser_required=1
if ! (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error); then
  [ -n "${SCENARIO_CI:-}" ] && { echo "test.sh: npm ci failed; CI requires the browser tests" >&2; exit 1; }
  echo "test.sh: npm ci failed: the live viewer's browser tests are SKIPPED on this machine" >&2
  browser_required=""
fi
SCENARIO_BROWSER_REQUIRED=$browser_required ctest --test-dir build --output-on-failure -j"$(nproc)"

# An independent cross-check of the carried content: a second reader of the
# carried texts, written apart from the C++ one, checks the counts, lines,
# cells and document layouts the carried scenario must keep (under a second).
python3 content/tools/check_scenario.py

# The sanitizer suite: no recovery, so any finding fails the test that makes
# it. Without the GUI the platform layer is the console stand-in. clang at -O0
# compiles it in less than half the time g++ at -O1 takes; line tables are enough
# for the reports.
asan_compiler=(-DCMAKE_CXX_FLAGS="-O1 -g1")
if command -v clang++ >/dev/null; then
  asan_compiler=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-O0 -gline-tables-only")
fi
cmake -S . -B build-asan -DSCENARIO_SANITIZE=ON -DSCENARIO_WITH_BENCH=OFF \
  -DSCENARIO_WITH_GUI=OFF -DCMAKE_BUILD_TYPE=None "${asan_compiler[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
# One process for the whole suite: under the sanitizers a process takes a
# good part of a second to start, so ctest's process per test would cost
# five times as long. Leaks are reported when it ends.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build-asan/scenario_tests --gtest_brief=1

if command -v clang++ >/dev/null; then
  fuzz/run.sh 60
else
  echo "fuzz: no clang++, the fuzz targets are not run" >&2
fi
[ -n "$browser_required" ] || echo "test.sh: passed, but WITHOUT the browser tests (npm ci failed, see above)" >&2
