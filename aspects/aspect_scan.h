#pragma once
// The two aspect scans over computed points: within one chart (each unordered pair once)
// and between two charts (all 18 x 18 ordered pairs). Each match is reported in loop order,
// pair by pair and row by row, so overlapping rows report the same pair twice.
//
// The scans are templates over the match callback, so that a caller's lambda is inlined
// into the loops: the batch runs them for every chart.
#include "aspects/aspect_settings.h"
#include "aspects/points.h"

#include <array>
#include <cstdint>

namespace omvera {

using PointLongitudes = std::array<double, 21>; // points 1..18 (slots up to 20)

struct AspectRows {
    int count = 0; // rows taking part, at most kAspectCapacity
    std::array<double, kAspectCapacity> angles{};
};

// For i = 1..17, j = i + 1..18 and every row k: the aspect test of points[i], points[j].
// The pair form calls match(i, j, k) with the point numbers of each match (point i,
// point j, row k).
template <class PairMatch>
void ScanChartAspectPairs(const PointLongitudes& points, const PointIncluded& included,
                          const std::array<double, 19>& orbs, const AspectRows& rows,
                          PairMatch&& match) {
    // A point that is not included is in no aspect (the aspect test says so), so its pairs
    // are not tested at all.
    for (int i = 1; i <= kPointCount - 1; ++i) {
        if (!included[i]) continue;
        for (int j = i + 1; j <= kPointCount; ++j) {
            if (!included[j]) continue;
            for (int k = 0; k < rows.count; ++k)
                if (InAspect(points[i], points[j], orbs[i], orbs[j], true, true, rows.angles[k]))
                    match(i, j, k);
        }
    }
}

// The same, calling match(k, longitude of point i, longitude of point j).
template <class Match>
void ScanChartAspects(const PointLongitudes& points, const PointIncluded& included,
                      const std::array<double, 19>& orbs, const AspectRows& rows, Match&& match) {
    ScanChartAspectPairs(points, included, orbs, rows,
                         [&](int i, int j, int k) { match(k, points[i], points[j]); });
}

// For i = 1..18 (chart 1), j = 1..18 (chart 2) and every row k: the aspect test of
// first[i], second[j], calling match(k, first[i], second[j]); one orb table and one set of
// switches serve both charts.
template <class Match>
void ScanMutualAspects(const PointLongitudes& first, const PointLongitudes& second,
                       const PointIncluded& included, const std::array<double, 19>& orbs,
                       const AspectRows& rows, Match&& match) {
    for (int i = 1; i <= kPointCount; ++i)
        for (int j = 1; j <= kPointCount; ++j)
            for (int k = 0; k < rows.count; ++k)
                if (InAspect(first[i], second[j], orbs[i], orbs[j], included[i], included[j],
                             rows.angles[k]))
                    match(k, first[i], second[j]);
}

} // namespace omvera
