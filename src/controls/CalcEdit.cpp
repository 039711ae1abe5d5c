#include "controls/CalcEdit.h"

#include "controls/ArithmeticExpression.h"
#include "controls/NumberFormat.h"

#include <QFocusEvent>
#include <QKeyEvent>

CalcEdit::CalcEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showValue();
}

void CalcEdit::setValue(double value)
{
    const bool changed = value != m_value;
    m_value = value;
    showValue();
    if (changed)
        emit valueChanged(m_value);
}

bool CalcEdit::evaluateText()
{
    // Only what the user typed counts: re-reading our own rounded text would
    // quietly cut a value set from code to seven decimals.
    if (!isModified()) {
        showValue();
        return true;
    }
    const QString typed = text().trimmed();
    const std::optional<double> result = typed.isEmpty() ? 0.0 : ArithmeticExpression::evaluate(typed);
    if (!result) {
        showValue();
        return false;
    }
    setValue(*result);
    return true;
}

void CalcEdit::showValue()
{
    const auto grouping = m_editing ? NumberFormat::Grouping::Plain : NumberFormat::Grouping::Grouped;
    setText(NumberFormat::toText(m_value, locale(), kMaxDecimals, grouping));
}

void CalcEdit::keyPressEvent(QKeyEvent* event)
{
    // Evaluate before QLineEdit passes Enter on, so a dialog's default button
    // sees the computed value.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        evaluateText();
        selectAll();
    }
    QLineEdit::keyPressEvent(event);
}

void CalcEdit::focusInEvent(QFocusEvent* event)
{
    m_editing = true;
    if (!isModified())
        showValue();
    QLineEdit::focusInEvent(event);
}

void CalcEdit::focusOutEvent(QFocusEvent* event)
{
    // A popup (the context menu) takes focus only for a moment.
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    m_editing = false;
    evaluateText();
}

void CalcEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange && !isModified())
        showValue();
}
