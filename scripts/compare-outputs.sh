#!/usr/bin/env bash
# Records what the program shows and compares two such records byte for byte:
# the kalmo-cli outputs of the cases of tests/compare_corpus.txt (stdout, stderr
# and exit status of each, as scripts/cli-answers runs them) and every window
# picture the window tests save.
#
#   scripts/compare-outputs.sh capture DIR   record into DIR (emptied first)
#   scripts/compare-outputs.sh compare DIR   record afresh and compare with DIR
#
# Build first (kalmo-cli and the gui_* tests); BUILD_DIR picks the build tree
# (default build/default). The record lies outside the repository, such as
# ../baseline next to the worktree.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/default}
cli=$build/src/cli/kalmo-cli
corpus=$root/tests/compare_corpus.txt

record() {
  local out
  out=$(realpath -m "$1")
  rm -rf "$out"
  mkdir -p "$out/snapshots"
  [[ -x $cli ]] || { echo "no $cli: build kalmo-cli first" >&2; exit 1; }
  # The answers file's cases, answered afresh (stdout, stderr, exit status).
  "$root/scripts/cli-answers" --record "$cli" "$corpus" >"$out/cli.txt"
  # The window test programs save their pictures; each runs in its own folder,
  # as CTest runs it, and writes nothing into the build tree.
  local test found=0
  while IFS= read -r test; do
    found=1
    (cd "$(dirname "$test")" && KALMO_SNAPSHOT_DIR=$out/snapshots QT_QPA_PLATFORM=offscreen \
      LC_ALL=C.UTF-8 "$test") >>"$out/gui-tests.log" 2>&1 ||
      { echo "window test $test failed, see $out/gui-tests.log" >&2; exit 1; }
  done < <(find "$build/tests/ui" -type f -name 'gui_*' -perm -u+x | sort)
  ((found)) || { echo "no window tests in $build/tests/ui: build the gui_* tests first" >&2; exit 1; }
  echo "recorded $(grep -c '^\$ kalmo-cli' "$out/cli.txt") invocations and" \
    "$(find "$out/snapshots" -name '*.png' | wc -l) pictures in $out"
}

case ${1:-} in
  capture)
    [[ -n ${2:-} ]] || { echo "usage: $0 capture DIR" >&2; exit 2; }
    record "$2"
    ;;
  compare)
    [[ -d ${2:-} ]] || { echo "usage: $0 compare DIR (a recorded DIR)" >&2; exit 2; }
    fresh=$(mktemp -d)
    trap 'rm -rf "$fresh"' EXIT
    record "$fresh/now"
    failed=0
    diff -u "$2/cli.txt" "$fresh/now/cli.txt" || failed=1
    # Every picture of the record must come back with the same bytes, and no new one appear.
    diff <(cd "$2/snapshots" && find . -name '*.png' | sort) \
      <(cd "$fresh/now/snapshots" && find . -name '*.png' | sort) || failed=1
    while IFS= read -r png; do
      [[ -f $fresh/now/snapshots/$png ]] || continue
      cmp -s "$2/snapshots/$png" "$fresh/now/snapshots/$png" || { echo "picture differs: $png"; failed=1; }
    done < <(cd "$2/snapshots" && find . -name '*.png' | sort)
    if ((failed)); then
      echo "outputs differ from $2" >&2
      exit 1
    fi
    echo "identical to $2"
    ;;
  *)
    echo "usage: $0 capture|compare DIR" >&2
    exit 2
    ;;
esac
