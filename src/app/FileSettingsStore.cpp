#include "app/FileSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLoggingCategory>
#include <QSaveFile>

#include <cmath>
#include <limits>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcSettings, "reefnote.settings")

bool ensureParentFolder(const QString& filePath)
{
    const QFileInfo info(filePath);
    const QString folder = info.absolutePath();
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

std::optional<int> asInteger(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number)
        return std::nullopt;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}
} // namespace

FileSettingsStore::FileSettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{}

bool FileSettingsStore::isAvailable() const
{
    if (m_filePath.isEmpty() || !ensureParentFolder(m_filePath))
        return false;
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return true;
    return info.isFile() && info.isReadable();
}

std::optional<int> FileSettingsStore::readInteger(const QString& name) const
{
    return asInteger(load().value_or(QJsonObject()).value(name));
}

std::optional<QString> FileSettingsStore::readString(const QString& name) const
{
    const QJsonValue value = load().value_or(QJsonObject()).value(name);
    if (value.isUndefined())
        return QString();
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

void FileSettingsStore::writeInteger(const QString& name, int value)
{
    std::optional<QJsonObject> values = load();
    if (!values)
        return; // a file that exists but cannot be read is not written over
    values->insert(name, value);
    save(*values);
}

void FileSettingsStore::writeString(const QString& name, const QString& value)
{
    std::optional<QJsonObject> values = load();
    if (!values)
        return; // a file that exists but cannot be read is not written over
    values->insert(name, value);
    save(*values);
}

void FileSettingsStore::remove(const QString& name)
{
    std::optional<QJsonObject> values = load();
    if (!values || !values->contains(name))
        return;
    values->remove(name);
    save(*values);
}

std::optional<QJsonObject> FileSettingsStore::load() const
{
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return QJsonObject();
    QFile file(m_filePath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings) << "cannot read" << m_filePath
                              << (info.isFile() ? file.errorString() : QStringLiteral("not a file"));
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        if (file.size() > 0)
            qCWarning(lcSettings) << "ignoring settings file" << m_filePath << "that is not a JSON object:"
                                  << (error.error != QJsonParseError::NoError ? error.errorString()
                                                                              : QStringLiteral("other JSON"));
        return QJsonObject();
    }
    return document.object();
}

void FileSettingsStore::save(const QJsonObject& values) const
{
    if (!ensureParentFolder(m_filePath)) {
        qCWarning(lcSettings) << "cannot create the folder of" << m_filePath;
        return;
    }
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcSettings) << "cannot write" << m_filePath << file.errorString();
        return;
    }
    file.write(QJsonDocument(values).toJson(QJsonDocument::Indented));
    if (!file.commit())
        qCWarning(lcSettings) << "cannot write" << m_filePath << file.errorString();
}
