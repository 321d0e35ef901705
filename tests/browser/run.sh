#!/usr/bin/env bash
# Runs the browser tests of the live viewer (Node's test runner, Playwright's
# core driving Debian's Chromium). Without node, the installed node_modules
# or /usr/bin/chromium it skips (exit 77), unless SCENARIO_BROWSER_REQUIRED
# is set, as ./test.sh sets it: there a missing piece is a failure.
set -euo pipefail
cd "$(dirname "$0")"
missing=""
command -v node >/dev/null || missing="node"
[ -d node_modules/playwright-core ] || missing="$missing node_modules (npm ci in tests/browser)"
[ -x /usr/bin/chromium ] || missing="$missing /usr/bin/chromium"
if [ -n "$missing" ]; then
  echo "browser tests: missing $missing" >&2
  [ -n "${SCENARIO_BROWSER_REQUIRED:-}" ] && exit 1
  exit 77
fi
: "${SCENARIO_BUILD_DIR:=../../build}"
export SCENARIO_BUILD_DIR
exec node --test --test-concurrency=1 ./*.test.mjs
