#pragma once

#include <QString>

#include <stdexcept>

// The one error the data layer raises. Event handlers are connected through a
// guard that catches it, shows its text in the error box and lets the program go on.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
