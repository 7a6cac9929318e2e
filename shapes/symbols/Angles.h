// Arc angles of the flowchart symbols, in radians, counter-clockwise from
// 3 o'clock. Two precisions are in use: the ten-digit decimal pi halved in
// double precision, and pi rounded to a float.
#pragma once

constexpr double kPiTenDigits = 3.141592654;
constexpr double kThreePiTenDigits = 9.424777962;
constexpr float kHalfPi = float(kPiTenDigits / 2);             // up
constexpr float kThreeHalvesPi = float(kThreePiTenDigits / 2);  // down
constexpr float kPiSingle = 3.1415927f;                         // left
