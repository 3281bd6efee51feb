# Helpers for the walks: start the built program on a copy of its program directory, wait for
# its windows, type and click into them the way a user does, and read the ordering lists it
# showed from the record the program keeps when TELMARIS_SCREEN_LIST_LOG is set.
#
# Sourced by walk.sh, which runs under its own virtual display with a window manager.
# Positions on the main window are given in twips from the top left corner of its client area
# (below the menu bar), as the window is designed; 15 twips make one pixel.

KEY_DELAY=${TELMARIS_WALK_KEY_DELAY:-0.15}   # seconds between two keys or clicks
# Seconds the pointer rests on its target before it clicks. A hand that leaves the keyboard for
# the mouse takes longer than that; a click a few milliseconds after a key is no user's.
CLICK_SETTLE=${TELMARIS_WALK_CLICK_SETTLE:-0.4}
WAIT_LIMIT=${TELMARIS_WALK_WAIT:-15}         # seconds to wait for a window
LIST_WAIT_LIMIT=${TELMARIS_WALK_LIST_WAIT:-5} # seconds to wait for a list after its key

# The main window's client area is 12000 x 8200 twips; what its window has above that is the
# menu bar.
MAIN_CLIENT_HEIGHT=547

PROGRAM_PID=
RUN_DIR=
LIST_LOG=
MAIN=

walk_error() {
  echo "   step failed: $*"
  return 1
}

