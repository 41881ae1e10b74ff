// Rows of figures against targets, and the Markdown table made from them.
#include "BenchTable.h"
#include <cstdio>

std::string FormatNumber(double value, int decimals, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, *unit ? " " : "", unit);
    return text;
}

void BenchTable::AtMost(const std::string& name, double value, double limit, const char* unit, int decimals) {
    rows.push_back({name + nameSuffix, FormatNumber(value, decimals, unit), "<= " + FormatNumber(limit, decimals, unit),
                    value <= limit});
}

void BenchTable::Within(const std::string& name, double value, double low, double high, const char* unit) {
    rows.push_back({name + nameSuffix, FormatNumber(value, 1, unit),
                    FormatNumber(low, 0, "") + " to " + FormatNumber(high, 0, unit), value >= low && value <= high});
}

void BenchTable::Info(const std::string& name, double value, const char* unit, int decimals) {
    rows.push_back({name + nameSuffix, FormatNumber(value, decimals, unit), "", true});
}

void BenchTable::Failed(const std::string& name, const std::string& reason, const std::string& target) {
    rows.push_back({name + nameSuffix, reason, target.empty() ? "-" : target, false});
    ++failures;
}

std::string BenchTable::Markdown() const {
    std::string text = "| Measurement | Figure | Target | Result |\n|---|---:|---|---|\n";
    for (const BenchRow& row : rows) {
        const char* result = row.target.empty() ? "-" : row.met ? "pass" : "MISS";
        text += "| " + row.name + " | " + row.figure + " | " + (row.target.empty() ? "-" : row.target) + " | " +
                result + " |\n";
    }
    return text;
}

int BenchTable::Misses() const {
    int misses = 0;
    for (const BenchRow& row : rows) misses += row.met ? 0 : 1;
    return misses;
}
