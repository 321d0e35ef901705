#!/usr/bin/env bash
# Times whole runs against the floor of writing their bytes: the packager run
# headless in a scratch folder against copying its six output files into a
# fresh folder with cp, and scenario-compile on a generated line of
# 1000000 m against copying its three output files. Prints the medians, the
# ratios, the peak resident memory and the page faults of every run. Where
# Xvfb is installed, also what a packager run with a display costs beyond a
# headless one (a display that does not reset between runs, as a desktop).
#
#   bench/compare.sh     (BUILD_DIR=build, ROUNDS=5 rounds of RUNS=10 runs)
#
# Needs the built scenario-packager, scenario-compile and
# scenario-gen-descriptions at the top of BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
RUNS=${RUNS:-10}
ROUNDS=${ROUNDS:-5}
MEMORY_RUNS=${MEMORY_RUNS:-5}
LONG_LINE=1000000

# hyperfine and GNU time, from the Debian packages, only when missing.
missing=()
command -v hyperfine >/dev/null || missing+=(hyperfine)
[ -x /usr/bin/time ] || missing+=(time)
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

for tool in scenario-packager scenario-compile scenario-gen-descriptions; do
  if [ ! -x "$BUILD_DIR/$tool" ]; then
    echo "compare.sh: $BUILD_DIR/$tool is missing; build first (bench/run.sh does)" >&2
    exit 2
  fi
