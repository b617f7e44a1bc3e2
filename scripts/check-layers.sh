#!/usr/bin/env bash
# The folders of src/ are layers: a file includes only its own folder and the
# folders below it, and only src/app/ includes OpenGL, GLUT or X11 headers.
set -euo pipefail
src=${1:?usage: check-layers.sh SRC_DIR}
# Each layer and the layers it may include (its own included).
declare -A allowed=(
  [core]="core"
  [model]="core model"
  [planner]="core model planner"
  [interaction]="core model planner interaction"
  [console]="core model planner interaction console"
  [draw]="core draw"
  [plots]="core model planner interaction draw plots"
  [problem]="core model planner interaction console problem"
  [session]="core model planner interaction console problem session"
  [batch]="core model planner interaction console draw plots problem session batch"
  [app]="core model planner interaction console draw plots problem session app"
)
bad=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [ -z "${allowed[$layer]+x}" ]; then echo "unknown layer folder: $layer"; bad=1; continue; fi
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$line")
    [[ " ${allowed[$layer]} " == *" $target "* ]] || { echo "$file includes $target/ (above $layer/)"; bad=1; }
  done < <(grep -HE '^\s*#\s*include\s+"[^"]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
  if [ "$layer" != app ] && grep -lE '^\s*#\s*include\s+<(GL|X11)/' "$dir"*.h "$dir"*.cpp 2>/dev/null; then
    echo "^ OpenGL, GLUT or X11 outside src/app/"; bad=1
  fi
done
[ $bad = 0 ] && echo "layers: every include runs down"
exit $bad
