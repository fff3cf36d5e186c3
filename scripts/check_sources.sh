#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source file is named, with or without its .cpp, in the
# CMakeLists.txt of its folder or of a folder above it: a file left out would
# silently drop code or a test.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=0
while IFS= read -r source; do
  name=$(basename "$source")
  stem=${name%.cpp}
  dir=$(dirname "$source")
  found=0
  while :; do
    if [ -f "$dir/CMakeLists.txt" ] && grep -qw -e "${name//./\\.}" -e "$stem" "$dir/CMakeLists.txt"; then
      found=1
      break
    fi
    [ "$dir" = . ] && break
    dir=$(dirname "$dir")
  done
  if [ "$found" -eq 0 ]; then
    echo "not in any CMakeLists.txt: $source"
    missing=1
  fi
done < <(git ls-files '*.cpp')
exit "$missing"
