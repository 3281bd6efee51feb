# The ordering list and the sheet window after the screen output: at 1024 x 768 both stand whole,
# the list window below the sheet window.
WALK_TITLE="list and sheet windows after the screen output"

walk_steps() {
  start_english_european || return 1
  press Down Return || return 1
  press 4 Return 3 Return || return 1
  press Return Return || return 1
  press Return Return Return Return Return || return 1
  press Return || return 1
  wait_lists 1 || return 1
  wait_list_window || return 1
  sleep 2
  snapshot list-and-sheet
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0500 00   2760.0  PXH 500 EX air hoist 500 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   2997.9
----
LIST
}
