// reefnote_mkdb OUTPUT SCHEMA.sql INITIAL.sql TEXTS.tsv
//
// Writes a fresh database to OUTPUT (through a temporary file, so a failed run
// never leaves half a database). The text table is one row per line:
// identifier, Russian, English, German, separated by tabs; "\n", "\t" and "\\"
// stand for a line break, a tab and a backslash; lines starting with '#' and
// blank lines are skipped.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string unescape(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size()) {
            char c = field[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return parts;
        start = tab + 1;
    }
}

void check(int rc, sqlite3* db, const std::string& what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const std::string& sql, const std::string& what)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = what + ": " + (err ? err : "unknown error");
        sqlite3_free(err);
        throw std::runtime_error(msg);
    }
}

void loadTexts(sqlite3* db, const char* path)
{
    std::istringstream in(readFile(path));
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, "INSERT INTO resource (ID, RUSSIAN, ENGLISH, GERMAN) VALUES (?, ?, ?, ?)", -1, &st,
                             nullptr),
          db, "prepare text insert");
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        auto parts = splitTabs(line);
        if (parts.size() != 4)
            throw std::runtime_error(std::string(path) + ":" + std::to_string(lineNo) + ": expected 4 fields, got " +
                                     std::to_string(parts.size()));
        sqlite3_bind_int64(st, 1, std::stoll(parts[0]));
        for (int i = 1; i < 4; ++i) {
            std::string text = unescape(parts[i]);
            sqlite3_bind_text(st, i + 1, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
        }
        int rc = sqlite3_step(st);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(std::string(path) + ":" + std::to_string(lineNo) + ": " + sqlite3_errmsg(db));
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: reefnote_mkdb OUTPUT SCHEMA.sql INITIAL.sql TEXTS.tsv\n";
        return 2;
    }
    const std::string output = argv[1];
    const std::string temp = output + ".tmp";
    std::remove(temp.c_str());
    sqlite3* db = nullptr;
    try {
        if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot create " + temp);
        exec(db, "BEGIN", "begin");
        exec(db, readFile(argv[2]), "schema");
        exec(db, readFile(argv[3]), "initial rows");
        loadTexts(db, argv[4]);
        exec(db, "COMMIT", "commit");
        sqlite3_close(db);
        db = nullptr;
        std::remove(output.c_str());
        if (std::rename(temp.c_str(), output.c_str()) != 0)
            throw std::runtime_error("cannot move the database to " + output);
    } catch (const std::exception& e) {
        if (db)
            sqlite3_close(db);
        std::remove(temp.c_str());
        std::cerr << "reefnote_mkdb: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
