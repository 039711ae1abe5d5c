#include "data/Dialect.h"

#include <vector>

// The text is cut into tokens the way SQLite's own tokenizer cuts it, so that a
// string literal, a quoted name, a comment or a parameter is never looked into.
// One pass over the tokens then decides what to write for each of them; nothing
// is parsed beyond the parenthesis level and the operands around each "+".
namespace {

enum class Kind { Space, Comment, Word, String, QuotedName, Parameter, Number, Punct };

struct Token {
    Kind kind;
    qsizetype start;
    qsizetype length;
};

enum class Output { Same, Quoted, One, Zero, Concat };

bool isSpace(char16_t c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
// As in SQLite: ASCII letters, digits, "_", "$" and every non-ASCII character.
bool isNameChar(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_' || c == '$' || c >= 0x80;
}
bool isNameStart(char16_t c)
{
    return isNameChar(c) && !isDigit(c) && c != '$';
}

class Tokenizer {
public:
    explicit Tokenizer(QStringView sql)
        : m_sql(sql)
    {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        qsizetype i = 0;
        while (i < m_sql.size()) {
            Kind kind = Kind::Punct;
            const qsizetype end = scan(i, kind);
            tokens.push_back({kind, i, end - i});
            i = end;
        }
        return tokens;
    }

private:
    char16_t at(qsizetype i) const { return i < m_sql.size() ? m_sql[i].unicode() : u'\0'; }

    // Up to and with the closing quote; a doubled quote stands for one inside.
    // An unclosed quote runs to the end of the text.
    qsizetype quoted(qsizetype i, char16_t quote) const
    {
        for (qsizetype j = i + 1; j < m_sql.size(); ++j) {
            if (m_sql[j] != quote)
                continue;
            if (at(j + 1) != quote)
                return j + 1;
            ++j;
        }
        return m_sql.size();
    }

    qsizetype whileNameChar(qsizetype j) const
    {
        while (j < m_sql.size() && isNameChar(m_sql[j].unicode()))
            ++j;
        return j;
    }

    qsizetype number(qsizetype i) const
    {
        qsizetype j = i;
        if (at(j) == '0' && (at(j + 1) == 'x' || at(j + 1) == 'X') && isHexDigit(at(j + 2))) {
            j += 2;
            while (isHexDigit(at(j)))
                ++j;
        } else {
            while (isDigit(at(j)))
                ++j;
            if (at(j) == '.') {
                ++j;
                while (isDigit(at(j)))
                    ++j;
            }
            if ((at(j) == 'e' || at(j) == 'E') &&
                (isDigit(at(j + 1)) || ((at(j + 1) == '+' || at(j + 1) == '-') && isDigit(at(j + 2))))) {
                j += 2;
                while (isDigit(at(j)))
                    ++j;
            }
        }
        // SQLite takes letters glued to a number into the same (faulty) token.
        return whileNameChar(j);
    }

    qsizetype scan(qsizetype i, Kind& kind) const
    {
        const char16_t c = at(i);
        const char16_t next = at(i + 1);
        if (isSpace(c)) {
            kind = Kind::Space;
            qsizetype j = i + 1;
            while (j < m_sql.size() && isSpace(m_sql[j].unicode()))
                ++j;
            return j;
        }
        if (c == '-' && next == '-') {
            kind = Kind::Comment;
            qsizetype j = i + 2;
            while (j < m_sql.size() && m_sql[j] != u'\n')
                ++j;
            return j;
        }
        if (c == '/' && next == '*') {
            kind = Kind::Comment;
            for (qsizetype j = i + 2; j + 1 < m_sql.size(); ++j) {
                if (m_sql[j] == u'*' && m_sql[j + 1] == u'/')
                    return j + 2;
            }
            return m_sql.size();
        }
        if (c == '\'') {
            kind = Kind::String;
            return quoted(i, c);
        }
        if (c == '"' || c == '`') {
            kind = Kind::QuotedName;
            return quoted(i, c);
        }
        if (c == '[') {
            kind = Kind::QuotedName;
            const qsizetype close = m_sql.indexOf(u']', i + 1);
            return close < 0 ? m_sql.size() : close + 1;
        }
        if (c == '?') {
            kind = Kind::Parameter;
            qsizetype j = i + 1;
            while (isDigit(at(j)))
                ++j;
            return j;
        }
        if (c == ':' || c == '@' || c == '#' || c == '$') {
            const qsizetype j = whileNameChar(i + 1);
            kind = j > i + 1 ? Kind::Parameter : Kind::Punct;
            return j;
        }
        if (isDigit(c) || (c == '.' && isDigit(next))) {
            kind = Kind::Number;
            return number(i);
        }
        if (isNameStart(c)) {
            kind = Kind::Word;
            return whileNameChar(i + 1);
        }
        kind = Kind::Punct;
        if (c == '-' && next == '>')
            return at(i + 2) == '>' ? i + 3 : i + 2;
        if ((c == '|' && next == '|') || (c == '<' && (next == '=' || next == '>' || next == '<')) ||
            (c == '>' && (next == '=' || next == '>')) || (c == '!' && next == '=') || (c == '=' && next == '='))
            return i + 2;
        return i + 1;
    }

    QStringView m_sql;
};

// ASCII case only, as SQLite compares keywords; `upper` is in capitals.
bool isWord(QStringView text, const char* upper)
{
    qsizetype i = 0;
    for (; upper[i] != '\0'; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i].unicode();
        if (c >= 'a' && c <= 'z')
            c = char16_t(c - 'a' + 'A');
        if (c != char16_t(upper[i]))
            return false;
    }
    return i == text.size();
}

bool isAnyWord(QStringView text, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (isWord(text, word))
            return true;
    }
    return false;
}

