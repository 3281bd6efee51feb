# Walk 10: the windows' frames where they belong, on the screen the walk runs on.
#
# Deutsch; the main window's frame at the top left corner of the screen, its title bar on it.
# PXH 250 EX (the first model of the list), lift height 4 m, control length 3 m, no trolley,
# pull chain, no accessory; Enter on the screen button. The ordering list's frame then ends at
# the lower right corner of the screen and the sheet window's frame stands directly above it
# (at the top of the screen when both do not fit one above the other). Prices: hoist 2475.00,
# zinc-plated chain 36.90 per m (5 m, 184.5), pull chain 8.90 per m (6 m, 53.4); total 2712.9.
# Run at 1280 x 1024 and 1024 x 768, and at 1280 x 1024 with QT_SCALE_FACTOR=1.5 (see
# tests/CMakeLists.txt).

WALK_TITLE="the frames of the main window, the ordering list and the sheet on the screen"

check_frames() {
  local SCREEN_W SCREEN_H FX FY FW FH
  screen_size
  frame_geometry "$MAIN" || return 1
  about "$FX" 0 && about "$FY" 0 ||
    { walk_error "the main window's frame is at $FX,$FY, not at the top left corner"; return 1; }
  local list sheet
  list=$(wait_window '^Bestellliste$') || return 1
  sheet=$(wait_window '^Technical data$') || return 1
  frame_geometry "$list" || return 1
  local list_top=$FY
  about $((FX + FW)) "$SCREEN_W" && about $((FY + FH)) "$SCREEN_H" ||
    { walk_error "the list's frame $FW x $FH at $FX,$FY does not end at the lower right corner"; return 1; }
  frame_geometry "$sheet" || return 1
  about $((FX + FW)) "$SCREEN_W" ||
    { walk_error "the sheet's frame $FW x $FH at $FX,$FY does not end at the right edge"; return 1; }
  if ((list_top - FH >= 0)); then
    about $((FY + FH)) "$list_top" ||
      { walk_error "the sheet's frame ends at $((FY + FH)), the list's begins at $list_top"; return 1; }
  else
    about "$FY" 0 || { walk_error "the sheet's frame is at $FY, not at the top"; return 1; }
  fi
}

walk_steps() {
  start_variant 7 || return 1
  snapshot main-window
  press Return || return 1
  press 4 Return 3 Return || return 1
  press Return Return || return 1                        # trolley, hoist control
  press Return Return Return Return Return || return 1   # the five accessories
  press Return || return 1                               # the screen button
  wait_lists 1 || return 1
  snapshot ordering-list
  check_frames
}

walk_expected() {
  cat <<'LIST'
 Bestellliste

   1      8420 0250 00   2475.0  PXH 250 EX Druckluft-Kettenzug 250 kg
                                 ATEX-Kennzeichnung: Ex II 2G T5 II B D100°C
   5 m    7302 4410 02    184.5  Lastkette 7 mm verzinkt, je m
   6 m    7302 4430 05     53.4  Steuerkette 5 mm, je m
 __________________________________________________________________________________
 Preis                   2712.9
----
LIST
}
