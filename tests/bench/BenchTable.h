// The bench's result: one row per figure with its target and whether it was met, printed as Markdown.
#pragma once
#include <string>
#include <vector>

struct BenchRow {
    std::string name;
    std::string figure;
    std::string target;  // empty for rows that only inform
    bool met;
};

class BenchTable {
public:
    virtual ~BenchTable() = default;

    // A row with a target: met when `value` <= `limit`.
    void AtMost(const std::string& name, double value, double limit, const char* unit, int decimals = 1);
    // A row with a target band: met when `value` lies within `low` .. `high`.
    void Within(const std::string& name, double value, double low, double high, const char* unit);
    // A row that only informs (the yardstick's own figures, percentiles).
    void Info(const std::string& name, double value, const char* unit, int decimals = 1);
    // A measurement that could not be made: a miss, with the reason as its figure.
    void Failed(const std::string& name, const std::string& reason, const std::string& target);

    std::string Markdown() const;
    int Misses() const;
    // Measurements that could not be made at all.
    int Failures() const { return failures; }

    // Added to the name of every row that follows, e.g. " at 192 dpi".
    std::string nameSuffix;

private:
    std::vector<BenchRow> rows;
    int failures = 0;
};

std::string FormatNumber(double value, int decimals, const char* unit);
