#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# a short deterministic run of each fuzz target. Prints CTest's summaries and
# ends with one line of totals; the exit status is 0 only when all passed.
set -uo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
aerodex_install_dependencies || exit 1

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
log=$(mktemp)

# run_suite NAME BUILD_DIR CMAKE_ARGS...: configure, build and run one CTest suite.
run_suite() {
  local name=$1 dir=$2
  shift 2
  echo "=== $name ==="
  if ! cmake -S . -B "$dir" -G Ninja "$@" >"$log" 2>&1 || ! cmake --build "$dir" -j "$jobs" >>"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$name: build failed"
    failed=$((failed + 1))
    return
  fi
  # The tests' own backup and recovery folders start empty on every run.
  rm -rf "$dir"/tests/*/home
  (cd "$dir" && ctest -j "$jobs" --timeout 600) | tee "$log"
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n 1)
  local total bad
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  if [ -z "$summary" ]; then failed=$((failed + 1)); return; fi
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

run_suite "tests" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite "tests under ASan+UBSan" build-asan -DCMAKE_BUILD_TYPE=Debug -DAERODEX_SANITIZE=ON \
  -DAERODEX_BUILD_BENCH=OFF

# Fuzzing, kept deterministic: a fixed seed and a fixed number of runs.
if command -v clang++ >/dev/null; then
  echo "=== fuzzing ==="
  if cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
       -DAERODEX_BUILD_FUZZ=ON >"$log" 2>&1 && cmake --build build-fuzz -j "$jobs" >>"$log" 2>&1; then
    for target in build-fuzz/bin/*_fuzz; do
      name=$(basename "$target" _fuzz)
      seeds=fuzz/${name}_corpus
      [ "$name" = adx ] && seeds=fuzz/corpus
      work=$(mktemp -d)
      dict=()
      [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
      if "$target" -seed=1 -runs=200000 -max_len=4096 -rss_limit_mb=1024 "${dict[@]}" \
           "$work" "$seeds" >"$log" 2>&1; then
        echo "fuzz $name: passed ($(grep -o 'Done [0-9]* runs' "$log"))"
        passed=$((passed + 1))
      else
        tail -n 40 "$log"
        echo "fuzz $name: FAILED"
        failed=$((failed + 1))
      fi
      rm -rf "$work"
    done
  else
    tail -n 60 "$log"
    echo "fuzz build failed"
    failed=$((failed + 1))
  fi
fi

rm -f "$log"
echo "aerodex: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
