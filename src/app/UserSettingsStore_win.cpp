#include "app/SettingsStore.h"

#include <QSettings>
#include <QVariant>

#include <limits>

namespace {
const QString kKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Reefnote");

// HKEY_CURRENT_USER\Software\Reefnote. QSettings writes an int as REG_DWORD and a
// QString as REG_SZ, and reads them back as int and QString.
class RegistrySettingsStore : public SettingsStore {
public:
    bool isAvailable() const override
    {
        QSettings settings(kKey, QSettings::NativeFormat);
        return settings.status() == QSettings::NoError && settings.isWritable();
    }

    std::optional<int> readInteger(const QString& name) const override
    {
        const QVariant value = QSettings(kKey, QSettings::NativeFormat).value(name);
        qint64 number = 0;
        switch (value.metaType().id()) {
        case QMetaType::Int:
            return value.toInt();
        case QMetaType::UInt:
            number = value.toUInt();
            break;
        case QMetaType::LongLong:
            number = value.toLongLong();
            break;
        case QMetaType::ULongLong:
            if (value.toULongLong() > quint64(std::numeric_limits<int>::max()))
                return std::nullopt;
            number = qint64(value.toULongLong());
            break;
        default:
            return std::nullopt;
        }
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return int(number);
    }

    std::optional<QString> readString(const QString& name) const override
    {
        const QVariant value = QSettings(kKey, QSettings::NativeFormat).value(name);
        if (!value.isValid())
            return QString();
        if (value.metaType().id() != QMetaType::QString)
            return std::nullopt;
        return value.toString();
    }

    void writeInteger(const QString& name, int value) override { write(name, QVariant(value)); }
    void writeString(const QString& name, const QString& value) override { write(name, QVariant(value)); }

    void remove(const QString& name) override
    {
        QSettings settings(kKey, QSettings::NativeFormat);
        settings.remove(name);
        settings.sync();
    }

    using SettingsStore::readInteger;

private:
    static void write(const QString& name, const QVariant& value)
    {
        QSettings settings(kKey, QSettings::NativeFormat);
        settings.setValue(name, value);
        settings.sync();
    }
};
} // namespace

std::unique_ptr<SettingsStore> createUserSettingsStore()
{
    return std::make_unique<RegistrySettingsStore>();
}
