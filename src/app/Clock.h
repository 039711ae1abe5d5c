#pragma once

#include "data/DateTime.h"

// Every reading of the current moment goes through a clock, so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    DateTime today() const { return now().datePart(); }
};

class SystemClock : public Clock {
public:
    DateTime now() const override { return DateTime::fromQDateTime(QDateTime::currentDateTime()); }
};
