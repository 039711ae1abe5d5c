#include "controls/MomentPanel.h"

#include "controls/DatePicker.h"
#include "controls/RunningClock.h"
#include "controls/TimePicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

MomentPanel::MomentPanel(Now now, QWidget* parent)
    : QWidget(parent)
    , m_date(new DatePicker)
    , m_time(new TimePicker)
    , m_overlay(new QWidget)
    , m_today(new QLabel)
    , m_clock(new RunningClock(std::move(now)))
    , m_pickers(new QWidget)
{
    auto* pickers = new QHBoxLayout(m_pickers);
    pickers->setContentsMargins(0, 0, 0, 0);
    pickers->addWidget(m_date);
    pickers->addWidget(m_time);

    m_overlay->setAutoFillBackground(true);
    auto* overlay = new QHBoxLayout(m_overlay);
    overlay->setContentsMargins(4, 0, 4, 0);
    overlay->addWidget(m_today);
    overlay->addStretch(1);
    overlay->addWidget(m_clock);

    // Both in one cell: the overlay, added last, covers the pickers while shown.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pickers, 0, 0);
    layout->addWidget(m_overlay, 0, 0);
    m_clock->setAlarmTime(QTime(0, 0));
    m_clock->setRunning(true);
}

void MomentPanel::setPickerLabels(QLabel* dateLabel, QLabel* timeLabel)
{
    auto* pickers = static_cast<QHBoxLayout*>(m_pickers->layout());
    pickers->insertWidget(0, dateLabel);
    pickers->insertWidget(2, timeLabel);
    dateLabel->setBuddy(m_date);
    timeLabel->setBuddy(m_time);
}
