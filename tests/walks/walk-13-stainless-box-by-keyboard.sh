# Walk 13: a model of the 250 or 500 class picked after another one of them stops at the
# stainless-steel box; Enter there, and Tab, lead on to the lift height, as a click does.
#
# Start-up window: Enter; Enter in the dropped-down list confirms "PXH 250 EX" and moves on to
# the lift height. The list is opened again with the mouse and "PXH 500 EX" clicked: the model
# before was a 250, so the focus goes to the stainless-steel box. Enter leaves it unticked and
# the digits typed next are the lift height: 4 m gives a chain of int(4 + 0.5 - 0.01) + 1 = 5 m
# (one fall), control length 3 m a pull chain of 2 x 3 = 6 m. Trolley "None", hoist control
# "Pull chain", the five accessories left as they come, the screen button.
# Then the list is opened again and "PXH 250 EX" clicked; Tab leaves the stainless-steel box,
# and the same answers follow.
# Prices: PXH 500 EX 2760.00, zinc-plated chain 7 mm 36.90 per m (184.5), pull chain 5 mm 8.90
# per m (53.4), total 2997.9; PXH 250 EX 2475.00 with the same chains, total 2712.9.

WALK_TITLE="the stainless-steel box by Enter and by Tab: PXH 500 EX and PXH 250 EX, 4 m, 3 m"

# The model list's drop-down button, at the right end of the box (design place, in twips).
MODEL_LIST_BUTTON=($((2010 + 3195 - 150)) $((510 + 315 / 2)))

pick_model_by_mouse() {
  click_main "${MODEL_LIST_BUTTON[@]}" || return 1
  wait_popup || return 1
  click_popup_entry "$1" 6
}

to_the_list() {
  press 4 Return 3 Return || return 1
  press Return Return || return 1                       # trolley, hoist control
  press Return Return Return Return Return || return 1  # the five accessories
  press Return                                          # the screen button
}

walk_steps() {
  start_english_european || return 1
  press Return || return 1
  pick_model_by_mouse 1 || return 1                     # PXH 500 EX
  snapshot stainless-box
  press Return || return 1
  to_the_list || return 1
  wait_lists 1 || return 1
  back_to_main || return 1

  pick_model_by_mouse 0 || return 1                     # PXH 250 EX
  press Tab || return 1
  to_the_list || return 1
  wait_lists 2
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
 Ordering list

   1      8420 0250 00   2475.0  PXH 250 EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   2712.9
----
LIST
}
