#pragma once

#include "app/SettingsStore.h"

#include <QHash>
#include <QStringList>
#include <QString>
#include <QVariant>

// A settings store in memory for tests, with the same type rules as the real
// stores: integers are kept as int, strings as QString, and anything else reads
// as "stored as another type". setRaw() stores a value of any type, e.g.
// setRaw("LANGUAGE", QString("2")) for a number that was saved as text.
class MemorySettingsStore : public SettingsStore {
public:
    // An unavailable store reads as empty and drops writes, like one that cannot
    // be opened.
    void setAvailable(bool available) { m_available = available; }
    bool isAvailable() const override { return m_available; }

    std::optional<int> readInteger(const QString& name) const override
    {
        const QVariant value = raw(name);
        if (value.metaType().id() != QMetaType::Int)
            return std::nullopt;
        return value.toInt();
    }

    std::optional<QString> readString(const QString& name) const override
    {
        const QVariant value = raw(name);
        if (!value.isValid())
            return QString();
        if (value.metaType().id() != QMetaType::QString)
            return std::nullopt;
        return value.toString();
    }

    void writeInteger(const QString& name, int value) override { setRaw(name, QVariant(value)); }
    void writeString(const QString& name, const QString& value) override { setRaw(name, QVariant(value)); }
    void remove(const QString& name) override { m_values.remove(name); }

    using SettingsStore::readInteger;

    void setRaw(const QString& name, const QVariant& value)
    {
        if (m_available)
            m_values.insert(name, value);
    }
    // The stored value as it is; an invalid QVariant when missing.
    QVariant raw(const QString& name) const { return m_available ? m_values.value(name) : QVariant(); }
    bool contains(const QString& name) const { return m_available && m_values.contains(name); }
    QStringList names() const { return m_values.keys(); }
    void clear() { m_values.clear(); }

private:
    QHash<QString, QVariant> m_values;
    bool m_available = true;
};
