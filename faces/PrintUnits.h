#pragma once

namespace zindra {

// The units print sizes are given in: points for fonts and pages, millimetres
// for bar-code dimensions and label stock.
inline constexpr double PointsPerInch = 72.0;
inline constexpr double MmPerInch = 25.4;
inline constexpr double PointsPerMm = PointsPerInch / MmPerInch;

inline constexpr double MmToPoints(double mm) {
    return mm * PointsPerMm;
}
inline constexpr double PointsToMm(double points) {
    return points / PointsPerMm;
}

} // namespace zindra
