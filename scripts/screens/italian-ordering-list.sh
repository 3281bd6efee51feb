# The ordering list in Italian: PXH 250 EX (the first model of the list), 4 m, 3 m, no trolley,
# pull chain, no accessory, then Enter on the screen button.
WALK_TITLE="the ordering list in Italian"
walk_steps() {
  start_variant 6 || return 1
  press Return 4 Return 3 Return || return 1
  press Return Return Return Return Return Return Return || return 1
  press Return || return 1
  wait_lists 1 || return 1
  sleep 0.5
  snapshot ordering-list
}
walk_expected() { cat "$RUN_DIR/lists.log"; }
