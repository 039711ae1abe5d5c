#pragma once

#include <QString>

// Text of a statement built at run time. Only fixed pieces written in the
// program and decimal identifiers can go in: user input has no way into the
// text and always travels in parameters.
class RuntimeSql {
public:
    template <size_t N>
    explicit RuntimeSql(const char (&fixed)[N])
        : m_text(QString::fromUtf8(fixed, N - 1))
    {}

    RuntimeSql& id(int identifier)
    {
        m_text += QString::number(identifier);
        return *this;
    }
    template <size_t N> RuntimeSql& fixed(const char (&piece)[N])
    {
        m_text += QString::fromUtf8(piece, N - 1);
        return *this;
    }
    // A fixed statement text kept as a constant elsewhere in the program.
    static RuntimeSql fromConstant(const QString& constant) { return RuntimeSql(constant); }

    const QString& text() const { return m_text; }

private:
    explicit RuntimeSql(QString text)
        : m_text(std::move(text))
    {}
    QString m_text;
};
