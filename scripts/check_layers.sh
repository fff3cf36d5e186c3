#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of a layer includes a header of a layer that may
# not be below it. Each layer lists the folders of src/ it may include;
# cli/ may reach app/surface/ (the Qt drawing surface its pdf command uses),
# never the rest of app/.
set -uo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [files]="files"
  [model]="files model"
  [display]="files model display"
  [editing]="files model editing"
  [stats]="files model editing stats"
  [import]="files model editing import"
  [cli]="files model display editing stats import cli app/surface"
  [app]="files model display editing stats import cli app"
)

status=0
for layer in "${!allowed[@]}"; do
  while IFS= read -r hit; do
    file=${hit%%:*}
    header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${hit#*:}")
    ok=0
    for below in ${allowed[$layer]}; do
      [[ $header == "$below"/* ]] && ok=1
    done
    # Headers that name no layer (generated ones, a folder's neighbours) are no one's.
    [[ $header != */* ]] && ok=1
    [[ $header == tools/* || $header == aerodex_version.h ]] && ok=1
    if [ "$ok" -eq 0 ]; then
      echo "$file: $layer/ includes $header, a layer above it"
      status=1
    fi
  done < <(grep -rnE '^#include "' "src/$layer" --include='*.h' --include='*.cpp' | cut -d: -f1,3-)
done
exit $status
