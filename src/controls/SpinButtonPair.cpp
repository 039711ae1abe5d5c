#include "controls/SpinButtonPair.h"

#include <QEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* makeArrow(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The arrows step a neighbouring field; taking focus from it would end its edit.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}
} // namespace

SpinButtonPair::SpinButtonPair(QWidget* parent)
    : QWidget(parent)
    , m_up(makeArrow(Qt::UpArrow, this))
    , m_down(makeArrow(Qt::DownArrow, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    // As wide as a scroll bar, and short enough to stand beside a line edit.
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (QToolButton* button : {m_up, m_down}) {
        button->setFixedWidth(width);
        button->setMinimumHeight(6);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    connect(m_up, &QToolButton::clicked, this, &SpinButtonPair::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinButtonPair::downClicked);
    retranslate();
}

void SpinButtonPair::retranslate()
{
    m_up->setAccessibleName(tr("Up"));
    m_up->setToolTip(tr("Up"));
    m_down->setAccessibleName(tr("Down"));
    m_down->setToolTip(tr("Down"));
}

void SpinButtonPair::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
