# Walk 1: the first configuration after start-up.
#
# Start-up window: Enter (English European). In the dropped-down model list: Down, Enter picks
# "PXH 500 EX", whose stainless-steel choice is offered beside the lift height. Lift height 4 m
# gives a chain of int(1 x 4 + 0.5 - 0.01) + 1 = 5 m (one fall); control length 3 m gives a pull
# chain of 2 x 3 = 6 m. Enter takes trolley "None" and hoist control "Pull chain", then walks the
# accessories without ticking any (overload protection, chain collector, chain stop, safety
# hook, assembly), which leads to the screen button; Enter there shows the list.
# Prices from the parts database: hoist 2760.00, zinc-plated chain 7 mm 36.90 per m, pull chain
# 5 mm 8.90 per m; 184.5 + 53.4 + 2760.0 = 2997.9.

WALK_TITLE="first configuration after start-up: PXH 500 EX, 4 m, 3 m, no trolley, pull chain"

walk_steps() {
  start_english_european || return 1
  press Down Return || return 1
  press 4 Return 3 Return || return 1
  snapshot trolley
  press Return Return || return 1                       # trolley, hoist control
  press Return Return Return Return Return || return 1  # the five accessories
  press Return || return 1                              # the screen button
  wait_lists 1 || return 1
  wait_list_window && snapshot list
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
