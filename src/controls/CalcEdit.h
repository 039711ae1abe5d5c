#pragma once

#include <QLineEdit>

// A number field that also takes arithmetic: typing "12*3+4" and pressing Enter
// (or leaving the field) gives 40. Not being edited, it shows the value grouped
// with up to seven decimals and no trailing zeros ("1,234.5"); while focused it
// shows the same number without group separators, so the user edits a plain
// number. Text that is no valid expression brings back the last value.
class CalcEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxDecimals = 7;

    explicit CalcEdit(QWidget* parent = nullptr);

    double value() const { return m_value; }

    // The text the user typed, evaluated now instead of on Enter or focus out.
    // Returns false (and shows the last value again) when it is no expression.
    bool evaluateText();

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showValue();

    double m_value = 0.0;
    // Focused: the number is shown without group separators.
    bool m_editing = false;
};
