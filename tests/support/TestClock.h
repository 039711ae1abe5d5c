#pragma once

#include "app/Clock.h"

// A clock the test sets and moves.
class TestClock : public Clock {
public:
    explicit TestClock(DateTime start = DateTime::fromDateAndTime(QDate(2026, 12, 11), QTime(12, 0)))
        : m_now(start)
    {}
    DateTime now() const override { return m_now; }
    void set(DateTime moment) { m_now = moment; }
    void advanceHours(double hours) { m_now = m_now.addHours(hours); }

private:
    DateTime m_now;
};
