#include "app/TStartForm.h"

#include "app/Pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TStartForm::TStartForm(int ticks, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
    , m_ticks(ticks)
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("StartForm"));
    setFixedSize(473, 380);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap::fromImage(Pictures::splash(QSize(473, 350))));
    layout->addWidget(picture, 1);
    auto* name = new QLabel(QStringLiteral("Reefnote   "), this);
    name->setObjectName(QStringLiteral("Label1"));
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name->setStyleSheet(QStringLiteral("background: black; color: yellow; font-style: italic; font-size: 20px;"));
    name->setFixedHeight(30);
    layout->addWidget(name);

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &TStartForm::Timer1Timer);
    m_timer->start();
}

void TStartForm::showEvent(QShowEvent* event)
{
    m_remaining = m_ticks;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TStartForm::Timer1Timer()
{
    --m_remaining;
    if (m_remaining <= 0)
        accept();
}
