# Walk 15: a quote of two hoists made with the keyboard alone, written as a PDF file.
#
# Start-up window: Enter. Enter in the dropped-down list confirms "PXH 250 EX"; lift height 4 m,
# control length 3 m, trolley "None", hoist control "Pull chain", the five accessories left as
# they come: the output buttons show. Ctrl+Shift+N opens the quote window, Alt+A adds the
# configuration as position 1. Alt+Tab leads back to the main window; Ctrl+N starts anew (the
# configuration is kept in the quote, so nothing is asked) and the second hoist is the same
# model with a lift height of 5 m (Enter passes the stainless-steel box New File shows). Alt+Tab, Alt+A: position 2. Alt+Q goes to its quantity, which
# becomes 2; Alt+C to the company, which is typed. File > Export as PDF (Alt+F, D) writes the
# quote: a summary page and one page for each position. No ordering list is shown on the way.

WALK_TITLE="a quote of two hoists by keyboard alone, exported as a PDF file of three pages"

# The quote window's title: "New quote" until it is issued, then "Quote Q-...".
QUOTE_TITLE='^(New quote|Quote Q-)'

# Types a file's full name into the file dialog with the title pattern, and takes it.
choose_file() {
  wait_window "$1" >/dev/null || return 1
  sleep 0.3
  press ctrl+a || return 1
  xdotool type --delay 20 "$2"
  sleep "$KEY_DELAY"
  press Return
}

# The configuration from the model list dropped down: the keys given (Enter on the model, and
# after New File Enter on the stainless-steel box the model list leads to), the lift height
# and 3 m, then Enter on the trolley, the hoist control and the five accessories.
configure() {
  press "$@" Return 3 Return || return 1
  press Return Return || return 1
  press Return Return Return Return Return || return 1
}

# Alt+Tab to the other window of the two, which becomes the active one.
switch_to() {
  press alt+Tab || return 1
  wait_active "$1"
}

# The quote window's frame stands whole on the screen.
quote_window_fits() {
  local FX FY FW FH SCREEN_W SCREEN_H
  frame_geometry "$1" || { walk_error "the quote window is gone"; return 1; }
  screen_size
  ((FX >= 0 && FY >= 0 && FX + FW <= SCREEN_W && FY + FH <= SCREEN_H)) ||
    { walk_error "the quote window ($FX,$FY ${FW}x$FH) leaves the ${SCREEN_W}x$SCREEN_H screen"; return 1; }
}

walk_steps() {
  local quote pdf=$RUN_DIR/quote.pdf pages
  start_english_european || return 1
  configure Return 4 || return 1
  snapshot first-hoist

  press ctrl+shift+n || return 1
  quote=$(wait_window "$QUOTE_TITLE") || return 1
  wait_active "$quote" || return 1
  quote_window_fits "$quote" || return 1
  press alt+a || return 1
  sleep 0.5
  snapshot one-position

  switch_to "$MAIN" || return 1
  press ctrl+n || return 1
  wait_popup || return 1
  configure Return Return 5 || return 1
  switch_to "$quote" || return 1
  press alt+a || return 1
  sleep 0.5

  press alt+q ctrl+a 2 || return 1
  press alt+c || return 1
  xdotool type --delay 20 "Hebezeug Nord AG"
  sleep "$KEY_DELAY"
  press Tab || return 1
  snapshot two-positions

  press alt+f d || return 1
  choose_file '^Export as PDF$' "$pdf" || return 1
  wait_until test -s "$pdf" || { walk_error "the quote was not written"; return 1; }
  wait_active "$quote" || return 1
  sleep 0.5
  snapshot exported
  pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
  [ "$pages" = 3 ] || { walk_error "the PDF has ${pages:-no} pages, not the summary and 2"; return 1; }
  wait_window '^Quote Q-' >/dev/null || { walk_error "the quote was not numbered"; return 1; }
}

walk_expected() {
  :
}
