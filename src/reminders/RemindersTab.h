#pragma once

#include <QWidget>

class QTabWidget;

// The reminders tab: one-time and periodic reminders on two sub-tabs drawn as buttons.
class RemindersTab : public QWidget {
    Q_OBJECT
public:
    explicit RemindersTab(QWidget* parent = nullptr);

    QTabWidget* RemPageControl;
    QWidget* TabSheet5; // one-time reminders
    QWidget* TabSheet7; // periodic reminders
};
