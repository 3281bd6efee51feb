#!/usr/bin/env bash
# Makes the pictures of the help pages from the built program on a virtual screen of
# 1280 x 800 without a window manager, by typing into it as a user would:
#   resources/help/make-pictures.sh            (after cmake --build build)
# Needs xvfb-run, xdotool, ImageMagick and pdftoppm. Writes resources/help/images/*.png; the
# next build copies them into the program directory. The quote window's picture (quote-window.png)
# comes from walk 15 instead, which fills a quote by keyboard on a screen of 1024 x 768:
#   TELMARIS_WALK_SCREEN=1024x768 TELMARIS_WALK_REPETITIONS=1 TELMARIS_WALK_SCREENSHOTS=/tmp/shots \
#     tests/walks/walk.sh build 15
#   convert /tmp/shots/walk-15-quote-by-keyboard-1-two-positions.png -crop 981x704+43+64 +repage \
#     -resize 80% -depth 8 resources/help/images/quote-window.png
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [[ "${1:-}" != --inside ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside
fi

program=$root/build/telmaris
out=$root/resources/help/images
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$out"

start() {
  # A neutral home, so that the print dialog proposes a neutral file name.
  (cd "$program" && HOME=/home/sales exec ./telmaris >/dev/null 2>&1) &
  pid=$!
  sleep 2
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; sleep 0.5; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.5; done; }
typed() { xdotool type "$1"; sleep 0.3; xdotool key Return; sleep 0.5; }
shot() { import -window root -crop "$2" +repage "$out/$1"; }

# The start-up window, centred on the screen; then a PXH 1000 EX with a lift height of 6 m,
# 4 m of control device, a motor-driven trolley for a narrow beam and 2-button controls, stopped
# among the accessories; then the same on the screen and on paper.
start
shot startup.png 456x352+412+224
keys Return
sleep 1
keys Down Down Down Return
typed 6
typed 4
keys Down Down Down Return Down Return space Return
shot main-window.png 800x565+0+0
keys Return Return Return space
sleep 1.5
shot screen-output.png 649x800+631+0
xdotool mousemove 400 500 click 1  # back to the main window, which sends the output windows away
sleep 0.5
keys alt+f p
sleep 1.5
shot print-dialog.png 308x166+236+159
xdotool mousemove 405 268 click 1
keys ctrl+a
xdotool type "$work/page.pdf"
keys Return
sleep 4
pdftoppm -r 60 -png -singlefile "$work/page.pdf" "$work/page"
convert "$work/page.png" -bordercolor '#9aa8bb' -border 1 "$out/printed-page.png"
stop

# US Version Imperial: 10 ft of control device is no whole number of metres.
start
keys Down Down Down Return
sleep 1
keys Down Return
typed 10
typed 10
shot feet-prompt.png 384x212+128+24
stop

# The help window at its contents, opened from the ? menu.
start
keys Return
sleep 1
keys Escape
xdotool mousemove 97 8 click 1
sleep 0.5
keys u
sleep 1.5
# The tool bar and the top of the page are what the page about the window explains.
import -window root -crop 840x250+440+0 +repage -resize 90% -depth 8 "$out/help-window.png"
stop
