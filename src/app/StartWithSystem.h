#pragma once

#include <QString>

#include <memory>

// The system's list of programs started at log-on, holding the entry "Reefnote".
class StartWithSystem {
public:
    virtual ~StartWithSystem() = default;
    // The entry's command: the executable's full path in double quotes; empty when absent.
    virtual QString entry() const = 0;
    bool isEnabled() const { return !entry().isEmpty(); }
    virtual void enable(const QString& executablePath) = 0;
    virtual void disable() = 0;
};

std::unique_ptr<StartWithSystem> createStartWithSystem();
