#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting and the build files, builds,
# and runs every test: the normal build, the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short deterministic run of
# each fuzz target, and the Debian package installed into a scratch root.
# Each step passes or fails by its exit status; the last line gives the totals,
# and the exit status is 0 only when all passed.
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
trap 'rm -f "$log"' EXIT

# step NAME COMMAND...: one check that passes or fails as a whole.
step() {
  local name=$1
  shift
  if "$@" >"$log" 2>&1; then
    echo "$name: passed"
    passed=$((passed + 1))
  else
    tail -n 60 "$log"
    echo "$name: FAILED"
    failed=$((failed + 1))
  fi
}

# run_suite PRESET: configure, build and run one CTest suite; CTest's exit
# status decides, its summary only gives the count.
run_suite() {
  local preset=$1
  echo "=== tests ($preset) ==="
  if ! cmake --preset "$preset" >"$log" 2>&1 || ! cmake --build --preset "$preset" -j "$jobs" >>"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$preset: build failed"
    failed=$((failed + 1))
    return
  fi
  local dir
  dir=$(preset_dir "$preset")
  # The tests' own backup and recovery folders start empty on every run.
  rm -rf "$dir"/tests/*/home
  local status=0
  (cd "$dir" && ctest -j "$jobs" --timeout 600) | tee "$log" || status=$?
  local total
  total=$(grep -oE 'tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$' | tail -n 1)
  local bad
  bad=$(grep -oE '[0-9]+ tests? failed out of' "$log" | grep -oE '^[0-9]+' | tail -n 1)
  if [ "$status" -eq 0 ]; then
    passed=$((passed + ${total:-0}))
  else
    passed=$((passed + ${total:-0} - ${bad:-0}))
    failed=$((failed + (${bad:-0} > 0 ? ${bad:-0} : 1)))
  fi
}

preset_dir() {
  case $1 in default) echo build ;; asan) echo build-asan ;; fuzz) echo build-fuzz ;; esac
}

echo "=== checks ==="
step "formatting" scripts/check_format.sh
step "build files name every source" scripts/check_sources.sh
step "every source names its licence" scripts/check_licence.sh
step "no layer includes one above it" scripts/check_layers.sh

run_suite default
run_suite asan

# Fuzzing, kept deterministic: a fixed seed and a fixed number of runs.
if command -v clang++ >/dev/null; then
  echo "=== fuzzing ==="
  if cmake --preset fuzz >"$log" 2>&1 && cmake --build --preset fuzz -j "$jobs" >>"$log" 2>&1; then
    for target in build-fuzz/bin/*_fuzz; do
      name=$(basename "$target" _fuzz)
      seeds=fuzz/${name}_corpus
      [ "$name" = adx ] && seeds=fuzz/corpus
      work=$(mktemp -d)
      dict=()
      [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
      step "fuzz $name" "$target" -seed=1 -runs=200000 -max_len=4096 -rss_limit_mb=1024 \
        "${dict[@]}" "$work" "$seeds"
      rm -rf "$work"
    done
  else
    tail -n 60 "$log"
    echo "fuzz build failed"
    failed=$((failed + 1))
  fi
fi

echo "=== package ==="
step "Debian package installs" scripts/check_package.sh build

echo "aerodex: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
