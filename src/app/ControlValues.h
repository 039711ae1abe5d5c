#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class SettingsStore;

// Settings whose value lives in a control for the run: read once at the first
// showing into the control, written back from it at close. A value whose
// control is not built is held here instead, so nothing read is lost.
class ControlValues {
public:
    enum class Kind {
        Number, // kept within [minimum, maximum]
        Flag,   // 1 means on; any other number off; written as 1 or 0
    };

    void define(const QString& name, int fallback, int minimum = INT_MIN, int maximum = INT_MAX,
                Kind kind = Kind::Number);
    // Hands the value to a control: the setter receives what was read, the getter tells what to write.
    void bind(const QString& name, std::function<int()> getter, std::function<void(int)> setter);

    // Reads one value (its default when missing or mistyped) and applies it.
    void load(const SettingsStore& store, const QString& name);
    void save(SettingsStore& store, const QString& name) const;
    int value(const QString& name) const;
    void setValue(const QString& name, int value);

private:
    struct Entry {
        int fallback = 0;
        int minimum = INT_MIN;
        int maximum = INT_MAX;
        Kind kind = Kind::Number;
        int held = 0;
        std::function<int()> getter;
        std::function<void(int)> setter;
    };
    Entry& entry(const QString& name);
    const Entry& entry(const QString& name) const;
    int normalise(const Entry& e, int value) const;
    QHash<QString, Entry> m_entries;
};
