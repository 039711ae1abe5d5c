#pragma once

#include "data/DateTime.h"

#include <QTimeEdit>

// A time-of-day field in the locale's long time format, seconds included.
class TimePicker : public QTimeEdit {
    Q_OBJECT
public:
    explicit TimePicker(QWidget* parent = nullptr);

    // The shown time as a bare time of day (day 0, the 1899-12-30 epoch). These
    // hide QDateTimeEdit's QDateTime pair on purpose: the program speaks DateTime.
    DateTime dateTime() const;
    // Takes the time of day of the moment, to the second: a fraction the field
    // cannot show would make two equal-looking times differ.
    void setDateTime(DateTime moment);

protected:
    void changeEvent(QEvent* event) override;
};
