// Times the climate database queries of the index screen on generated databases of 100 and of
// 10,000 localities in 50 provinces: listing the localities of one province, and loading one
// locality (the locality statement and the eight series statements). Prints the median of
// many runs, in milliseconds. A third database of 10,000 localities without the indexes on
// province and locality shows what a file built without them costs.
//
// The names ("Provincia 17", "Localidad 17-042") and the values are generated, not data.
//
//   build/bench/bench_database [runs]

#include "location/ClimateDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace verdeval;

namespace {

const QStringList seriesTables = {"TempMed", "Pp", "TempMaxMedia", "TempMinMedia",
                                  "HeEfectiva", "HumRel", "PreAtm", "VelViento"};

QString provinceName(int p)
{
    return QStringLiteral("Provincia %1").arg(p, 2, 10, QLatin1Char('0'));
}

QString localityName(int p, int l)
{
    return QStringLiteral("Localidad %1-%2").arg(p, 2, 10, QLatin1Char('0')).arg(l, 3, 10, QLatin1Char('0'));
}

bool exec(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

// Localities are written province after province interleaved (locality 0 of every province,
// then locality 1, ...), so that a province's rows are spread over the whole file as in a
// database that grew over the years.
bool generate(const QString &path, int provinces, int localities, bool indexed)
{
    const QString connection = QStringLiteral("bench-generate");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        QSqlQuery q(db);
        QStringList months;
        for (int m = 1; m <= 12; ++m)
            months << QStringLiteral("\"%1\" REAL").arg(m);
        ok = exec(q, "CREATE TABLE Provincia (Nombre TEXT)")
             && exec(q, "CREATE TABLE LocPorProv (nomprov TEXT, Nomloc TEXT, LatGra INTEGER, latmin REAL, "
                        "LongGra INTEGER, longmin INTEGER, altitud INTEGER)");
        for (const QString &t : seriesTables)
            ok = ok && exec(q, QStringLiteral("CREATE TABLE %1 (nomprov TEXT, nomloc TEXT, %2)").arg(t, months.join(", ")));
        ok = ok && db.transaction();

        QSqlQuery province(db);
        province.prepare("INSERT INTO Provincia VALUES (?)");
        for (int p = 0; p < provinces && ok; ++p) {
            province.bindValue(0, provinceName(p));
            ok = province.exec();
        }
        QSqlQuery locality(db);
        locality.prepare("INSERT INTO LocPorProv VALUES (?, ?, ?, ?, ?, ?, ?)");
        std::vector<std::unique_ptr<QSqlQuery>> series;
        for (const QString &t : seriesTables) {
            series.push_back(std::make_unique<QSqlQuery>(db));
            series.back()->prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(t));
        }
        const int perProvince = localities / provinces;
        for (int l = 0; l < perProvince && ok; ++l) {
            for (int p = 0; p < provinces && ok; ++p) {
                const int n = l * provinces + p;
                const QVariantList values = {provinceName(p), localityName(p, l), 20 + n % 35, double(n % 60),
                                             55 + n % 18, n % 60, n % 4000};
                for (int i = 0; i < values.size(); ++i)
                    locality.bindValue(i, values.at(i));
                ok = locality.exec();
                for (std::size_t t = 0; t < series.size() && ok; ++t) {
                    series[t]->bindValue(0, provinceName(p));
                    series[t]->bindValue(1, localityName(p, l));
                    for (int m = 0; m < 12; ++m)
                        series[t]->bindValue(2 + m, double((n + 7 * m + 31 * int(t)) % 300) / 10.0);
                    ok = series[t]->exec();
                }
            }
        }
        ok = ok && db.commit();
        if (ok && indexed) {
            ok = exec(q, "CREATE INDEX LocPorProv_place ON LocPorProv (nomprov COLLATE NOCASE, Nomloc COLLATE NOCASE)");
            for (const QString &t : seriesTables)
                ok = ok && exec(q, QStringLiteral("CREATE INDEX %1_place ON %1 (nomprov COLLATE NOCASE, nomloc COLLATE NOCASE)").arg(t));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

double medianMs(int runs, const std::function<void()> &action)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        action();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Result
{
    QString label;
    int listed = 0;
    double openMs = 0, listMs = 0, loadMs = 0;
};

bool measure(const QString &path, int provinces, int localities, int runs, Result *r)
{
    ClimateDatabase db;
    QElapsedTimer timer;
    timer.start();
    try {
        db.open({path});
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), e.what());
        return false;
    }
    r->openMs = double(timer.nsecsElapsed()) / 1e6;

    // A province and a locality from the middle of the file.
    const QString province = provinceName(provinces / 2);
    const QString locality = localityName(provinces / 2, localities / provinces / 2);
    r->listed = int(db.localities(province).size());
    r->listMs = medianMs(runs, [&] { db.localities(province); });
    bool complete = true;
    r->loadMs = medianMs(runs, [&] {
        complete = db.queryLocality(province, locality).found;
        for (const SeriesTable t : seriesLoadOrder())
            complete = !db.querySeries(t, province, locality).first().isEmpty() && complete;
    });
    if (!complete)
        std::fprintf(stderr, "%s: the locality did not load whole\n", qPrintable(locality));
    return complete;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 51;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    struct Case
    {
        const char *label;
        int localities;
        bool indexed;
    };
    const Case cases[] = {{"100 localities", 100, true},
                          {"10,000 localities", 10000, true},
                          {"10,000, no indexes", 10000, false}};
    const int provinces = 50;

    std::vector<Result> results;
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("%1-%2.mdb").arg(c.localities).arg(c.indexed));
        if (!generate(path, provinces, c.localities, c.indexed)) {
            std::fprintf(stderr, "could not generate %s\n", qPrintable(path));
            return 1;
        }
        Result r;
        r.label = QString::fromLatin1(c.label);
        if (!measure(path, provinces, c.localities, runs, &r))
            return 1;
        results.push_back(r);
    }

    std::printf("Climate database, %d provinces, median of %d runs (ms)\n\n", provinces, runs);
    std::printf("%-20s %8s %18s %16s %14s\n", "database", "open", "list a province", "(localities)", "load one");
    for (const Result &r : results)
        std::printf("%-20s %8.3f %18.3f %16d %14.3f\n", qPrintable(r.label), r.openMs, r.listMs, r.listed, r.loadMs);
    std::printf("\nGoal: a load under 10 ms; 10,000 localities under twice the time of 100 "
                "(load: %.2fx).\n", results[1].loadMs / results[0].loadMs);
    return 0;
}
