#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// The main menu's items under their program names.
struct MainMenu {
    explicit MainMenu(QMenuBar* bar);

    QMenu* N24; // interface language, a picture only
    QAction *N25, *N26, *N27;
    QMenu* File1;
    QAction *N6, *AltF41, *ray1;
    QMenu* N8;
    QAction *N9, *N5, *N4;
    QMenu* N28;
    QAction *N29, *N30;
    QMenu* N23;
    QAction *N34, *N32, *N35;
    QMenu* N1;
    QAction *N2, *N22, *N3;
};
