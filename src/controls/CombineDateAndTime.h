#pragma once

#include "data/DateTime.h"

class DatePicker;
class TimePicker;

// The moment a pair of pickers shows: the date of one, the time of day of the
// other. Midnight is a time like any other, so 00:00:00 gives the bare date.
DateTime combineDateAndTime(const DatePicker& datePicker, const TimePicker& timePicker);
