#include "app/StartWithSystem.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kValueName = QStringLiteral("Reefnote");

// The value "Reefnote" under the user's Run key: the quoted executable path.
class RegistryStartWithSystem : public StartWithSystem {
public:
    QString entry() const override { return QSettings(kRunKey, QSettings::NativeFormat).value(kValueName).toString(); }

    void enable(const QString& executablePath) override
    {
        QSettings run(kRunKey, QSettings::NativeFormat);
        run.setValue(kValueName, QString(u'"' + QDir::toNativeSeparators(executablePath) + u'"'));
        run.sync();
    }

    void disable() override
    {
        QSettings run(kRunKey, QSettings::NativeFormat);
        run.remove(kValueName);
        run.sync();
    }
};
} // namespace

std::unique_ptr<StartWithSystem> createStartWithSystem()
{
    return std::make_unique<RegistryStartWithSystem>();
}
