# Walk 12: a quote is not left without a question, keeps its answers and its file through a price
# import, and, saved and unchanged, is left without one.
#
# Start-up window: Enter. Enter in the dropped-down list confirms "PXH 250 EX"; lift height 4 m
# (chain int(4 + 0.5 - 0.01) + 1 = 5 m, one fall), control length 3 m (pull chain 2 x 3 = 6 m),
# trolley "None", hoist control "Pull chain", the five accessories left as they come, the screen
# button. A click on the close box of the main window then asks about the quote, which was
# never saved, and so does Ctrl+Q; Escape (Cancel) keeps the program each time. Ctrl+S asks for a name and writes the file. Options > New prices from price file
# takes three prices (hoist 2500, zinc-plated chain 40 per m, pull chain 9 per m; every other
# part 0); the window walks the quote again and stops at the screen button, which shows the same
# answers at the new prices. The file is unchanged by the import, so Ctrl+Q ends the program
# without a question.
# Prices before: hoist 2475.00, chain 36.90 per m (184.5), pull chain 8.90 per m (53.4), total
# 2712.9; after: 2500.0, 5 x 40 = 200.0, 6 x 9 = 54.0, total 2754.0.

WALK_TITLE="a quote asked about, saved, kept through a price import, then left without a question"

# The message boxes of the program carry its name as their title.
QUESTION_TITLE='^Telmaris$'

no_question() { ! first_window "$QUESTION_TITLE" >/dev/null; }
program_ended() { ! program_running; }

# A click on the close box at the right end of the main window's title bar.
click_close_box() {
  local FX FY FW FH
  frame_geometry "$MAIN" || { walk_error "the main window is gone"; return 1; }
  click_at $((FX + FW - 12)) $((FY + 10))
}

# The question about the quote, answered with Escape (Cancel): the program goes on.
cancel_question() {
  wait_window "$QUESTION_TITLE" >/dev/null || return 1
  snapshot "question-$1"
  press Escape || return 1
  wait_until no_question || { walk_error "the question did not close"; return 1; }
  program_running || { walk_error "Cancel ended the program"; return 1; }
  wait_active "$MAIN"
}

# Types a file's full name into the file dialog with the title pattern, and takes it.
choose_file() {
  wait_window "$1" >/dev/null || return 1
  sleep 0.3
  press ctrl+a || return 1
  xdotool type --delay 20 "$2"
  sleep "$KEY_DELAY"
  press Return
}

walk_steps() {
  local quote=$RUN_DIR/quote.telmaris prices=$RUN_DIR/new-prices.dat saved
  printf '"8420 0250 00",2500\r\n"7302 4410 02",40\r\n"7302 4430 05",9\r\n' >"$prices"

  start_english_european || return 1
  press Return 4 Return 3 Return || return 1
  press Return Return || return 1                       # trolley, hoist control
  press Return Return Return Return Return || return 1  # the five accessories
  press Return || return 1                              # the screen button
  wait_lists 1 || return 1
  back_to_main || return 1

  click_close_box || return 1
  cancel_question close-box || return 1
  press ctrl+q || return 1
  cancel_question exit || return 1

  press ctrl+s || return 1
  choose_file '^Save configuration$' "$quote" || return 1
  wait_until test -s "$quote" || { walk_error "the quote was not saved"; return 1; }
  saved=$(cat "$quote")

  wait_active "$MAIN" || return 1
  press alt+o n || return 1
  wait_window '^New prices$' >/dev/null || return 1
  press Return || return 1                              # the note on price files
  choose_file '^Open price file$' "$prices" || return 1
  wait_window '^New prices$' >/dev/null || return 1
  snapshot summary
  press Return || return 1                              # OK in the summary
  wait_active "$MAIN" || return 1
  sleep 0.5
  snapshot after-import
  press Return || return 1                              # the screen button
  wait_lists 2 || return 1
  back_to_main || return 1

  press ctrl+q || return 1
  wait_until program_ended || { walk_error "Exit did not end the program"; return 1; }
  [ "$(cat "$quote")" = "$saved" ] || { walk_error "the file changed"; return 1; }
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0250 00   2475.0  PXH 250 EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   2712.9
----
 Ordering list

   1      8420 0250 00   2500.0  PXH 250 EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    200.0  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     54.0  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   2754.0
----
LIST
}
