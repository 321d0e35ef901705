#!/usr/bin/env bash
# Builds the fuzz targets with clang (in build-fuzz/) and runs every target
# for SECONDS seconds (default 60), the targets side by side. Fails on any
# crash, leak, timeout or broken invariant; the input that caused it is kept
# in build-fuzz/artifacts/. The corpora grow in build-fuzz/corpus/ from run to
# run; the seeds are written afresh each time.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SCENARIO_FUZZ_BUILD:-$root/build-fuzz}"
cxx="${FUZZ_CXX:-clang++}"

cmake -S "$root" -B "$build" -DSCENARIO_FUZZ=ON -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" -j2 --target field_stream_fuzzer compile_fuzzer record_fuzzer decompile_fuzzer \
  command_line_fuzzer seed_writer

# A small quarantine: every run allocates afresh, and with the default 256 MB
# the freed memory is not reused, so that page faults take most of the time.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
rm -rf "$build/seeds"
"$build/seed_writer" "$root/fuzz/seeds" "$build/seeds/compile_fuzzer" "$build/seeds/field_stream_fuzzer" \
  "$build/seeds/command_line_fuzzer"
mkdir -p "$build/artifacts" "$build/logs" "$build/seeds/record_fuzzer" "$build/seeds/decompile_fuzzer"

targets=(field_stream_fuzzer compile_fuzzer record_fuzzer command_line_fuzzer decompile_fuzzer)
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict="$root/fuzz/description.dict" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" \
    "$build/corpus/$target" "$build/seeds/$target" >"$build/logs/$target.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  if wait "${pids[$i]}"; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" | grep -o '[0-9]*$' || true)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$build/logs/$target.log" | grep -o '[0-9]*$' || true)
    echo "fuzz: $target: ${runs:-?} runs in ${seconds} s (${rate:-?}/s), no failure"
  else
    echo "fuzz: $target FAILED; its log ($build/logs/$target.log) ends:"
    tail -n 60 "$build/logs/$target.log"
    failed=1
  fi
done
exit "$failed"
