#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 30), one after the other: tests/fuzz/run.sh [SECONDS] [TARGET...]
# Findings are written to build/fuzz/findings/<target>/; the committed seeds
# under tests/fuzz/corpus/ are only read. Exits 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-30}"
shift || true

bash scripts/install-deps.sh clang-14 libclang-rt-14-dev libfuzzer-14-dev

build=build/fuzz
# The fuzz flags also instrument the libraries, so every target sees into
# them; undefined behaviour there must stop the run too, not just print.
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  -DKALMO_BUILD_GUI=OFF -DKALMO_BUILD_TESTS=OFF -DKALMO_BUILD_BENCH=OFF -DKALMO_FUZZ=ON >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^kalmo_fuzz(\([a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
fi

# Only the targets to run: the rest of the tree may be half-way through a change.
if ! cmake --build "$build" -j "$(( $(nproc) < 2 ? $(nproc) : 2 ))" --target "${targets[@]}" \
  >"$build/build.log" 2>&1; then
  tail -n 30 "$build/build.log" >&2
  exit 1
fi

status=0
for t in "${targets[@]}"; do
  work="$build/findings/$t"
  mkdir -p "$work/corpus"
  touch "$work/.start"
  echo "== $t (${seconds}s)"
  options=(-max_total_time="$seconds" -timeout=20 -artifact_prefix="$work/" -print_final_stats=1)
  [ -f "tests/fuzz/$t.dict" ] && options+=(-dict="tests/fuzz/$t.dict")
  # The whole log stays beside the findings; the summary lines are shown.
  "$build/tests/fuzz/$t" "$work/corpus" "tests/fuzz/corpus/${t#fuzz_}" "${options[@]}" \
    >"$work/fuzz.log" 2>&1 || true
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|.*runtime error|Test unit written)' \
    "$work/fuzz.log" || true
  # Only what this run wrote counts; older findings stay for reference.
  if find "$work" -maxdepth 1 -newer "$work/.start" \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | grep -q .; then
    echo "$t: findings in $work (log: $work/fuzz.log)" >&2
    status=1
  fi
done
exit "$status"
