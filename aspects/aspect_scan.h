#pragma once
// The two aspect scans over computed points: within one chart (each unordered pair once)
// and between two charts (all 18 x 18 ordered pairs). Each match is reported in loop order,
// pair by pair and row by row, so overlapping rows report the same pair twice.
#include "aspects/aspect_settings.h"
#include "aspects/points.h"

#include <array>
#include <cstdint>
#include <functional>

namespace omvera {

using PointLongitudes = std::array<double, 21>; // points 1..18 (slots up to 20)

struct AspectRows {
    int count = 0; // rows taking part, at most kAspectCapacity
    std::array<double, kAspectCapacity> angles{};
};

// (row k, longitude of the first point, longitude of the second point)
using AspectMatch = std::function<void(int row, double l1, double l2)>;

// For i = 1..17, j = i + 1..18 and every row k: the aspect test of points[i], points[j].
// The pair form reports the point numbers of each match (point i, point j, row k).
using AspectPairMatch = std::function<void(int i, int j, int row)>;
void ScanChartAspectPairs(const PointLongitudes& points, const PointIncluded& included,
                          const std::array<double, 19>& orbs, const AspectRows& rows,
                          const AspectPairMatch& match);
void ScanChartAspects(const PointLongitudes& points, const PointIncluded& included,
                      const std::array<double, 19>& orbs, const AspectRows& rows,
                      const AspectMatch& match);

// For i = 1..18 (chart 1), j = 1..18 (chart 2) and every row k: the aspect test of
// first[i], second[j]; one orb table and one set of switches serve both charts.
void ScanMutualAspects(const PointLongitudes& first, const PointLongitudes& second,
                       const PointIncluded& included, const std::array<double, 19>& orbs,
                       const AspectRows& rows, const AspectMatch& match);

} // namespace omvera
