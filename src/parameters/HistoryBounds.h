#pragma once

#include "data/DateTime.h"

struct HistoryPeriod {
    DateTime from;
    DateTime to;
};

// The moments the history shows: the whole history, or from midnight of the
// first day to 23:59:59 of the last.
HistoryPeriod HistoryBounds(bool wholeHistory, DateTime firstDay, DateTime lastDay);
