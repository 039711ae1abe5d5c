#pragma once

#include "app/StartWithSystem.h"

#include <QString>

// A log-on entry held in memory for tests. It counts the changes, so a test can
// tell that an unchanged entry was left alone.
class FakeStartWithSystem : public StartWithSystem {
public:
    QString entry() const override { return m_entry; }
    void enable(const QString& executablePath) override
    {
        m_entry = QStringLiteral("\"") + executablePath + QStringLiteral("\"");
        ++enableCount;
    }
    void disable() override
    {
        m_entry.clear();
        ++disableCount;
    }

    // Sets the entry as if another program or an older version had written it.
    void setEntry(const QString& entry) { m_entry = entry; }

    int enableCount = 0;
    int disableCount = 0;

private:
    QString m_entry;
};
