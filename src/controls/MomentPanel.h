#pragma once

#include <QWidget>

#include <functional>

class DatePicker;
class QLabel;
class RunningClock;
class TimePicker;

// A date picker and a time picker side by side, with a panel that lies over
// them showing today's date and a running clock while the owner's "now" box
// is checked. The owner names the parts and wires its own handlers.
class MomentPanel : public QWidget {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;

    MomentPanel(Now now, QWidget* parent = nullptr);

    DatePicker* datePicker() const { return m_date; }
    TimePicker* timePicker() const { return m_time; }
    QWidget* overlay() const { return m_overlay; }
    QLabel* todayLabel() const { return m_today; }
    RunningClock* clock() const { return m_clock; }
    // Optional labels before each picker.
    void setPickerLabels(QLabel* dateLabel, QLabel* timeLabel);

private:
    DatePicker* m_date;
    TimePicker* m_time;
    QWidget* m_overlay;
    QLabel* m_today;
    RunningClock* m_clock;
    QWidget* m_pickers;
};
