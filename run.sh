#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: installs what is missing, builds the two programs, and opens
# aerodex on a copy of the bundled sample log in the user's data folder, so
# that nothing done in the window changes the source tree. Without a display
# it says so and renders that copy to out/sample.pdf instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
aerodex_install_dependencies

cmake --preset default >/dev/null
# Only what the window needs: the tests and benchmarks are test.sh's.
cmake --build --preset default -j "$(nproc)" --target aerodex aerodex-cli

data=${XDG_DATA_HOME:-$HOME/.local/share}/aerodex
sample=$data/sample.adx
if [ ! -e "$sample" ]; then
  mkdir -p "$data"
  cp examples/sample.adx "$sample"
  echo "Copied the sample log to $sample (yours to change; it is not copied again)."
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/aerodex "$sample"
fi
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set):" \
  "rendering the sample log to a PDF instead."
mkdir -p out
build/bin/aerodex-cli pdf "$sample" out/sample.pdf
echo "Wrote out/sample.pdf"
