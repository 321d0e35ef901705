#!/usr/bin/env bash
# Builds in Release and runs the stage benchmarks (medians of repeated runs),
# then the whole-run comparison against the copy floor (bench/compare.sh).
#   bench/run.sh [benchmark flags, e.g. --benchmark_filter=Encode]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
scripts/install_deps.sh build
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DSCENARIO_WITH_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" \
  --target scenario_bench scenario-gen-descriptions scenario-packager scenario-compile \
  scenario-pack scenario-write-carried
"$BUILD_DIR/scenario_bench" --benchmark_repetitions="${REPETITIONS:-5}" \
  --benchmark_report_aggregates_only=true "$@" 2>&1 | grep -v -E '_(mean|stddev|cv) '
echo
BUILD_DIR="$BUILD_DIR" bench/compare.sh
echo
python3 bench/pack_compare.py "$BUILD_DIR"
