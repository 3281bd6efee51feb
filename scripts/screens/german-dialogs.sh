# The German print dialog and the print preview of the same page: PXH 250 EX, 4 m, 3 m, no
# trolley, pull chain, no accessory; Ctrl+P, then File > Print Preview.
WALK_TITLE="the German print dialog and the print preview"
walk_steps() {
  start_variant 7 || return 1
  press Return 4 Return 3 Return || return 1
  press Return Return Return Return Return Return Return || return 1
  press ctrl+p
  sleep 2
  snapshot print-dialog
  press Escape
  sleep 1
  xdotool key alt+d
  sleep 0.5
  snapshot file-menu
  press Down Down Down Down Down Down Return
  sleep 3
  snapshot print-preview
  press Escape
}
walk_expected() { cat "$RUN_DIR/lists.log"; }
