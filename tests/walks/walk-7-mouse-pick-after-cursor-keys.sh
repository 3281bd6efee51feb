# Walk 7: cursor keys in the open model list, then a pick with the mouse, start the
# configuration anew.
#
# First configuration: in the dropped-down list Down four times and Enter ("PXH 2500 EX", one
# fall), lift height 4 m (chain int(4 + 0.6 - 0.01) + 1 = 5 m), control length 3 m, no trolley,
# pull chain; its overload protection is included as standard, so the accessory walk offers
# chain collector, chain stop and assembly; the screen shows its list, and Enter there goes
# back to the main window.
# Then a click on its arrow opens the model list, Down moves in it, and a click picks
# "PXH 1000 EX" (entry 3 of the six). The pick clears the later steps: the output buttons are
# gone (a click where the screen button stood shows nothing) and the lift height is asked for
# again, with the focus on it. Lift height 4 m now gives int(2 x 4 + 0.5 - 0.01) + 1 = 9 m of chain (two falls);
# control length 3 m, no trolley, pull chain; chain collector, chain stop, safety hook and
# assembly left as they come.
# Prices: PXH 2500 EX 6480.00, zinc-plated chain 10 mm 73.50 per m (367.5), pull chain 6 mm
# 11.40 per m (68.4), total 6915.9; PXH 1000 EX 3520.00, zinc-plated chain 7 mm 36.90 per m
# (332.1), pull chain 5 mm 8.90 per m (53.4), total 3905.5. Neither model lists its overload
# protection: for them it is included as standard.

WALK_TITLE="a mouse pick after cursor keys in the open model list starts anew"

# Design places of the controls, in twips: left, top, width, height. The model list is a box
# one may type into; its list drops down from the arrow at its right end, clicked 150 twips
# (10 pixels) inside the box's right edge.
MODEL_LIST_ARROW=($((2010 + 3195 - 150)) $((510 + 315 / 2)))
SCREEN_BUTTON=(9600 6090 645 660)

walk_steps() {
  start_english_european || return 1
  press Down Down Down Down Return || return 1
  press 4 Return 3 Return || return 1
  press Return Return || return 1            # trolley, hoist control
  press Return Return Return || return 1     # chain collector, chain stop, assembly
  press Return || return 1                   # the screen button
  wait_lists 1 || return 1
  back_to_main || return 1

  click_main "${MODEL_LIST_ARROW[@]}" || return 1
  wait_popup || return 1
  press Down || return 1
  snapshot list-open
  click_popup_entry 3 6 || return 1
  # Where the screen button stood: nothing is there any more.
  click_control "${SCREEN_BUTTON[@]}" || return 1
  sleep 0.5
  if [ "$(lists_shown)" -gt 1 ]; then
    walk_error "the screen button was still there after the new model was picked"
    return 1
  fi
  press 4 Return 3 Return || return 1
  press Return Return || return 1                   # trolley, hoist control
  press Return Return Return Return || return 1     # chain collector, chain stop, safety hook, assembly
  press Return || return 1                          # the screen button
  wait_lists 2
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 2500 00   6480.0  PXH 2500 EX air hoist 2500 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4420 02    367.5  Load chain 10 mm, zinc plated, per m
   6 m    7302 4430 06     68.4  Pull chain 6 mm, per m
 __________________________________________________________________________________
 Price                   6915.9
----
 Ordering list

   1      8420 1000 00   3520.0  PXH 1000 EX air hoist 1000 kg, 2 falls
                                 ATEX marking: Ex II 2G T5 II B D100°C
   9 m    7302 4410 02    332.1  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   3905.5
----
LIST
}
