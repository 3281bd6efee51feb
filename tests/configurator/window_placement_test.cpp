// The sizes the ordering list window takes below the sheet window.
#include "widgets/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, TheListWindowGivesWayToTheSheetWindowDownToItsMinimum) {
  // A list window designed 649 x 481 that needs 400 x 120, framed 1 pixel on three sides and a
  // 25-pixel title bar; the sheet window's frame 662 x 376.
  const QSize design(649, 481), minimum(400, 120), sheet(662, 376);
  const QMargins frame(1, 25, 1, 1);
  // 1280 x 1024 has room for both: 376 + 481 + 26 = 883.
  EXPECT_EQ(listWindowSize({0, 0, 1280, 1024}, design, minimum, frame, sheet), QSize(649, 481));
  // 1024 x 768 less a 30-pixel panel: 738 - 376 - 26 = 336 high.
  EXPECT_EQ(listWindowSize({0, 30, 1024, 738}, design, minimum, frame, sheet), QSize(649, 336));
  // 800 x 480: 480 - 376 - 26 = 78 is below the 120 the controls need; the width fits.
  EXPECT_EQ(listWindowSize({0, 0, 800, 480}, design, minimum, frame, sheet), QSize(649, 120));
  // 600 x 400: as wide as the screen less the frame, 598; as high as the controls need.
  EXPECT_EQ(listWindowSize({0, 0, 600, 400}, design, minimum, frame, sheet), QSize(598, 120));
}
