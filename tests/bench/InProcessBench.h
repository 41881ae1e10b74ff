// Measurements made inside the bench's own process: the card library's entry points, the board's tick
// on a shown window, and a collapse of five cards.
#pragma once
#include "BenchTable.h"

class InProcessBench {
public:
    // `repetitions` scales how often each measurement is repeated.
    explicit InProcessBench(int repetitions);
    virtual ~InProcessBench() = default;

    void MeasureCardLibrary(BenchTable& table) const;
    void MeasureTick(BenchTable& table) const;
    void MeasureCollapse(BenchTable& table) const;

private:
    int repetitions;
};
