#pragma once

#include "app/StartWithSystem.h"

#include <QString>

// The log-on entry of freedesktop.org desktops: "Reefnote.desktop" in the user's
// autostart folder. Its Exec line holds the executable's path in double quotes,
// escaped as desktop files require; entry() undoes that escaping, so it returns
// "\"" + path + "\"" for the path given to enable().
class XdgStartWithSystem : public StartWithSystem {
public:
    // The folder is the user's autostart folder unless one is given.
    explicit XdgStartWithSystem(QString autostartFolder = defaultAutostartFolder());

    static QString defaultAutostartFolder();
    QString desktopFilePath() const;

    QString entry() const override;
    void enable(const QString& executablePath) override;
    void disable() override;

private:
    QString m_folder;
};
