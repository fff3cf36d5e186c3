#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source, CMake file and script names its licence in an SPDX line
# among its first lines (after a #! line), so that a file copied out of the
# tree still says what terms it comes under.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=0
while IFS= read -r file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no SPDX licence line: $file"
    missing=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.h.in' '*CMakeLists.txt' '*.cmake' '*.sh' .ci/run)
exit "$missing"
