# Walk 9: the upper value of the US Imperial feet prompt chosen with the keyboard.
#
# US Version Imperial (the fourth button of the start-up window), the first model of its list,
# PXH 250 EX; lift height 10 ft, control length 10 ft, which is no whole number of metres: the
# prompt offers 9.8 ft and 13.1 ft with the focus on the first. Shift chooses nothing, Down
# moves to 13.1 ft and Enter takes it: 4 m. No trolley, pull chain, no accessory; Enter on the
# screen button. 10 ft are 3.05 m of lift, so the chain is 4 m; the pull chain twice the
# control length, 8 m. Prices: hoist 2475.00, zinc-plated chain 36.90 per m (147.6), pull chain
# 8.90 per m (71.2); total 2693.8.

WALK_TITLE="the feet prompt: Shift chooses nothing, Down goes to the upper value, Enter takes it"

walk_steps() {
  start_variant 3 || return 1
  press Return || return 1
  press 1 0 Return 1 0 Return || return 1
  press Shift_L Down || return 1
  snapshot upper-value-focused
  press Return || return 1
  press Return Return || return 1                        # trolley, hoist control
  press Return Return Return Return Return || return 1   # the five accessories
  press Return || return 1                               # the screen button
  wait_lists 1
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1            8420 0250 00   2475.0  PXH 250 EX air hoist 550 lb, 1 fall
                                       ATEX marking: Ex II 2G T5 II B D100°C
   4 m ( 13 ft) 7302 4410 02    147.6  Load chain 9/32 in, zinc plated, per m
   8 m ( 26 ft) 7302 4430 05     71.2  Pull chain 3/16 in, per m
 __________________________________________________________________________________
 Price                         2693.8
----
LIST
}
