#pragma once

#include <QDoubleSpinBox>

// A number with up and down arrows that step by a settable amount. Unlike a bare
// QDoubleSpinBox it has no range until one is set, shows no trailing zeros
// ("7.3", not "7.30") and keeps stepping exact in decimal terms: three steps of
// 0.1 from 7.0 give the double nearest 7.3, not 7.3000000000000007.
class SpinEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    static constexpr int kDefaultDecimals = 7;

    explicit SpinEdit(QWidget* parent = nullptr);

    double step() const { return singleStep(); }
    void setStep(double step) { setSingleStep(step); }

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
};
