#pragma once

#include <QObject>
#include <QString>

// Gives a control its program name, which tests and the language table find it by.
template <class W> W* named(W* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
