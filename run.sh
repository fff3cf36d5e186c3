#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and opens aerodex on the
# bundled sample log. Without a display it says so and renders the sample
# log to out/sample.pdf instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
aerodex_install_dependencies

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

sample=examples/sample.adx
if [ -x build/bin/aerodex ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/aerodex "$sample"
fi
if [ -x build/bin/aerodex ]; then
  echo "No display found (DISPLAY is not set): rendering the sample log to a PDF instead."
fi
if build/bin/aerodex-cli --help | grep -q '^  pdf '; then
  mkdir -p out
  build/bin/aerodex-cli pdf "$sample" out/sample.pdf
  echo "Wrote out/sample.pdf"
else
  build/bin/aerodex-cli dump "$sample"
fi