// Words that are never an operand, so that "WHERE (" does not read as a call.
bool isKeyword(QStringView word)
{
    return isAnyWord(word,
                     {"SELECT", "FROM",  "WHERE",     "AND",     "OR",       "NOT",     "ON",     "SET",    "VALUES",
                      "IN",     "IS",    "AS",        "BY",      "ORDER",    "GROUP",   "HAVING", "LIMIT",  "OFFSET",
                      "JOIN",   "LEFT",  "INNER",     "OUTER",   "CROSS",    "NATURAL", "USING",  "INTO",   "LIKE",
                      "GLOB",   "MATCH", "REGEXP",    "BETWEEN", "ESCAPE",   "CASE",    "THEN",   "ELSE",   "END",
                      "EXISTS", "UNION", "INTERSECT", "EXCEPT",  "DISTINCT", "ALL",     "UPDATE", "DELETE", "INSERT",
                      "ASC",    "DESC",  "COLLATE",   "WITH",    "RETURNING"});
}

bool isColumnToQuote(QStringView word)
{
    return isAnyWord(word, {"WHEN", "VALUE", "INTERVAL", "COMMENT"});
}

// Chains of "+" are judged by operands: an operand is a literal, a parameter, a
// name (possibly "a.b"), a call "f(...)" or a parenthesised group, and a chain is
// operands joined by "+" alone.
// Rule: every "+" of a chain becomes "||" when one of its operands is a string
// literal or a group that is itself such text, unless a "-", "*", "/", "%", "~",
// "||" or a stray "+" touches either end of the chain, since SQLite's "||" binds
// tighter than those and would regroup the expression.
class Translator {
public:
    Translator(QStringView sql, const std::vector<Token>& tokens)
        : m_sql(sql)
        , m_tokens(tokens)
        , m_output(tokens.size(), Output::Same)
    {}

    QString run()
    {
        m_levels.push_back(Level{});
        for (qsizetype i = 0; i < qsizetype(m_tokens.size()); ++i) {
            const Kind kind = m_tokens[size_t(i)].kind;
            if (kind == Kind::Space || kind == Kind::Comment)
                continue;
            token(i);
            m_previous = i;
        }
        resolveDot(m_levels.back());
        while (!m_levels.empty()) {
            finish(m_levels.back(), -1);
            m_levels.pop_back();
        }
        // A "+" before TRUE or FALSE that became "||" no longer joins a digit
        // to the number before it: the literal can be translated after all,
        // as a second translation would do.
        for (const qsizetype i : m_heldLiterals) {
            if (m_output[size_t(i - 1)] == Output::Concat)
                m_output[size_t(i)] = isWord(text(i), "TRUE") ? Output::One : Output::Zero;
        }
        return write();
    }

private:
    enum class State { Idle, AfterOperand, AfterPlus };

