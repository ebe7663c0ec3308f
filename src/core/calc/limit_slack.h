#pragma once

namespace kalmo {

// Slack of the "within limits" tests, mm. A value typed equal to a limit
// (32.0945 for the upper limit of 32.14 S3) is inside however the limit's
// sum of nominal size and deviation rounds in binary; 1e-9 mm is far below
// any deviation step of the tables (0.00005 mm) and far above the rounding
// of sizes up to 10000 mm (about 2e-12 mm).
inline constexpr double kLimitSlackMm = 1e-9;

}  // namespace kalmo
