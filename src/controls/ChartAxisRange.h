#pragma once

// The range one chart axis shows, and whether it follows the data.
struct ChartAxisRange {
    double min = 0.0;
    double max = 1.0;
    bool automatic = true;

    double span() const { return max - min; }
    friend bool operator==(const ChartAxisRange&, const ChartAxisRange&) = default;
};
