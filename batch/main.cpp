// verdeval-batch: one calculation module of Verdeval over every place of a source, as a table.
//   verdeval-batch --source catalogue --module radiation
//   verdeval-batch --source Quenora.mdb --module waterbalance --cc 150 --out balance.csv
#include "batch/BatchRun.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // Number texts use "." whatever the regional settings.
    QLocale::setDefault(QLocale::c());
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return verdeval::batch::runCommandLine(QCoreApplication::arguments(), out, err);
}
