// Conversion factors the program uses between metric and US units.
#pragma once

inline constexpr double kMetresPerFoot = 0.3048;
