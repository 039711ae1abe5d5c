#pragma once

#include <QStringView>

#include <optional>

// Evaluates what a user types into a number field: + - * / with the usual
// precedence, parentheses and unary signs. Both '.' and ',' are decimal points,
// because a keypad gives '.' even where the locale writes ','. White space is
// ignored, and spaces between digits are taken as thousands separators, so a
// number pasted as "1 234,5" still reads.
class ArithmeticExpression {
public:
    // The value, or nothing for text that is not an expression, for division by
    // zero and for a result too large to hold.
    static std::optional<double> evaluate(QStringView text);

private:
    explicit ArithmeticExpression(QStringView text)
        : m_text(text)
    {}

    std::optional<double> sum();
    std::optional<double> product();
    std::optional<double> factor();
    std::optional<double> number();

    QChar peek();
    bool take(QChar c);
    void skipSpace();
    bool nextIsDigit() const;

    QStringView m_text;
    qsizetype m_pos = 0;
    // Guards the recursion against a pasted wall of parentheses.
    int m_depth = 0;
};
