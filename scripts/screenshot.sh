#!/usr/bin/env bash
# Starts the built program under a virtual display, optionally types keys into it, and saves a
# screenshot of the whole screen:  scripts/screenshot.sh OUT.png [xdotool key names...]
# Example: scripts/screenshot.sh /tmp/main.png Return
set -euo pipefail
out=$1; shift
here=$(cd "$(dirname "$0")/.." && pwd)
keys="$*"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "'"$here"'/build/telmaris/telmaris" & pid=$!
  sleep 2
  for k in '"$keys"'; do xdotool key "$k"; sleep 0.7; done
  sleep 1
  import -window root "'"$out"'"
  kill $pid
'
