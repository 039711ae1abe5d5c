#pragma once

#include <QString>

#include <memory>
#include <optional>

// The per-user store of the program's settings: named values of two kinds,
// integers and strings. Every read and write stands alone (no cache), so what a
// fresh instance reads is what was really stored.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // False when the store itself cannot be opened: nothing is read and the
    // caller keeps its design state.
    virtual bool isAvailable() const = 0;

    // The stored number; nullopt when missing or stored as another type.
    virtual std::optional<int> readInteger(const QString& name) const = 0;
    // The stored text; empty text when missing; nullopt when stored as another type.
    virtual std::optional<QString> readString(const QString& name) const = 0;

    virtual void writeInteger(const QString& name, int value) = 0;
    virtual void writeString(const QString& name, const QString& value) = 0;
    // Stored as the number 1 or 0.
    void writeBool(const QString& name, bool value) { writeInteger(name, value ? 1 : 0); }
    virtual void remove(const QString& name) = 0;

    int readInteger(const QString& name, int fallback) const { return readInteger(name).value_or(fallback); }
};

// The store of the current user on this system (the registry on Windows, a
// typed file in the user's configuration folder elsewhere).
std::unique_ptr<SettingsStore> createUserSettingsStore();
