#!/usr/bin/env bash
# Builds the benchmarks in Release (the "release" preset, build/release) and
# prints the figures of docs/performance.md: one fit and all classes at a
# size, the full design search and fit --batch --json, each against its
# yardstick (a bare program with the same output that shares no code with the
# program, checked equal before anything is timed), the writing of design
# --json against the search, the window's search click against the search
# alone (offscreen), the start-up of kalmo-cli as a process, and at the end
# the table of ratios.
#   bench/run.sh [STARTS]    STARTS: kalmo-cli runs to time (default 200)
# Figures swing with other load on the machine: compare runs on a quiet one.
set -euo pipefail
export LC_ALL=C  # "." in EPOCHREALTIME and in every figure
cd "$(dirname "$0")/.."
starts="${1:-200}"
build=build/release

cmake --preset release -DKALMO_BUILD_GUI=ON -DKALMO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(( $(nproc) < 2 ? $(nproc) : 2 ))" \
  --target kalmo_bench kalmo_design_bench kalmo_batch_bench kalmo_window_bench kalmo_stack_bench \
  kalmo_cli >/dev/null

echo "== machine"
echo "cores: $(nproc), CPU: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1)," \
  "memory: $(free -g | awk '/^Mem:/ {print $2}') GiB"
echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg)"

# Medians of five repetitions, program and yardstick interleaved; a
# difference between the two outputs ends the script before any timing.
gbench=(--benchmark_repetitions=5 --benchmark_display_aggregates_only=true
  --benchmark_enable_random_interleaving=true)
run_pairs() {  # binary, log; prints the median lines and the ratio table
  local out
  if ! out=$("$@" 2>"$log"); then
    cat "$log" >&2
    exit 1
  fi
  grep -vE '^BM_.*_(mean|stddev|cv) ' <<<"$out" | grep -vE '^(Benchmark|-{10})' |
    sed -n '1,/^ratio program/p' | grep -vE '^BM_|^ratio program|^$'
  grep -E '^(Benchmark|-{10})' <<<"$out" | head -n 2
  grep -E '^BM_.*_median ' <<<"$out" | sort
  echo
  sed -n '/^ratio program/,$p' <<<"$out"
}
echo
echo "== one fit (H7/g6 at 1, 30 and 9000 mm) and all 1120 classes at 30 mm against"\
  "the bare lookup"
log="$build/evaluation_bench.log"
one_fit=$(run_pairs "$build/bench/kalmo_bench" "${gbench[@]}" \
  --benchmark_filter='^BM_(EvaluateOneFit|BareOneFit)/(1|30|9000)$|^BM_(Evaluate|Bare)AllClasses$')
echo "$one_fit"
echo
echo "== design search at 30 mm, all combinations IT1..IT18: 180 x 180 = 32400"\
  "candidates, against the bare search"
log="$build/design_bench.log"
design=$(run_pairs "$build/bench/kalmo_design_bench" "${gbench[@]}")
echo "$design"
echo
echo "== stack-up Monte Carlo, 10^6 assemblies of a 10-contributor chain (all normal;"\
  "mixed normal, uniform, triangular), against a bare loop with the same draws"
log="$build/stack_bench.log"
stack=$(run_pairs "$build/bench/kalmo_stack_bench" "${gbench[@]}")
echo "$stack"
echo
echo "== fit --batch --json against its yardstick (same bytes, checked before"\
  "timing); design --json: writing (--json less the table run) / search"
if ! batch=$("$build/bench/kalmo_batch_bench" 20000 7 2>&1); then
  echo "$batch" >&2  # the outputs differ, or the run failed
  exit 1
fi
echo "$batch"

echo
echo "== the window: a click on the search button, alone, until the results table"\
  "is painted and until all its changes are painted, against the search alone"\
  "(same ranked list, checked before timing)"
if ! window=$(QT_QPA_PLATFORM=offscreen "$build/bench/kalmo_window_bench" 15 \
  2>"$build/window_bench.log"); then
  cat "$build/window_bench.log" >&2  # the lists differ, or the run failed
  exit 1
fi
echo "$window"

echo
echo "== start-up: kalmo-cli fit 10 H7/g6 as a process, $starts runs"
cli="$build/src/cli/kalmo-cli"
"$cli" fit 10 H7/g6 >/dev/null 2>&1
times=()  # microseconds per run
for ((i = 0; i < starts; ++i)); do
  t0=${EPOCHREALTIME/./}
  "$cli" fit 10 H7/g6 >/dev/null 2>&1
  t1=${EPOCHREALTIME/./}
  times+=($((t1 - t0)))
done
printf '%s\n' "${times[@]}" | sort -n | awk '
  { t[NR] = $1 / 1000; sum += $1 / 1000 }
  END { printf "min %.2f ms, median %.2f ms, mean %.2f ms, max %.2f ms\n",
               t[1], t[int((NR + 1) / 2)], sum / NR, t[NR] }'

echo
echo "== ratios (goals: design search <= 1.3, one fit <= 1.5, fit --batch --json <= 1.3,"\
  "stack Monte Carlo <= 1.3,"\
  "design --json writing <= 1, window click to painted table <= 1.5)"
{
  printf '%-42s %s\n' "what" "ratio"
  for pairs in "$one_fit" "$design" "$stack"; do
    sed -n '/^ratio program/,$p' <<<"$pairs" |
      awk '!/^ratio program/ && NF >= 4 { r = $NF; NF -= 3; printf "%-42s %s\n", $0, r }'
  done
  awk '/^ratio program\/yardstick/ { printf "%-42s %s\n", "fit --batch --json", $3 }' <<<"$batch"
  awk '/^design 30/ { on = 1; next } on && $1 != "fit" && NF == 6 {
    printf "%-42s %s\n", "design --json writing, " $1, $6 }' <<<"$batch"
  awk '/^fit type/ { on = 1; next } on && NF == 9 {
    printf "%-42s %s\n", "window click, " $1, $7
    printf "%-42s %s\n", "window click to painted table, " $1, $8
    printf "%-42s %s\n", "window click to painted window, " $1, $9 }' <<<"$window"
}
