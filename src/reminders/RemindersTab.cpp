#include "reminders/RemindersTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

RemindersTab::RemindersTab(QWidget* parent)
    : QWidget(parent)
    , RemPageControl(new QTabWidget(this))
    , TabSheet5(new QWidget)
    , TabSheet7(new QWidget)
{
    setObjectName(QStringLiteral("TabSheet6"));
    RemPageControl->setObjectName(QStringLiteral("RemPageControl"));
    RemPageControl->setDocumentMode(true);
    RemPageControl->setStyleSheet(QStringLiteral(
        "QTabBar::tab { border: 1px solid palette(mid); border-radius: 3px; padding: 4px 12px; margin: 2px; }"
        "QTabBar::tab:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    TabSheet7->setObjectName(QStringLiteral("TabSheet7"));
    RemPageControl->addTab(TabSheet5, QStringLiteral("Разовые напоминания"));
    RemPageControl->addTab(TabSheet7, QStringLiteral("Периодические напоминания"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(RemPageControl);
}
