# Walk 2: one Enter in the dropped-down model list confirms the model and moves the focus to the
# lift height, so that the digits typed right after it are the lift height.
#
# Start-up window: Enter. In the dropped-down model list, without moving: Enter confirms the
# first model, "PXH 250 EX". Lift height 6 m gives a chain of int(6 + 0.5 - 0.01) + 1 = 7 m (one
# fall); control length 2 m a pull chain of 4 m. Trolley "None", hoist control "Pull chain";
# in the accessory walk the overload protection is ticked with the space bar, the others are
# left as they come.
# Prices: hoist 2475.00, zinc-plated chain 7 mm 36.90 per m (258.3), pull chain 5 mm 8.90 per
# m (35.6), overload protection for the PXH 250 412.00; total 3180.9.

WALK_TITLE="one Enter confirms the model: PXH 250 EX, 6 m, 2 m, overload protection"

walk_steps() {
  start_english_european || return 1
  press Return || return 1
  press 6 Return 2 Return || return 1
  press Return Return || return 1                 # trolley, hoist control
  press space Return || return 1                  # overload protection, ticked
  press Return Return Return Return || return 1   # chain collector, chain stop, safety hook, assembly
  press Return || return 1                        # the screen button
  wait_lists 1
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0250 00   2475.0  PXH 250 EX air hoist 250 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   7 m    7302 4410 02    258.3  Load chain 7 mm, zinc plated, per m
   4 m    7302 4430 05     35.6  Pull chain 5 mm, per m

   1      7302 4710 03    412.0  Overload protection device, PXH 250
 __________________________________________________________________________________
 Price                   3180.9
----
LIST
}
