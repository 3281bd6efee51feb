# Walk 8: the twist rod and its articulation chosen with the keyboard alone.
#
# PXH 500 EX, lift height 4 m, control length 3 m, no trolley; in the hoist controls Down twice
# from "Pull chain" to "Twist rod", which at 3 m of control length shows "Articulation" and
# gives it the focus; Space ticks it and Enter goes on to the accessories, none ticked; Enter on
# the screen button. Prices: hoist 2760.00, zinc-plated chain 36.90 per m (5 m, 184.5), twist
# rod 248.00, its extension from 3 m 92.00, the articulation 68.00; total 3352.5.

WALK_TITLE="the articulation of the twist rod ticked with Space"

walk_steps() {
  start_english_european || return 1
  press Down Return || return 1
  press 4 Return 3 Return || return 1
  press Return || return 1                                # no trolley
  press Down Down || return 1                             # twist rod: the articulation box
  press space || return 1
  snapshot articulation-ticked
  press Return || return 1                                # on to the accessories
  press Return Return Return Return Return || return 1   # the five accessories
  press Return || return 1                                # the screen button
  wait_lists 1
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0500 00   2760.0  PXH 500 EX air hoist 500 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   1      7302 4530 01    248.0  Twist rod, PXH 200-1000
   1      7302 4530 11     92.0  Twist rod extension, PXH 200-1000
   1      7302 4530 21     68.0  Twist rod articulation, PXH 200-1000
 __________________________________________________________________________________
 Price                   3352.5
----
LIST
}