    struct Level {
        qsizetype open = -1;       // the "(" token
        qsizetype beforeOpen = -1; // the token before it
        bool call = false;         // the group holds the arguments of a call
        State state = State::Idle;
        qsizetype chainBefore = -1;
        qsizetype pendingPlus = -1;
        size_t plusBegin = 0;
        int operands = 0;
        bool hasText = false;
        int chains = 0;
        bool other = false; // a token that is neither an operand nor a chain's "+"
        bool lastIsName = false;
        qsizetype pendingDot = -1;
    };

    QStringView text(qsizetype i) const
    {
        const Token& t = m_tokens[size_t(i)];
        return m_sql.sliced(t.start, t.length);
    }

    bool isPunct(qsizetype i, QStringView what) const
    {
        return i >= 0 && m_tokens[size_t(i)].kind == Kind::Punct && text(i) == what;
    }

    bool blocksChain(qsizetype i) const
    {
        if (i < 0 || m_tokens[size_t(i)].kind != Kind::Punct)
            return false;
        const QStringView t = text(i);
        return t == u"+" || t == u"-" || t == u"*" || t == u"/" || t == u"%" || t == u"~" || t == u"||" || t == u"->" ||
               t == u"->>";
    }

    qsizetype nextSignificant(qsizetype i) const
    {
        for (++i; i < qsizetype(m_tokens.size()); ++i) {
            const Kind kind = m_tokens[size_t(i)].kind;
            if (kind != Kind::Space && kind != Kind::Comment)
                return i;
        }
        return -1;
    }

    void operand(Level& level, qsizetype first, qsizetype before, bool isText, bool isName)
    {
        switch (level.state) {
        case State::AfterPlus:
            m_plus.push_back(level.pendingPlus);
            ++level.operands;
            level.hasText = level.hasText || isText;
            level.state = State::AfterOperand;
            break;
        case State::AfterOperand:
            finish(level, first);
            [[fallthrough]];
        case State::Idle:
            level.chainBefore = before;
            level.plusBegin = m_plus.size();
            level.operands = 1;
            level.hasText = isText;
            ++level.chains;
            level.state = State::AfterOperand;
            break;
        }
        level.lastIsName = isName;
    }

    void other(Level& level, qsizetype i)
    {
        finish(level, i);
        level.other = true;
    }

    void finish(Level& level, qsizetype after)
    {
        if (level.state == State::Idle)
            return;
        if (level.state == State::AfterPlus) {
            after = level.pendingPlus;
            level.other = true;
        }
        if (level.operands >= 2 && level.hasText && !blocksChain(level.chainBefore) && !blocksChain(after)) {
            for (size_t k = level.plusBegin; k < m_plus.size(); ++k)
                m_output[size_t(m_plus[k])] = Output::Concat;
        }
        m_plus.resize(level.plusBegin);
        level.state = State::Idle;
    }

    // A "." after a name that is not followed by a name is a token of its own.
    void resolveDot(Level& level)
    {
        if (level.pendingDot < 0)
            return;
        const qsizetype dot = level.pendingDot;
        level.pendingDot = -1;
        other(level, dot);
    }

    // A digit written right after "?" or "?7" would join the parameter, and after
    // "0e-" the number; those texts are faulty already and are left as they are.
    bool digitWouldJoin(qsizetype i) const
    {
        if (i < 1)
            return false;
        const Token& before = m_tokens[size_t(i - 1)];
        if (before.kind == Kind::Parameter && m_sql[before.start] == u'?')
            return true;
        if (i < 2 || !(isPunct(i - 1, u"-") || isPunct(i - 1, u"+")))
            return false;
        const Token& number = m_tokens[size_t(i - 2)];
        const char16_t last = m_sql[number.start + number.length - 1].unicode();
        return number.kind == Kind::Number && (last == 'e' || last == 'E');
    }

    void word(qsizetype i)
    {
        Level& level = m_levels.back();
        const QStringView w = text(i);
        if (isWord(w, "CASE"))
            ++m_caseDepth;
        else if (isWord(w, "END") && m_caseDepth > 0)
            --m_caseDepth;

        if (isWord(w, "WHEN") && m_caseDepth > 0) {
            other(level, i); // the keyword of CASE
            return;
        }
        if (isColumnToQuote(w)) {
            m_output[size_t(i)] = Output::Quoted;
            operand(level, i, m_previous, false, true);
            return;
        }
        if (isWord(w, "TRUE") || isWord(w, "FALSE")) {
            // Beside a dot it names a table or column, after AS it is an alias.
            const qsizetype next = nextSignificant(i);
            const bool name =
                isPunct(m_previous, u".") || (next >= 0 && text(next).startsWith(u'.')) ||
                (m_previous >= 0 && m_tokens[size_t(m_previous)].kind == Kind::Word && isWord(text(m_previous), "AS"));
            if (!name && !digitWouldJoin(i))
                m_output[size_t(i)] = isWord(w, "TRUE") ? Output::One : Output::Zero;
            else if (!name && isPunct(i - 1, u"+"))
                m_heldLiterals.push_back(i);
            operand(level, i, m_previous, false, name);
            return;
        }
        if (isKeyword(w)) {
            other(level, i);
            return;
        }
        operand(level, i, m_previous, false, true);
    }

