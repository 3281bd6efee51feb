# Walk 6: the output button acts on what the boxes show after their leave rules.
#
# The configuration of walk 1 (PXH 500 EX, lift height 4 m, chain 5 m, control length 3 m, no
# trolley, pull chain, no accessory ticked) up to the output buttons; then a click into the
# control-length box, its text replaced by 0, and a click on the screen button. Editing the
# control length clears no later step, so the buttons stay. Leaving the box with a value below
# 1 sets its text to 1 before the button acts, so the list has the pull chain of 2 x 1 = 2 m.
# Prices: hoist 2760.00, zinc-plated chain 36.90 per m (184.5), pull chain 8.90 per m (17.8);
# total 2962.3.

WALK_TITLE="a click on the screen button after the control length was typed as 0"

# Design places of the controls, in twips: left, top, width, height.
CONTROL_LENGTH_BOX=(4650 1890 550 285)
SCREEN_BUTTON=(9600 6090 645 660)

walk_steps() {
  start_english_european || return 1
  press Down Return || return 1
  press 4 Return 3 Return || return 1
  press Return Return || return 1                        # trolley, hoist control
  press Return Return Return Return Return || return 1   # the five accessories
  click_control "${CONTROL_LENGTH_BOX[@]}" || return 1
  press End BackSpace BackSpace 0 || return 1
  snapshot control-length-0
  click_control "${SCREEN_BUTTON[@]}" || return 1
  wait_lists 1
}

walk_expected() {
  cat <<'LIST'
 Ordering list

   1      8420 0500 00   2760.0  PXH 500 EX air hoist 500 kg, 1 fall
                                 ATEX marking: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m
   2 m    7302 4430 05     17.8  Pull chain 5 mm, per m
 __________________________________________________________________________________
 Price                   2962.3
----
LIST
}
