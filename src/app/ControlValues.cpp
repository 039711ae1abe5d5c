#include "app/ControlValues.h"

#include "app/SettingsStore.h"

#include <QtGlobal>

#include <stdexcept>

void ControlValues::define(const QString& name, int fallback, int minimum, int maximum, Kind kind)
{
    Entry e;
    e.fallback = fallback;
    e.minimum = minimum;
    e.maximum = maximum;
    e.kind = kind;
    e.held = fallback;
    m_entries.insert(name, e);
}

ControlValues::Entry& ControlValues::entry(const QString& name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end())
        throw std::logic_error("undefined setting " + name.toStdString());
    return it.value();
}

const ControlValues::Entry& ControlValues::entry(const QString& name) const
{
    return const_cast<ControlValues*>(this)->entry(name);
}

void ControlValues::bind(const QString& name, std::function<int()> getter, std::function<void(int)> setter)
{
    Entry& e = entry(name);
    e.getter = std::move(getter);
    e.setter = std::move(setter);
}

int ControlValues::normalise(const Entry& e, int value) const
{
    if (e.kind == Kind::Flag)
        return value == 1 ? 1 : 0;
    return qBound(e.minimum, value, e.maximum);
}

void ControlValues::load(const SettingsStore& store, const QString& name)
{
    Entry& e = entry(name);
    const int read = store.readInteger(name, e.fallback);
    e.held = normalise(e, read);
    if (e.setter)
        e.setter(e.held);
}

void ControlValues::save(SettingsStore& store, const QString& name) const
{
    store.writeInteger(name, value(name));
}

int ControlValues::value(const QString& name) const
{
    const Entry& e = entry(name);
    return e.getter ? normalise(e, e.getter()) : e.held;
}

void ControlValues::setValue(const QString& name, int value)
{
    Entry& e = entry(name);
    e.held = normalise(e, value);
    if (e.setter)
        e.setter(e.held);
}
