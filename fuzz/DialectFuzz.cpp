// Feeds arbitrary bytes, read as UTF-8, to Dialect::toSqlite and checks what must
// hold for any text:
// - the string literals, comments, quoted names (other than the four column names
//   the translation quotes itself) and :NAME, @NAME, #NAME and ?N parameters come out the same
//   and in the same order;
// - no "+" is added;
// - a text with no "+" and none of the words WHEN, VALUE, INTERVAL, COMMENT, TRUE,
//   FALSE comes out unchanged;
// - translating the result again changes nothing.
// The pieces are found by a scanner of its own here, simpler than the translator's
// tokenizer, so that a slip in either shows as a difference.

#include "data/Dialect.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& input, const QString& output)
{
    std::fprintf(stderr, "%s\n input: %s\noutput: %s\n", what, input.toUtf8().constData(), output.toUtf8().constData());
    std::abort();
}

bool isNameChar(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
           c >= 0x80;
}

char16_t upper(char16_t c)
{
    return c >= 'a' && c <= 'z' ? char16_t(c - 'a' + 'A') : c;
}

bool isQuotedColumn(QStringView quoted)
{
    if (quoted.size() < 2 || quoted.front() != u'"' || quoted.back() != u'"')
        return false;
    const QStringView name = quoted.sliced(1, quoted.size() - 2);
    for (const char* word : {"WHEN", "VALUE", "INTERVAL", "COMMENT"}) {
        const QLatin1String w(word);
        if (name.size() != w.size())
            continue;
        bool same = true;
        for (qsizetype i = 0; i < name.size() && same; ++i)
            same = upper(name[i].unicode()) == char16_t(w[i].unicode());
        if (same)
            return true;
    }
    return false;
}

struct Pieces {
    QStringList untouched;
    int plus = 0;
};

Pieces scan(const QString& s)
{
    Pieces pieces;
    const qsizetype n = s.size();
    qsizetype i = 0;
    const auto closeQuote = [&](char16_t q) {
        qsizetype j = i + 1;
        while (j < n) {
            if (s[j] == q) {
                if (j + 1 < n && s[j + 1] == q) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        return n;
    };
    while (i < n) {
        const char16_t c = s[i].unicode();
        const char16_t next = i + 1 < n ? s[i + 1].unicode() : u'\0';
        qsizetype end = -1;
        if (c == '\'' || c == '"' || c == '`') {
            end = closeQuote(c);
        } else if (c == '[') {
            const qsizetype close = s.indexOf(u']', i);
            end = close < 0 ? n : close + 1;
        } else if (c == '-' && next == '-') {
            const qsizetype newline = s.indexOf(u'\n', i);
            end = newline < 0 ? n : newline;
        } else if (c == '/' && next == '*') {
            const qsizetype close = s.indexOf(QLatin1String("*/"), i + 2);
            end = close < 0 ? n : close + 2;
        } else if ((c == ':' || c == '@' || c == '#') && isNameChar(next)) {
            end = i + 1;
            while (end < n && isNameChar(s[end].unicode()))
                ++end;
        } else if (c == '?') {
            end = i + 1;
            while (end < n && s[end] >= u'0' && s[end] <= u'9')
                ++end;
        }
        if (end < 0) {
            if (c == '+')
                ++pieces.plus;
            ++i;
            continue;
        }
        const QStringView piece = QStringView(s).sliced(i, end - i);
        if (!isQuotedColumn(piece))
            pieces.untouched.append(piece.toString());
        i = end;
    }
    return pieces;
}

bool mayChange(const QString& s)
{
    if (s.contains(u'+'))
        return true;
    for (const char* word : {"WHEN", "VALUE", "INTERVAL", "COMMENT", "TRUE", "FALSE"}) {
        if (s.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString output = Dialect::toSqlite(input);

    const Pieces before = scan(input);
    const Pieces after = scan(output);
    if (before.untouched != after.untouched)
        fail("literals, comments, quoted names or parameters changed", input, output);
    if (after.plus > before.plus)
        fail("a + was added", input, output);
    if (!mayChange(input) && output != input)
        fail("a text with nothing to translate changed", input, output);
    if (Dialect::toSqlite(output) != output)
        fail("translating twice differs from translating once", input, output);
    return 0;
}
