#pragma once

#include <QWidget>

class QToolButton;

// A narrow column of two arrow buttons, up above down, for a field that steps
// its own way (a date, an item in a list). Held down, a button repeats.
class SpinButtonPair : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtonPair(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QToolButton* m_up;
    QToolButton* m_down;
};
