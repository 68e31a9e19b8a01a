#include "BenchSupport.h"

#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace verdeval::bench {

QString SilentDialogs::messageBox(QWidget *, Icon, const QString &, const QString &, const QStringList &buttons)
{
    return buttons.value(0);
}

void SilentDialogs::preview(QWidget *, Printable &report)
{
    if (m_pdf.isEmpty())
        return;
    if (auto *layout = dynamic_cast<ReportLayout *>(&report))
        layout->renderToPdf(m_pdf);
}

void SilentDialogs::showModal(QWidget *, Screen &screen) { screen.present(); }

double medianMs(int runs, const std::function<void()> &action, const std::function<void()> &between)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int k = 0; k < runs; ++k) {
        timer.start();
        action();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (between)
            between();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double medianMsBatched(int runs, int batch, const std::function<void()> &action)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int k = 0; k < runs; ++k) {
        timer.start();
        for (int b = 0; b < batch; ++b)
            action();
        ms.push_back(timer.nsecsElapsed() / 1e6 / batch);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void click(Screen &screen, const char *name)
{
    static_cast<QAbstractButton *>(screen.control(QString::fromLatin1(name)))->click();
}

void paintChart(Chart &chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
}

namespace {

const QStringList seriesTables = {"TempMed", "Pp", "TempMaxMedia", "TempMinMedia",
                                  "HeEfectiva", "HumRel", "PreAtm", "VelViento"};



bool exec(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

} // namespace

QString provinceName(int p)
{
    return QStringLiteral("Provincia %1").arg(p, 2, 10, QLatin1Char('0'));
}

QString localityName(int p, int l)
{
    return QStringLiteral("Localidad %1-%2").arg(p, 2, 10, QLatin1Char('0')).arg(l, 3, 10, QLatin1Char('0'));
}

// Localities are written province after province interleaved (locality 0 of every province,
// then locality 1, ...), so that a province's rows are spread over the whole file as in a
// database that grew over the years.
bool generateClimateDb(const QString &path, int provinces, int localities, bool indexed)
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

void report(const char *what, double value, double goal, const char *unit)
{
    std::printf("%-64s %9.3f %s   (goal < %g %s) %s\n", what, value, unit, goal, unit, value < goal ? "ok" : "OVER");
}

} // namespace verdeval::bench