    void token(qsizetype i)
    {
        const Token& t = m_tokens[size_t(i)];
        Level& level = m_levels.back();

        if (level.pendingDot >= 0) {
            const bool name = t.kind == Kind::Word || t.kind == Kind::QuotedName || isPunct(i, u"*");
            if (name) {
                // The name after the dot continues the same operand: "m.WHEN".
                level.pendingDot = -1;
                if (t.kind == Kind::Word && isColumnToQuote(text(i)))
                    m_output[size_t(i)] = Output::Quoted;
                level.lastIsName = t.kind != Kind::Punct;
                return;
            }
            resolveDot(level);
        }

        switch (t.kind) {
        case Kind::String:
            operand(level, i, m_previous, true, false);
            return;
        case Kind::Number:
        case Kind::Parameter:
            operand(level, i, m_previous, false, false);
            return;
        case Kind::QuotedName:
            operand(level, i, m_previous, false, true);
            return;
        case Kind::Word:
            word(i);
            return;
        default:
            break;
        }

        const QStringView p = text(i);
        if (p == u"(") {
            Level inner;
            inner.open = i;
            inner.beforeOpen = m_previous;
            inner.call = level.state == State::AfterOperand && level.lastIsName;
            m_levels.push_back(inner);
        } else if (p == u")" && m_levels.size() > 1) {
            resolveDot(level);
            const bool groupIsText =
                !level.other && level.chains == 1 && level.state == State::AfterOperand && level.hasText;
            finish(level, i);
            const Level closed = level;
            m_levels.pop_back();
            Level& outer = m_levels.back();
            if (closed.call)
                outer.lastIsName = false;
            else
                operand(outer, closed.open, closed.beforeOpen, groupIsText, false);
        } else if (p == u"+" && level.state == State::AfterOperand) {
            level.state = State::AfterPlus;
            level.pendingPlus = i;
        } else if (p == u"." && level.state == State::AfterOperand && level.lastIsName) {
            level.pendingDot = i;
        } else {
            other(level, i);
        }
    }

    QString write() const
    {
        QString out;
        out.reserve(m_sql.size() + m_sql.size() / 8 + 16);
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            const Token& t = m_tokens[i];
            const QStringView original = m_sql.sliced(t.start, t.length);
            switch (m_output[i]) {
            case Output::Same:
                out += original;
                break;
            case Output::Quoted: {
                // A quote right beside would merge with ours into one name.
                const bool quoteBefore = t.start > 0 && m_sql[t.start - 1] == u'"';
                const bool quoteAfter = t.start + t.length < m_sql.size() && m_sql[t.start + t.length] == u'"';
                if (quoteBefore)
                    out += u' ';
                out += u'"';
                out += original;
                out += u'"';
                if (quoteAfter)
                    out += u' ';
                break;
            }
            case Output::One:
                out += u'1';
                break;
            case Output::Zero:
                out += u'0';
                break;
            case Output::Concat:
                out += u"||";
                break;
            }
        }
        return out;
    }

    QStringView m_sql;
    const std::vector<Token>& m_tokens;
    std::vector<Output> m_output;
    std::vector<qsizetype> m_heldLiterals; // TRUE/FALSE right after "+", decided once chains are known
    std::vector<Level> m_levels;
    std::vector<qsizetype> m_plus; // "+" tokens of the chains being read, innermost last
    qsizetype m_previous = -1;     // the last token that is no space or comment
    int m_caseDepth = 0;
};

} // namespace

namespace Dialect {

QString toSqlite(const QString& sql)
{
    const std::vector<Token> tokens = Tokenizer(sql).run();
    return Translator(sql, tokens).run();
}

} // namespace Dialect
