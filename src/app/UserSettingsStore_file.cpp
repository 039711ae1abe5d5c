#include "app/FileSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

std::unique_ptr<SettingsStore> createUserSettingsStore()
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Reefnote");
    QDir().mkpath(folder);
    return std::make_unique<FileSettingsStore>(folder + QStringLiteral("/settings.json"));
}