# Runs the command until it succeeds, for at most WAIT_LIMIT seconds.
wait_until() {
  local deadline=$((SECONDS + WAIT_LIMIT))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

# Starts the program on a fresh copy of the built program directory, so that nothing a walk
# does reaches the build's own database.
start_program() {
  RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/telmaris-walk.XXXXXX")
  cp -r "$PROGRAM_DIR" "$RUN_DIR/program"
  LIST_LOG=$RUN_DIR/lists.log
  : >"$LIST_LOG"
  mkdir -m 700 "$RUN_DIR/runtime"
  # On the desktop's own platform (xcb), never offscreen; amounts with a decimal point.
  (cd "$RUN_DIR" && exec env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$RUN_DIR/runtime" XDG_CONFIG_HOME="$RUN_DIR/config" \
     TELMARIS_SCREEN_LIST_LOG="$LIST_LOG" "$RUN_DIR/program/telmaris" "$RUN_DIR/program") \
    >"$RUN_DIR/program.out" 2>&1 &
  PROGRAM_PID=$!
  MAIN=
}

stop_program() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null
    local i
    for i in $(seq 40); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$PROGRAM_PID" 2>/dev/null
  fi
  [ -n "$PROGRAM_PID" ] && wait "$PROGRAM_PID" 2>/dev/null
  PROGRAM_PID=
  [ -n "$RUN_DIR" ] && rm -rf "$RUN_DIR"
  RUN_DIR=
}

program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

# The visible windows of the program whose title matches the pattern (all of them without one).
program_windows() {
  if [ $# -gt 0 ] && [ -n "$1" ]; then
    xdotool search --all --onlyvisible --pid "$PROGRAM_PID" --name "$1" 2>/dev/null
  else
    xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null
  fi
}

first_window() {
  local w
  w=$(program_windows "$@" | head -n 1)
  [ -n "$w" ] && echo "$w"
}

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Waits for a window of the program with the title pattern and prints its id.
wait_window() {
  local w=
  local deadline=$((SECONDS + WAIT_LIMIT))
  until w=$(first_window "$1"); do
    program_running || { walk_error "the program ended"; return 1; }
    ((SECONDS < deadline)) || { walk_error "no window titled '$1'"; return 1; }
    sleep 0.05
  done
  echo "$w"
}

wait_active() {
  wait_until is_active "$1" || walk_error "window $1 ($(xdotool getwindowname "$1" 2>/dev/null)) did not become active"
}

# An open drop-down list is a window of its own that the window manager does not manage.
popup_window() {
  local w
  for w in $(program_windows); do
    if xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

wait_popup() {
  wait_until popup_window >/dev/null || { walk_error "the model list did not drop down"; return 1; }
}

# The start-up window (the only window of a program just started), then Enter on its focused
# button, English European; then the main window with its model list dropped down.
start_english_european() {
  local startup
  startup=$(wait_window '') || return 1
  wait_active "$startup" || return 1
  press Return
  MAIN=$(wait_window '^VELMORA TELMARIS') || return 1
  wait_popup
}

# The start-up window, then the variant button INDEX (0 to 7) reached with Tab and pressed with
# Enter; then the main window with its model list dropped down.
start_variant() {
  local startup i
  startup=$(wait_window '') || return 1
  wait_active "$startup" || return 1
  for ((i = 0; i < $1; i++)); do press Tab; done
  press Return
  MAIN=$(wait_window '^VELMORA TELMARIS') || return 1
  wait_popup
}

# The start-up window, then a click on the variant button INDEX (0 to 7, 2600 x 350 twips from
# 720, 1620, one every 390 twips); then the main window with its model list dropped down.
start_variant_by_mouse() {
  local startup X Y WIDTH HEIGHT
  startup=$(wait_window '') || return 1
  wait_active "$startup" || return 1
  window_geometry "$startup" || { walk_error "the start-up window is gone"; return 1; }
  click_at $((X + (720 + 1300 + 7) / 15)) $((Y + (1620 + 390 * $1 + 175 + 7) / 15))
  MAIN=$(wait_window '^VELMORA TELMARIS') || return 1
  wait_popup
}

press() {
  local k
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep "$KEY_DELAY"
  done
}

# Moves the pointer to a point of the screen, in pixels, and lets it rest there.
rest_pointer_at() {
  # A move to where the pointer already rests would wait for a motion that never comes.
  local here
  here=$(xdotool getmouselocation 2>/dev/null | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/p')
  [ "$here" = "$1 $2" ] || xdotool mousemove --sync "$1" "$2"
  sleep "$CLICK_SETTLE"
}

# A click of the left button at a point of the screen, in pixels.
click_at() {
  rest_pointer_at "$1" "$2"
  xdotool click 1
  sleep "$KEY_DELAY"
}

# A double-click of the left button at a point of the screen, in pixels: two clicks well inside
# the double-click interval.
double_click_at() {
  rest_pointer_at "$1" "$2"
  xdotool click --repeat 2 --delay 80 1
  sleep "$KEY_DELAY"
}

# Sets X, Y, WIDTH and HEIGHT to the window's place and size on the screen. (For a window in a
# frame of the window manager, xdotool getwindowgeometry gives its place inside the frame.)
window_geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# A click at a point of the main window's client area, in twips.
click_main() {
  local X Y WIDTH HEIGHT
  window_geometry "$MAIN" || { walk_error "the main window is gone"; return 1; }
  local menu=$((HEIGHT - MAIN_CLIENT_HEIGHT))
  click_at $((X + ($1 + 7) / 15)) $((Y + menu + ($2 + 7) / 15))
}

# A click in the middle of a control of the main window, given its left, top, width and height
# in twips.
click_control() {
  click_main $(($1 + $3 / 2)) $(($2 + $4 / 2))
}

# A double-click at a point of the main window's client area, in twips.
double_click_main() {
  local X Y WIDTH HEIGHT
  window_geometry "$MAIN" || { walk_error "the main window is gone"; return 1; }
  local menu=$((HEIGHT - MAIN_CLIENT_HEIGHT))
  double_click_at $((X + ($1 + 7) / 15)) $((Y + menu + ($2 + 7) / 15))
}

# A double-click in the middle of a control of the main window (left, top, width, height in
# twips).
double_click_control() {
  double_click_main $(($1 + $3 / 2)) $(($2 + $4 / 2))
}

# A click on entry INDEX (from 0) of the open drop-down list of COUNT entries; CLICK names
# another way to click at a point of the screen, such as double_click_at.
click_popup_entry() {
  local popup X Y WIDTH HEIGHT
  popup=$(popup_window) || { walk_error "no drop-down list to click into"; return 1; }
  window_geometry "$popup" || { walk_error "the drop-down list closed"; return 1; }
  local y=$((Y + 1 + (2 * $1 + 1) * (HEIGHT - 2) / (2 * $2)))
  "${3:-click_at}" $((X + WIDTH / 3)) "$y"
}

# Sets FX, FY, FW and FH to the place and size of the window's frame as the window manager
# draws it (the window's own place less the frame extents it announces).
frame_geometry() {
  local X Y WIDTH HEIGHT extents
  window_geometry "$1" || return 1
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || extents=0,0,0,0
  local left right top bottom
  IFS=, read -r left right top bottom <<<"$extents"
  FX=$((X - left))
  FY=$((Y - top))
  FW=$((WIDTH + left + right))
  FH=$((HEIGHT + top + bottom))
}

# The size of the screen, as SCREEN_W and SCREEN_H.
screen_size() {
  read -r SCREEN_W SCREEN_H < <(xwininfo -root | sed -n 's/^ *Width: *//p; s/^ *Height: *//p' |
                                 tr '\n' ' ')
}

# True when the two numbers differ by at most one pixel, three on a scaled screen: at one and a
# half times the size a window's place and its frame are each rounded from the scaled size, and
# a window placed against another takes both roundings (1.5 pixels each).
about() {
  local slack=1
  case "${QT_SCALE_FACTOR:-1}" in 1 | 1.0) ;; *) slack=3 ;; esac
  [ $(($1 - $2)) -le "$slack" ] && [ $(($2 - $1)) -le "$slack" ]
}

lists_shown() { grep -c '^----$' "$LIST_LOG"; }

lists_shown_at_least() { [ "$(lists_shown)" -ge "$1" ]; }

# Waits until the program has shown N ordering lists in all.
wait_lists() {
  WAIT_LIMIT=$LIST_WAIT_LIMIT wait_until lists_shown_at_least "$1" ||
    walk_error "the ordering list was not shown (lists shown: $(lists_shown), wanted $1)"
}

# The ordering-list window, once it is the active one.
wait_list_window() {
  local w
  w=$(wait_window '^Ordering list$') || return 1
  wait_active "$w"
}

# From the ordering-list window back to the main window with Enter.
back_to_main() {
  wait_list_window || return 1
  press Return
  wait_active "$MAIN"
}

# A picture of the whole screen when TELMARIS_WALK_SCREENSHOTS names a folder.
snapshot() {
  [ -n "${TELMARIS_WALK_SCREENSHOTS:-}" ] || return 0
  mkdir -p "$TELMARIS_WALK_SCREENSHOTS"
  import -window root "$TELMARIS_WALK_SCREENSHOTS/$WALK_NAME-$REPETITION-$1.png"
}
