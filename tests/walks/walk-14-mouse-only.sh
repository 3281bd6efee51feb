# Walk 14: a configuration made with the mouse alone; only the lift height and the control length
# are typed.
#
# A click on the start-up window's first button (English European). In the model list that drops
# down, a double-click on "PXH 500 EX" (entry 1 of 6): its first click picks the model and
# closes the list, its second lands on the window beneath and must change nothing there. A
# click ticks the lube-free box and drops the lube-free list down; a double-click picks its
# first model, "PXH 250L EX" (hoist column 29, model column 2
# as the PXH 250). Lift height 4 m, confirmed by a double-click in its box, gives a chain of
# int(4 + 0.5 - 0.01) + 1 = 5 m (one fall); control length 3 m, confirmed the same way, a pull
# chain of 2 x 3 = 6 m. Double-clicks confirm trolley "None" and hoist control "Pull chain".
# The five accessories (overload protection, chain collector, chain stop, safety hook, assembly)
# are each clicked, which ticks them, then double-clicked, whose first click clears them again
# and which moves on, so none is ordered. A click on the screen button shows the list.
# Prices: PXH 250L EX 2775.00, zinc-plated chain 7 mm 36.90 per m (184.5), pull chain 5 mm 8.90
# per m (53.4), total 3012.9.

WALK_TITLE="mouse only: PXH 250L EX by double-clicks, 4 m and 3 m typed, every step double-clicked"

# Design places, in twips: check boxes and option buttons are clicked on their mark, 150 twips
# (10 pixels) from their left edge, at half their height; boxes and buttons in their middle
# (left, top, width, height).
LUBE_FREE_BOX=($((2010 + 150)) $((120 + 285 / 2)))
LIFT_HEIGHT_BOX=(4650 1350 550 285)
CONTROL_LENGTH_BOX=(4650 1890 550 285)
NO_TROLLEY=($((2010 + 60 + 150)) $((3150 + 210 + 225 / 2)))
PULL_CHAIN=($((5580 + 60 + 150)) $((840 + 240 + 405 / 2)))
ACCESSORIES=(
  $((210 + 400 / 2))   # overload protection
  $((1890 + 405 / 2))  # chain collector
  $((2610 + 405 / 2))  # chain stop
  $((3510 + 400 / 2))  # safety hook
  $((4470 + 645 / 2))  # assembly
)
ACCESSORY_LEFT=$((9600 + 150))
SCREEN_BUTTON=(9600 6090 645 660)

walk_steps() {
  start_variant_by_mouse 0 || return 1
  click_popup_entry 1 6 double_click_at || return 1  # PXH 500 EX
  click_main "${LUBE_FREE_BOX[@]}" || return 1
  wait_popup || return 1
  snapshot lube-free-list
  click_popup_entry 0 6 double_click_at || return 1  # PXH 250L EX
  press 4 || return 1
  double_click_control "${LIFT_HEIGHT_BOX[@]}" || return 1
  press 3 || return 1
  double_click_control "${CONTROL_LENGTH_BOX[@]}" || return 1
  snapshot trolley
  double_click_main "${NO_TROLLEY[@]}" || return 1
  double_click_main "${PULL_CHAIN[@]}" || return 1
  local top
  for top in "${ACCESSORIES[@]}"; do
    click_main "$ACCESSORY_LEFT" "$top" || return 1
    # Apart enough that the click and the double-click are not taken for one triple click.
    sleep 0.3
    double_click_main "$ACCESSORY_LEFT" "$top" || return 1
  done
  snapshot accessories
  click_control "${SCREEN_BUTTON[@]}" || return 1
  wait_lists 1 || return 1
  wait_list_window && snapshot list
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
LIST
}
