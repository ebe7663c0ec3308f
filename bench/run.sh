#!/usr/bin/env bash
# Builds the benchmarks in Release and prints the figures of README.md,
# "Performance": one class, one fit, all classes at a size, the full design
# search and fit --batch --json each against its yardstick, the writing of
# design --json against the search, the window's search click against the
# search alone (offscreen), the start-up of kalmo-cli as a process, and at the
# end the table of ratios.
#   bench/run.sh [STARTS]    STARTS: kalmo-cli runs to time (default 200)
# Figures swing with other load on the machine: compare runs on a quiet one.
set -euo pipefail
export LC_ALL=C  # "." in EPOCHREALTIME and in every figure
cd "$(dirname "$0")/.."
starts="${1:-200}"
build=build/bench-release

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKALMO_BUILD_GUI=ON -DKALMO_BUILD_TESTS=OFF -DKALMO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(( $(nproc) < 2 ? $(nproc) : 2 ))" \
  --target kalmo_bench kalmo_design_bench kalmo_batch_bench kalmo_window_bench kalmo_cli >/dev/null

echo "== machine"
echo "cores: $(nproc), CPU: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1)," \
  "memory: $(free -g | awk '/^Mem:/ {print $2}') GiB"
echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg)"

# Medians of five repetitions. One class is the all-classes time divided by
# its 1120 classes (the items_per_second column).
gbench=(--benchmark_repetitions=5 --benchmark_display_aggregates_only=true)
medians() { grep -E '^(Benchmark|-{10}|BM_.*_median)' <<<"$1"; }
echo
echo "== one fit (H7/g6 at 1, 30 and 9000 mm); all 1120 classes at 30 mm"
out=$("$build/bench/kalmo_bench" "${gbench[@]}" 2>/dev/null \
  --benchmark_filter='^BM_EvaluateOneFit/(1|30|9000)$|^BM_EvaluateAllClasses$')
medians "$out"
awk '$1 == "BM_EvaluateAllClasses_median" {
  scale = $5 == "us" ? 1000 : $5 == "ms" ? 1e6 : 1
  printf "one class (all classes / 1120): %.1f ns CPU, %.1f ns wall\n",
         $4 * scale / 1120, $2 * ($3 == "us" ? 1000 : $3 == "ms" ? 1e6 : 1) / 1120
}' <<<"$out"
echo
echo "== design search at 30 mm, 201 x 202 = 40602 candidates (0 clearance," \
  "1 transition, 2 interference): the program against its yardstick, the bare" \
  "search with the same ranked list (checked before timing); repetitions interleaved"
if ! out=$("$build/bench/kalmo_design_bench" "${gbench[@]}" \
  --benchmark_enable_random_interleaving=true 2>"$build/design_bench.log"); then
  cat "$build/design_bench.log" >&2  # the lists differ, or the run failed
  exit 1
fi
grep -E '^(Benchmark|-{10})' <<<"$out"
grep -E '^BM_.*_median' <<<"$out" | sort
echo
echo "ratio program / yardstick, medians of the CPU times:"
design_ratios=$(sed -n '/^fit type/,$p' <<<"$out")
echo "$design_ratios"

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
echo "== ratios (goals: search <= 1.3, batch <= 1.5, design --json writing <= 1," \
  "window click to painted table <= 1.5)"
{
  printf '%-42s %s\n' "what" "ratio"
  awk 'NR > 1 { printf "%-42s %s\n", "design search, " $1, $4 }' <<<"$design_ratios"
  awk '/^ratio program\/yardstick/ { printf "%-42s %s\n", "fit --batch --json", $3 }' <<<"$batch"
  awk '/^design 30/ { on = 1; next } on && $1 != "fit" && NF == 6 {
    printf "%-42s %s\n", "design --json writing, " $1, $6 }' <<<"$batch"
  awk '/^fit type/ { on = 1; next } on && NF == 9 {
    printf "%-42s %s\n", "window click, " $1, $7
    printf "%-42s %s\n", "window click to painted table, " $1, $8
    printf "%-42s %s\n", "window click to painted window, " $1, $9 }' <<<"$window"
}
