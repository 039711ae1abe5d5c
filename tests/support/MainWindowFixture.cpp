#include "MainWindowFixture.h"

namespace {
QString settingsPath(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("settings.json"));
}
} // namespace

MainWindowFixture::MainWindowFixture()
    : settings(std::make_unique<FileSettingsStore>(settingsPath(configDir)))
    , services{*settings, startWithSystem, clock, prompter, database.folder(), false}
{}

TMainForm& MainWindowFixture::create()
{
    if (!m_form)
        m_form = std::make_unique<TMainForm>(services);
    return *m_form;
}

TMainForm& MainWindowFixture::show()
{
    TMainForm& form = create();
    form.show();
    return form;
}

std::unique_ptr<FileSettingsStore> MainWindowFixture::reopenedSettings() const
{
    return std::make_unique<FileSettingsStore>(settingsPath(configDir));
}
