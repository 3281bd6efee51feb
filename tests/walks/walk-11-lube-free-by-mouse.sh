# Walk 11: a click on the lube-free box, then a model picked with Enter in the list it drops
# down, leads on to the lift height; then the stainless-steel box and the lift height box by the
# mouse.
#
# Start-up window: Enter; Escape closes the dropped-down list. A click on the lube-free box
# (the click leaves the list, which takes its "PXH 250 EX" over) drops the lube-free list down;
# Enter there picks its first model, "PXH 250L EX" (hoist column 29, model column 2 as the PXH
# 250), and the digits typed next are the lift height, with the stainless-steel box beside it.
# Lift height 4 m gives a chain of int(4 + 0.5 - 0.01) + 1 = 5 m (one fall), control length 3 m
# a pull chain of 2 x 3 = 6 m. Trolley "None", hoist control "Pull chain", the accessories left
# as they come (overload protection, chain collector, chain stop, safety hook, assembly), the
# screen button; Enter in the list window goes back.
# Then a click ticks the stainless-steel box, which hands the focus to the lift height, and a
# click into the lift height box, Ctrl+A and 6 replace it: 6 m gives a chain of
# int(6 + 0.5 - 0.01) + 1 = 7 m, now of stainless steel; control length 3 m again, and the rest
# as before.
# Prices: PXH 250L EX 2775.00, zinc-plated chain 7 mm 36.90 per m (184.5), pull chain 5 mm 8.90
# per m (53.4), total 3012.9; stainless-steel chain 7 mm 118.40 per m (828.8), total 3657.2.

WALK_TITLE="lube-free by mouse, a model by Enter: PXH 250L EX, 4 m, 3 m; stainless and 6 m by mouse"

# Design places, in twips: the check boxes are clicked on their square, 150 twips (10 pixels)
# from their left edge; the boxes in their middle (left, top, width, height).
LUBE_FREE_BOX=($((2010 + 150)) $((120 + 285 / 2)))
STAINLESS_BOX=($((2010 + 180 + 150)) $((840 + 150 + 225 / 2)))
LIFT_HEIGHT_BOX=(4650 1350 550 285)

walk_steps() {
  start_english_european || return 1
  press Escape || return 1
  click_main "${LUBE_FREE_BOX[@]}" || return 1
  wait_popup || return 1
  snapshot lube-free-list
  press Return || return 1
  press 4 Return 3 Return || return 1
  snapshot trolley
  press Return Return || return 1                       # trolley, hoist control
  press Return Return Return Return Return || return 1  # the five accessories
  press Return || return 1                              # the screen button
  wait_lists 1 || return 1
  back_to_main || return 1

  click_main "${STAINLESS_BOX[@]}" || return 1
  click_control "${LIFT_HEIGHT_BOX[@]}" || return 1
  press ctrl+a 6 Return 3 Return || return 1
  snapshot stainless
  press Return Return || return 1                       # trolley, hoist control
  press Return Return Return Return Return || return 1  # the five accessories
  press Return || return 1                              # the screen button
  wait_lists 2
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0250 10   2775.0  PXH 250L EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   3012.9
----
 Ordering list

   1      8420 0250 10   2775.0  PXH 250L EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   7 m    7302 4410 09    828.8  Load chain 7 mm, stainless steel, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   3657.2
----
LIST
}
