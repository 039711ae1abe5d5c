#include "app/MainMenu.h"

#include "app/Pictures.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar)
{
    N24 = addMenu(bar, "N24", QString());
    N24->menuAction()->setIcon(Pictures::languageIcon());
    N24->menuAction()->setToolTip(QStringLiteral("Language / Язык / Sprache"));
    N25 = addItem(N24, "N25", QStringLiteral("Русский"));
    N26 = addItem(N24, "N26", QStringLiteral("English"));
    N27 = addItem(N24, "N27", QStringLiteral("German"));
    for (QAction* a : {N25, N26, N27})
        a->setCheckable(true);
    N25->setChecked(true);
    // German is reached only through the stored language.
    N27->setEnabled(false);

    File1 = addMenu(bar, "File1", QStringLiteral("Файл"));
    N6 = addItem(File1, "N6", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X));
    AltF41 = addItem(File1, "AltF41", QStringLiteral("Перехват Alt-F4"), QKeySequence(Qt::ALT | Qt::Key_F4));
    AltF41->setVisible(false);
    ray1 = addItem(File1, "ray1", QStringLiteral("Свернуть в Tray..."), QKeySequence(Qt::Key_F12));

    N8 = addMenu(bar, "N8", QStringLiteral("Настройка"));
    N9 = addItem(N8, "N9", QStringLiteral("Параметры воды"));
    N5 = addItem(N8, "N5", QStringLiteral("Редактор справочников"));
    N4 = addItem(N8, "N4", QStringLiteral("Настройки программы"));

    N28 = addMenu(bar, "N28", QStringLiteral("Утилиты"));
    N29 = addItem(N28, "N29", QStringLiteral("Секундомер"), QKeySequence(Qt::ALT | Qt::Key_S));
    N30 = addItem(N28, "N30", QStringLiteral("Алгоритмер"));
    N30->setEnabled(false);

    N23 = addMenu(bar, "N23", QStringLiteral("Отчеты"));
    N34 = addItem(N23, "N34", QStringLiteral("Параметры"));
    N32 = addItem(N23, "N32", QStringLiteral("Журнал"));
    N35 = addItem(N23, "N35", QStringLiteral("Отчет по гидробионтам"));
    for (QAction* a : {N23->menuAction(), N34, N32, N35})
        a->setEnabled(false);

    N1 = addMenu(bar, "N1", QStringLiteral("Помощь"));
    N2 = addItem(N1, "N2", QStringLiteral("Справка"));
    N22 = N1->addSeparator();
    N22->setObjectName(QStringLiteral("N22"));
    N3 = addItem(N1, "N3", QStringLiteral("О программе..."));
}
