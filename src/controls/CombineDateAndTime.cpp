#include "controls/CombineDateAndTime.h"

#include "controls/DatePicker.h"
#include "controls/TimePicker.h"

DateTime combineDateAndTime(const DatePicker& datePicker, const TimePicker& timePicker)
{
    return datePicker.dateTime().withTimeOf(timePicker.dateTime());
}
