#pragma once

#include "data/DateTime.h"

#include <QDateEdit>

// A date field with a calendar popup, in the locale's short date format.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // The shown date at midnight. These hide QDateTimeEdit's QDateTime pair on
    // purpose: the program speaks DateTime.
    DateTime dateTime() const;
    // Takes the date of the moment; its time of day is dropped.
    void setDateTime(DateTime moment);

protected:
    void changeEvent(QEvent* event) override;
};
