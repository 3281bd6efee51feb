#!/usr/bin/env bash
# Walks through the built program as a user does, on a virtual screen with a window manager
# (openbox), and compares the ordering lists the program showed with the lists the walk expects.
#
#   tests/walks/walk.sh BUILD_DIR [WALK...]
#
# WALK is the number or file name of a walk (walk-1-first-configuration.sh, ...) or the path of
# a walk file elsewhere; without one every walk of this folder runs. Each walk runs 5 times
# (TELMARIS_WALK_REPETITIONS=N for another number), every time on a freshly started program
# with a fresh copy of BUILD_DIR/telmaris, and fails when any repetition shows other lists than
# the expected ones. TELMARIS_WALK_SCREENSHOTS=DIR keeps a picture of the screen at the points
# each walk marks and at every failure; TELMARIS_WALK_KEY_DELAY sets the pause between keys
# (seconds, default 0.15), TELMARIS_WALK_CLICK_SETTLE how long the pointer rests on its target
# before it clicks (default 0.4). TELMARIS_WALK_SCREEN sets the size of the virtual screen
# (default 1280x1024); QT_SCALE_FACTOR, when set, reaches the program.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [WALK...]" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd) || exit 2
shift

for tool in xvfb-run Xvfb openbox xdotool xwininfo xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "walk: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 2
  fi
done
if [ ! -x "$build_dir/telmaris/telmaris" ]; then
  echo "walk: no built program at $build_dir/telmaris/telmaris" >&2
  exit 2
fi

# A display of our own: xvfb-run -a takes a free one, so that other tests may run beside us.
# Two runs that start at the same moment may pick the same number and one server then fails to
# start; that run is tried again (the mark tells a server that never started from a failed walk).
if [ -z "${TELMARIS_WALK_STARTED_MARK:-}" ]; then
  TELMARIS_WALK_STARTED_MARK=$(mktemp "${TMPDIR:-/tmp}/telmaris-walk-mark.XXXXXX")
  export TELMARIS_WALK_STARTED_MARK
  for attempt in 1 2 3; do
    xvfb-run -a -s "-screen 0 ${TELMARIS_WALK_SCREEN:-1280x1024}x24" "$0" "$build_dir" "$@"
    status=$?
    [ -s "$TELMARIS_WALK_STARTED_MARK" ] && break
    echo "walk: the virtual display did not start (attempt $attempt)" >&2
    sleep "$((RANDOM % 3 + 1))"
  done
  rm -f "$TELMARIS_WALK_STARTED_MARK"
  exit "$status"
fi
echo started >"$TELMARIS_WALK_STARTED_MARK"

PROGRAM_DIR=$build_dir/telmaris
REPETITIONS=${TELMARIS_WALK_REPETITIONS:-5}
# shellcheck source=lib.sh
source "$here/lib.sh"

# The window manager, as on a desktop; the walks wait until it has taken over the screen. On a
# busy machine it may miss its first start: it is tried again before the walk gives up.
openbox_log="${TMPDIR:-/tmp}/telmaris-walk-openbox.$$.log"
openbox_pid=
trap 'stop_program; [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null;
      [ -z "$openbox_pid" ] || wait "$openbox_pid" 2>/dev/null; rm -f "$openbox_log"' EXIT
for attempt in 1 2 3; do
  openbox >"$openbox_log" 2>&1 &
  openbox_pid=$!
  if wait_until sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'; then
    break
  fi
  kill "$openbox_pid" 2>/dev/null
  wait "$openbox_pid" 2>/dev/null
  openbox_pid=
  if [ "$attempt" -eq 3 ]; then
    echo "walk: openbox did not start" >&2
    cat "$openbox_log" >&2
    exit 2
  fi
done

walk_files=()
if [ $# -eq 0 ]; then
  walk_files=("$here"/walk-*.sh)
else
  for w in "$@"; do
    if [ -f "$here/$w" ]; then
      walk_files+=("$here/$w")
    elif [ -f "$w" ]; then
      walk_files+=("$(cd "$(dirname "$w")" && pwd)/$(basename "$w")")
    elif compgen -G "$here/walk-$w-*.sh" >/dev/null; then
      walk_files+=("$here"/walk-"$w"-*.sh)
    else
      echo "walk: no walk '$w' in $here" >&2
      exit 2
    fi
  done
fi

# Trailing blanks are left out on both sides: the description field is padded to its width,
# which the screen does not show. Everything else of a line, its blanks included, must match.
normalise() { sed -e 's/[[:space:]]*$//'; }

failed_walks=0
for file in "${walk_files[@]}"; do
  WALK_NAME=$(basename "$file" .sh)
  (
    trap stop_program EXIT
    # shellcheck source=/dev/null
    source "$file"
    echo "== $WALK_NAME: $WALK_TITLE"
    failures=0
    for REPETITION in $(seq "$REPETITIONS"); do
      started=$SECONDS
      start_program
      walk_steps
      steps_status=$?
      # A list the program shows late still counts.
      sleep 0.3
      expected=$(walk_expected | normalise)
      shown=$(normalise <"$LIST_LOG")
      if [ "$steps_status" -eq 0 ] && [ "$expected" = "$shown" ]; then
        echo "   repetition $REPETITION: passed ($((SECONDS - started)) s)"
      else
        failures=$((failures + 1))
        echo "   repetition $REPETITION: FAILED ($((SECONDS - started)) s)"
        snapshot failed
        if [ "$expected" != "$shown" ]; then
          echo "   the lists shown differ from the expected ones ('----' ends a list):"
          diff -u --label expected --label shown <(printf '%s\n' "$expected") \
            <(printf '%s\n' "$shown") | sed 's/^/     /'
        fi
        if program_running; then
          echo "   windows of the program at the end:"
          for w in $(program_windows); do
            echo "     $w \"$(xdotool getwindowname "$w" 2>/dev/null)\""
          done
        else
          echo "   the program had ended; its output:"
          sed 's/^/     /' "$RUN_DIR/program.out"
        fi
      fi
      stop_program
    done
    if [ "$failures" -gt 0 ]; then
      echo "== $WALK_NAME: FAILED in $failures of $REPETITIONS repetitions"
      exit 1
    fi
    echo "== $WALK_NAME: passed $REPETITIONS times"
  ) || failed_walks=$((failed_walks + 1))
done

if [ "$failed_walks" -gt 0 ]; then
  echo "$failed_walks of ${#walk_files[@]} walks failed"
  exit 1
fi
echo "all ${#walk_files[@]} walks passed"
