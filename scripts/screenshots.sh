#!/usr/bin/env bash
# Pictures of the built program on a virtual screen with a window manager, into OUT (default
# build/screenshots): the German main window at 1024 x 768 with its frame on the screen and its
# ordering list, the list and sheet windows at 1024 x 768, the ordering list in Italian, the
# German print dialog and the print preview, and a configuration finished with the mouse alone.
#   scripts/screenshots.sh [OUT]      (TELMARIS_BUILD=DIR for another build directory)
set -uo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
walk=tests/walks/walk.sh
build=${TELMARIS_BUILD:-build}
export TELMARIS_WALK_REPETITIONS=1 TELMARIS_WALK_SCREENSHOTS=$out
TELMARIS_WALK_SCREEN=1024x768 bash "$walk" "$build" tests/walks/walk-10-window-placement.sh
TELMARIS_WALK_SCREEN=1024x768 bash "$walk" "$build" scripts/screens/list-and-sheet.sh
bash "$walk" "$build" scripts/screens/italian-ordering-list.sh
bash "$walk" "$build" scripts/screens/german-dialogs.sh
bash "$walk" "$build" tests/walks/walk-14-mouse-only.sh
ls "$out"
