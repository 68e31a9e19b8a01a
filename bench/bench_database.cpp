// Times the climate database queries of the index screen on generated databases of 100 and of
// 10,000 localities in 50 provinces: listing the localities of one province, and loading one
// locality (the locality statement and the eight series statements). Prints the median of
// many runs, in milliseconds. A third database of 10,000 localities without the indexes on
// province and locality shows what a file built without them costs.
//
// The names ("Provincia 17", "Localidad 17-042") and the values are generated, not data.
//
//   build/bench/bench_database [runs]

#include "BenchSupport.h"
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
using namespace verdeval::bench;

namespace {

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
        if (!generateClimateDb(path, provinces, c.localities, c.indexed)) {
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
