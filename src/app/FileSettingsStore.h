#pragma once

#include "app/SettingsStore.h"

#include <QJsonObject>
#include <QString>

// Settings kept in one JSON file: an object whose members are the named values,
// integers as whole JSON numbers within the range of int, strings as JSON
// strings. Any other member reads as "stored as another type"; a file that is
// not a JSON object reads as empty. Each read parses the file anew; each write
// re-reads it, changes one member and replaces the whole file atomically
// (garbage is replaced; a file that cannot be read at all is left alone).
class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(QString filePath);

    QString filePath() const { return m_filePath; }

    bool isAvailable() const override;
    std::optional<int> readInteger(const QString& name) const override;
    std::optional<QString> readString(const QString& name) const override;
    void writeInteger(const QString& name, int value) override;
    void writeString(const QString& name, const QString& value) override;
    void remove(const QString& name) override;

    using SettingsStore::readInteger;

private:
    // The file's values: empty when it is missing or not a JSON object; nullopt
    // when it exists but cannot be read, so that a write does not replace it.
    std::optional<QJsonObject> load() const;
    void save(const QJsonObject& values) const;

    QString m_filePath;
};
