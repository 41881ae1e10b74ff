// Repeated measurements of one quantity, with their median and percentiles.
#pragma once
#include <cstddef>
#include <vector>

class Samples {
public:
    virtual ~Samples() = default;

    void Add(double value) { values.push_back(value); }
    bool Empty() const { return values.empty(); }
    std::size_t Count() const { return values.size(); }
    double Median() const { return Percentile(50); }
    // The nearest-rank percentile (0 to 100); 0 when there are no values.
    double Percentile(double percent) const;

private:
    std::vector<double> values;
};
