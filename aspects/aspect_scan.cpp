#include "aspects/aspect_scan.h"

namespace omvera {

void ScanChartAspectPairs(const PointLongitudes& points, const PointIncluded& included,
                          const std::array<double, 19>& orbs, const AspectRows& rows,
                          const AspectPairMatch& match) {
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

void ScanChartAspects(const PointLongitudes& points, const PointIncluded& included,
                      const std::array<double, 19>& orbs, const AspectRows& rows,
                      const AspectMatch& match) {
    ScanChartAspectPairs(points, included, orbs, rows,
                         [&](int i, int j, int k) { match(k, points[i], points[j]); });
}

void ScanMutualAspects(const PointLongitudes& first, const PointLongitudes& second,
                       const PointIncluded& included, const std::array<double, 19>& orbs,
                       const AspectRows& rows, const AspectMatch& match) {
    for (int i = 1; i <= kPointCount; ++i)
        for (int j = 1; j <= kPointCount; ++j)
            for (int k = 0; k < rows.count; ++k)
                if (InAspect(first[i], second[j], orbs[i], orbs[j], included[i], included[j],
                             rows.angles[k]))
                    match(k, first[i], second[j]);
}

} // namespace omvera
