#include "journal/PhotoReferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PhotoReferences {

namespace {
bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QDir::separator();
}
} // namespace

QString directoryPart(const QString& reference)
{
    for (qsizetype i = reference.size() - 1; i >= 0; --i) {
        if (isSeparator(reference[i]))
            return reference.left(i + 1);
    }
    return QString();
}

QString fileNamePart(const QString& reference)
{
    return reference.mid(directoryPart(reference).size());
}

QString ResolvePhotoPath(const QString& photosFolder, const QString& reference)
{
    if (directoryPart(reference).size() < 2)
        return photosFolder + reference;
    return reference;
}

QString NormalizePhotoReference(const QString& photosFolder, const QString& path)
{
    if (!path.isEmpty() && directoryPart(path) == photosFolder)
        return fileNamePart(path);
    return path;
}

CopyResult CopyIntoPhotosFolder(const QString& photosFolder, const QString& path)
{
    const QString name = fileNamePart(path);
    const QString target = photosFolder + name;
    if (QFileInfo::exists(target))
        return {CopyResult::Status::AlreadyThere, path, QString()};
    QFile source(ResolvePhotoPath(photosFolder, path));
    if (!QDir(photosFolder).exists())
        return {CopyResult::Status::Failed, path, QStringLiteral("The folder %1 does not exist").arg(photosFolder)};
    if (!source.copy(target)) {
        const QString error = source.errorString();
        QFile::remove(target); // a copy cut short by a full disk must not pass for the photo
        return {CopyResult::Status::Failed, path, error};
    }
    return {CopyResult::Status::Copied, name, QString()};
}

} // namespace PhotoReferences
