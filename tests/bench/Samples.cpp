// Percentiles by nearest rank over a sorted copy.
#include "Samples.h"
#include <algorithm>
#include <cmath>

double Samples::Percentile(double percent) const {
    if (values.empty()) return 0;
    std::vector<double> sorted(values);
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(percent / 100 * sorted.size());
    const size_t index = rank < 1 ? 0 : static_cast<size_t>(rank) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}