done
build=$(cd "$BUILD_DIR" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Over every round's hyperfine JSON export: the median wall time in ms of the
# run and of its floor and their ratio, then the same for the CPU time (user
# and system, the mean of each round, averaged), which a busy machine
# disturbs less.
median_ratio() {
  python3 - "$@" <<'EOF'
import json, statistics, sys
times, cpu = [[], []], [[], []]
for path in sys.argv[1:]:
    for i, result in enumerate(json.load(open(path))["results"]):
        times[i] += result["times"]
        cpu[i].append(result["user"] + result["system"])
run, floor = (statistics.median(t) for t in times)
run_cpu, floor_cpu = (statistics.mean(c) for c in cpu)
print(f"{run * 1000:.1f} {floor * 1000:.1f} {run / floor:.2f}",
      f"{run_cpu * 1000:.1f} {floor_cpu * 1000:.1f} {run_cpu / floor_cpu:.2f}")
EOF
}

# Median peak resident memory in kB and median minor page faults of a
# command over MEMORY_RUNS runs; PREPARE runs (untimed) before each.
peak_memory() {
  local prepare=$1
  shift
  local peaks=() faults=()
  for _ in $(seq "$MEMORY_RUNS"); do
    eval "$prepare"
    read -r peak fault < <(/usr/bin/time -f '%M %R' "$@" 2>&1 >/dev/null | tail -1)
    peaks+=("$peak")
    faults+=("$fault")
  done
  echo "$(median "${peaks[@]}") $(median "${faults[@]}")"
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

megabytes() { awk -v kb="$1" 'BEGIN {printf "%.1f", kb / 1024}'; }

# compare NAME RUN_PREPARE RUN_COMMAND FLOOR_PREPARE FLOOR_COMMAND
# ROUNDS rounds of RUNS runs each: the other work of a busy machine comes and
# goes, so the run and its floor take turns instead of one long stretch each.
compare() {
  local name=$1 run_prepare=$2 run_command=$3 floor_prepare=$4 floor_command=$5
  local exports=()
  for round in $(seq "$ROUNDS"); do
    hyperfine -N --style basic --warmup 3 --runs "$RUNS" -i \
      --export-json "$scratch/$name-$round.json" \
      -n "$name" --prepare "$run_prepare" "$run_command" \
      -n "$name copy floor" --prepare "$floor_prepare" "$floor_command" \
      >"$scratch/$name-$round.log" 2>&1
    exports+=("$scratch/$name-$round.json")
  done
  read -r run_ms floor_ms ratio run_cpu floor_cpu cpu_ratio < <(median_ratio "${exports[@]}")
  # shellcheck disable=SC2086
  read -r run_kb run_faults < <(peak_memory "$run_prepare" $run_command)
  # shellcheck disable=SC2086
  read -r floor_kb floor_faults < <(peak_memory "$floor_prepare" $floor_command)
  printf '%-38s %8s %8s %8s %8s\n' "" "wall ms" "CPU ms" "peak MB" "faults"
  printf '%-38s %8s %8s %8s %8s\n' "$name" "$run_ms" "$run_cpu" "$(megabytes "$run_kb")" "$run_faults"
  printf '%-38s %8s %8s %8s %8s\n' "$name copy floor" "$floor_ms" "$floor_cpu" \
    "$(megabytes "$floor_kb")" "$floor_faults"
  printf '%-38s %7sx %7sx\n\n' "ratio to the floor" "$ratio" "$cpu_ratio"
}

# display_cost PREPARE COMMAND DISPLAY: the packager with a display against the
# same run headless, in turns as above; prints both and the difference.
display_cost() {
  local prepare=$1 command=$2 display=$3
  local exports=()
  for round in $(seq "$ROUNDS"); do
    hyperfine -N --style basic --warmup 3 --runs "$RUNS" -i \
      --export-json "$scratch/display-$round.json" \
      -n display --prepare "$prepare" "env DISPLAY=$display $command" \
      -n headless --prepare "$prepare" "env -u DISPLAY $command" \
      >"$scratch/display-$round.log" 2>&1
    exports+=("$scratch/display-$round.json")
  done
  read -r shown_ms headless_ms _ shown_cpu headless_cpu _ < <(median_ratio "${exports[@]}")
  printf '%-38s %8s %8s\n' "" "wall ms" "CPU ms"
  printf '%-38s %8s %8s\n' "packager, with a display (Xvfb)" "$shown_ms" "$shown_cpu"
  printf '%-38s %8s %8s\n' "packager, headless" "$headless_ms" "$headless_cpu"
  printf '%-38s %8s %8s\n\n' "cost of the display" \
    "$(awk -v a="$shown_ms" -v b="$headless_ms" 'BEGIN {printf "%+.1f", a - b}')" \
    "$(awk -v a="$shown_cpu" -v b="$headless_cpu" 'BEGIN {printf "%+.1f", a - b}')"
}

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(free -g | awk '/^Mem:/ {print $2}') GiB, load $(cut -d' ' -f1-3 /proc/loadavg);" \
  "medians of $ROUNDS x $RUNS runs, peak memory and faults: median of $MEMORY_RUNS"
echo

# The packager, headless (no DISPLAY: it prints its wait message instead of
# showing a window), in its own scratch folder.
unset DISPLAY
pkg="$scratch/packager"
mkdir "$pkg"
cp "$build/scenario-packager" "$pkg/"
outputs=(Corvena_Lidra1_7304_note.txt Corvena_Lidra1_7304_rallentamenti.txt
  Corvena_Lidra1_7304_scheda_treno.txt Corvena_Lidra1_linea.dat Corvena_Lidra1_7304.sim
  Corvena_Lidra1_7304.dat)
status=0
"$pkg/scenario-packager" 2>"$scratch/packager.err" || status=$?
written=0
for f in "${outputs[@]}"; do [ -f "$pkg/$f" ] && written=$((written + 1)); done
if [ "$status" -le 1 ] && [ "$written" -eq 6 ]; then
  mkdir "$scratch/packager-files"
  for f in "${outputs[@]}"; do cp "$pkg/$f" "$scratch/packager-files/"; done
  remove_outputs="rm -f"
  for f in "${outputs[@]}"; do remove_outputs+=" $pkg/$f"; done
  compare packager "$remove_outputs" "$pkg/scenario-packager" \
    "rm -rf $scratch/packager-floor" "cp -r $scratch/packager-files $scratch/packager-floor"
else
  echo "packager: skipped, the run wrote $written of its six files (exit status $status):"
  sed 's/^/  /' "$scratch/packager.err"
  echo
fi

# The packager with a display: a virtual one that keeps its state between
# runs, as a desktop does (a bare Xvfb resets after every last client).
if command -v Xvfb >/dev/null && [ "$written" -eq 6 ]; then
  number=$((200 + $$ % 500))
  Xvfb ":$number" -noreset -nolisten tcp -screen 0 640x480x24 >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$number" ] && break; sleep 0.05; done
  display_cost "$remove_outputs" "$pkg/scenario-packager" ":$number"
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
fi

# scenario-compile on the longest line.
"$build/scenario-gen-descriptions" "$LONG_LINE" "$scratch/line.txt" "$scratch/train.txt"
"$build/scenario-compile" "$scratch/line.txt" "$scratch/train.txt" "$scratch/compile-files" 2>/dev/null
compare "scenario-compile $LONG_LINE m" "rm -rf $scratch/compile-out" \
  "$build/scenario-compile $scratch/line.txt $scratch/train.txt $scratch/compile-out" \
  "rm -rf $scratch/compile-floor" "cp -r $scratch/compile-files $scratch/compile-floor"
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
