// Re-opening the measurement history: our data set against a bare sqlite3 loop
// stepping the same statement and reading every column, on generated tables of
// 1,000,000 measurements (20 parameters over 10 years) and of 100,000 at the
// same density (over 1 year), so a 30-day period shows as many rows in both and
// its cost can be compared across table sizes.
#include "data/DataSet.h"
#include "data/Database.h"
#include "data/Dialect.h"
#include "parameters/HistoryBounds.h"
#include "parameters/ParameterStatements.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kParameters = 20;
constexpr double kEnd = 46000.0;     // 2025-12-09
constexpr int kRowsPerYear = 100000; // 20 parameters, about 14 measurements a day

QString schemaText()
{
    QFile f(QStringLiteral(REEFNOTE_SOURCE_DIR "/db/schema.sql"));
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void generate(const QString& path, int rows)
{
    Database db(path);
    db.execute(QStringLiteral("BEGIN"));
    sqlite3* raw = nullptr;
    sqlite3_open(path.toUtf8().constData(), &raw);
    db.execute(QStringLiteral("DELETE FROM MEASURES"));
    Statement insert(db, QStringLiteral("Insert"),
                     QStringLiteral("INSERT INTO MEASURES (ID, REF_P_TYPE, VALUE, WHEN, COMMENT) VALUES (:ID, "
                                    ":REF_P_TYPE, :VALUE, :WHEN, :COMMENT)"));
    QRandomGenerator random(42);
    const double span = 365.25 * rows / kRowsPerYear;
    const double start = kEnd - span;
    for (int i = 1; i <= rows; ++i) {
        insert.setParam(QStringLiteral("ID"), i);
        insert.setParam(QStringLiteral("REF_P_TYPE"), 1 + (i % kParameters));
        insert.setParam(QStringLiteral("VALUE"), 5.0 + random.generateDouble() * 3);
        insert.setParam(QStringLiteral("WHEN"), DateTime(start + span * double(i) / rows));
        insert.setParam(QStringLiteral("COMMENT"), i % 5 == 0 ? QStringLiteral("после подмены воды") : QString());
        insert.execute();
    }
    db.execute(QStringLiteral("COMMIT"));
    sqlite3_close(raw);
}

template <class F> double medianMs(F&& f, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor: prepare once, then bind, step and read every column of every row.
struct BareLoop {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    explicit BareLoop(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        const QByteArray sql = Dialect::toSqlite(QString::fromUtf8(ParameterSql::MeasuresQuery)).toUtf8();
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    }
    ~BareLoop()
    {
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    long long run(int parameter, HistoryPeriod period)
    {
        sqlite3_reset(st);
        sqlite3_bind_int64(st, sqlite3_bind_parameter_index(st, ":REF_P_TYPE"), parameter);
        sqlite3_bind_double(st, sqlite3_bind_parameter_index(st, ":FROMDATE"), period.from.days());
        sqlite3_bind_double(st, sqlite3_bind_parameter_index(st, ":TODATE"), period.to.days());
        long long sum = 0;
        const int columns = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    sum += sqlite3_column_int64(st, c);
                    break;
                case SQLITE_FLOAT:
                    sum += (long long)sqlite3_column_double(st, c);
                    break;
                case SQLITE_TEXT:
                    sum += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) != nullptr);
                    break;
                default:
                    break;
                }
            }
        }
        return sum;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, schemaText().toUtf8().constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    const DateTime lastDay(kEnd - 1);
    const HistoryPeriod month = HistoryBounds(false, lastDay.addDays(-30), lastDay);
    const HistoryPeriod whole = HistoryBounds(true, DateTime(), DateTime());
    double monthAt[2] = {0, 0};
    int index = 0;
    for (int rows : {100000, 1000000}) {
        generate(path, rows);
        Database db(path);
        DataSet history(db, QStringLiteral("MeasuresQuery"), QString::fromUtf8(ParameterSql::MeasuresQuery));
        history.setParam(QStringLiteral("REF_P_TYPE"), 3);
        BareLoop bare(path);
        for (const auto& [name, period] : {std::pair{"30 days", month}, {"whole history", whole}}) {
            history.setParam(QStringLiteral("FROMDATE"), period.from);
            history.setParam(QStringLiteral("TODATE"), period.to);
            history.reopen();
            const int count = history.count();
            const int runs = count > 10000 ? 7 : 51;
            const double ours = medianMs([&] { history.reopen(); }, runs);
            const double floor = medianMs([&] { bare.run(3, period); }, runs);
            std::printf("history %-13s %7d rows in table, %6d shown: data set %8.3f ms, bare loop %8.3f ms, "
                        "ratio %.2fx (goal <= 1.5)\n",
                        name, rows, count, ours, floor, ours / floor);
            if (period.from == month.from)
                monthAt[index] = ours;
        }
        ++index;
    }
    std::printf("history 30 days: 1,000,000 / 100,000 rows in table = %.2fx (goal: about 1, not growing with the "
                "table)\n",
                monthAt[1] / monthAt[0]);
    return 0;
}
