#pragma once

#include <QDialog>

class QTimer;

// The splash: a borderless picture on top of everything, closed by its own
// timer after a few ticks of 500 ms.
class TStartForm : public QDialog {
    Q_OBJECT
public:
    explicit TStartForm(int ticks = 5, QWidget* parent = nullptr);
    int remainingTicks() const { return m_remaining; }
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_ticks;
    int m_remaining = 0;
    QTimer* m_timer;
};
