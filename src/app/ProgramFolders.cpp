#include "app/ProgramFolders.h"

#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolders {

QString withSeparator(const QString& folder)
{
    const QString native = QDir::toNativeSeparators(folder);
    if (native.endsWith(QDir::separator()))
        return native;
    return native + QDir::separator();
}

QString ofExecutable()
{
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString establishPhotosFolder(const SettingsStore& store, const QString& programFolder)
{
    const QString fallback = withSeparator(programFolder + QStringLiteral("Photos"));
    const std::optional<QString> stored = store.readString(QStringLiteral("PHOTOSPATH"));
    QString folder = stored.value_or(fallback);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = fallback;
    if (folder == fallback)
        QDir().mkpath(fallback); // a failure shows later, when a photo is loaded or copied
    return folder;
}

} // namespace ProgramFolders
