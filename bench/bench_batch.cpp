// Times of verdeval-batch, median of several runs:
//   - the whole catalogue (140 places) through every module, the table written to memory
//     (goal: under 100 ms in all);
//   - 10,000 database localities through the water balance, loading included (goal: under 2 s,
//     and under 110 times the 100-locality case).
//   build/bench/bench_batch
#include "BenchSupport.h"
#include "batch/BatchRun.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace verdeval;
using namespace verdeval::batch;
using namespace verdeval::bench;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Options options;
    options.threshold = QStringLiteral("12");
    options.anemometerHeight = QStringLiteral("10");
    options.albedo = QStringLiteral("23");

    const QList<SourcePlace> catalogue = cataloguePlaces();
    double total = 0;
    for (const auto &module : allModules()) {
        const double ms = medianMs(9, [&] {
            QByteArray bytes;
            QBuffer out(&bytes);
            out.open(QIODevice::WriteOnly);
            writeTable(out, *module, catalogue, options);
        });
        std::printf("  catalogue through %-14s %8.3f ms\n", qPrintable(module->id()), ms);
        total += ms;
    }
    report("Whole catalogue through every module", total, 100);

    QTemporaryDir dir;
    auto throughBalance = [&](int localities, int runs) {
        const QString path = dir.filePath(QStringLiteral("db%1.mdb").arg(localities));
        if (!generateClimateDb(path, 50, localities)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        const std::unique_ptr<BatchModule> balance = moduleById(QStringLiteral("waterbalance"));
        return medianMs(runs, [&] {
            QByteArray bytes;
            QBuffer out(&bytes);
            out.open(QIODevice::WriteOnly);
            writeTable(out, *balance, databasePlaces(path), options);
        });
    };
    const double small = throughBalance(100, 9);
    const double large = throughBalance(10000, 3);
    std::printf("%-64s %9.3f ms\n", "100 database localities through the water balance", small);
    report("10,000 database localities through the water balance", large, 2000);
    std::printf("10,000 localities take %.1f times the 100-locality case (goal < 110)\n", large / small);
    return 0;
}
