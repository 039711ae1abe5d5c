#include "controls/ArithmeticExpression.h"

#include <QString>

#include <cmath>

namespace {
constexpr int kMaxDepth = 200;
// Some locales (Swedish, for one) write negative numbers with U+2212.
constexpr char16_t kMinusSign = u'\u2212';

bool isMinus(QChar c)
{
    return c == u'-' || c == kMinusSign;
}
bool isDecimalPoint(QChar c)
{
    return c == u'.' || c == u',';
}
bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

std::optional<double> ArithmeticExpression::evaluate(QStringView text)
{
    ArithmeticExpression parser(text);
    const std::optional<double> result = parser.sum();
    parser.skipSpace();
    if (!result || parser.m_pos != text.size() || !std::isfinite(*result))
        return std::nullopt;
    return result;
}

void ArithmeticExpression::skipSpace()
{
    while (m_pos < m_text.size() && m_text[m_pos].isSpace())
        ++m_pos;
}

bool ArithmeticExpression::nextIsDigit() const
{
    qsizetype pos = m_pos;
    while (pos < m_text.size() && m_text[pos].isSpace())
        ++pos;
    return pos < m_text.size() && isAsciiDigit(m_text[pos]);
}

QChar ArithmeticExpression::peek()
{
    skipSpace();
    return m_pos < m_text.size() ? m_text[m_pos] : QChar();
}

bool ArithmeticExpression::take(QChar c)
{
    if (peek() != c)
        return false;
    ++m_pos;
    return true;
}

std::optional<double> ArithmeticExpression::sum()
{
    std::optional<double> left = product();
    while (left) {
        const QChar op = peek();
        if (op != u'+' && !isMinus(op))
            break;
        ++m_pos;
        const std::optional<double> right = product();
        if (!right)
            return std::nullopt;
        left = op == u'+' ? *left + *right : *left - *right;
    }
    return left;
}

std::optional<double> ArithmeticExpression::product()
{
    std::optional<double> left = factor();
    while (left) {
        const QChar op = peek();
        if (op != u'*' && op != u'/')
            break;
        ++m_pos;
        const std::optional<double> right = factor();
        if (!right)
            return std::nullopt;
        if (op == u'/') {
            if (*right == 0.0)
                return std::nullopt;
            left = *left / *right;
        } else {
            left = *left * *right;
        }
    }
    return left;
}

std::optional<double> ArithmeticExpression::factor()
{
    if (++m_depth > kMaxDepth)
        return std::nullopt;
    std::optional<double> result;
    const QChar c = peek();
    if (c == u'+') {
        ++m_pos;
        result = factor();
    } else if (isMinus(c)) {
        ++m_pos;
        result = factor();
        if (result)
            result = -*result;
    } else if (c == u'(') {
        ++m_pos;
        result = sum();
        if (result && !take(u')'))
            result = std::nullopt;
    } else {
        result = number();
    }
    --m_depth;
    return result;
}

std::optional<double> ArithmeticExpression::number()
{
    skipSpace();
    QString digits;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; m_pos < m_text.size(); ++m_pos) {
        const QChar c = m_text[m_pos];
        if (isAsciiDigit(c)) {
            digits += c;
            seenDigit = true;
        } else if (isDecimalPoint(c) && !seenPoint) {
            digits += u'.';
            seenPoint = true;
        } else if (c.isSpace() && seenDigit && !seenPoint && nextIsDigit()) {
            // "1 234" as pasted from a grouped number
        } else {
            break;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    bool ok = false;
    const double value = digits.toDouble(&ok); // C locale: the point was normalised above
    return ok ? std::optional<double>(value) : std::nullopt;
}
