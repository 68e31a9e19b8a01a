#include "QtWarnings.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/Heliofania.h"
#include "radiation/calc/Radiacion.h"

#include <QtTest>

using namespace verdeval;

namespace {

// A row of values as the screen writes it: fixed notation with the given decimals.
template <size_t N>
QString fila(const std::array<double, N> &values, int decimals)
{
    QStringList out;
    for (double v : values)
        out << floatToStrF(v, decimals);
    return out.join(QLatin1Char(' '));
}

double latitud(int grados, int minutos, char hemisferio)
{
    const double v = grados + minutos / 60.0;
    return hemisferio == 'S' ? -v : v;
}

// The error a calculation raised, or an empty text.
template <class F>
QString errorOf(F f)
{
    try {
        f();
    } catch (const CalcError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestGeometriaSolar : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void astronomicalRadiation_data();
    void astronomicalRadiation();
    void globalRadiation_data();
    void globalRadiation();
    void dayLengthAtTheEquator();
    void heliophanyAndPhotoperiod_data();
    void heliophanyAndPhotoperiod();
    void polarLatitudesFail_data();
    void polarLatitudesFail();
    void calendarPositionsGrowAlongTheYear();
};

void TestGeometriaSolar::astronomicalRadiation_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<QString>("ra");
    // Solstice columns 1 and 9: 386 and 1050 at 34°35' S; 815 on the June solstice at the equator.
    QTest::newRow("34°35' S") << latitud(34, 35, 'S')
                              << "386 414 526 695 741 865 993 1048 1050 1026 925 778 746 596 455 388";
    QTest::newRow("0°0' N") << latitud(0, 0, 'N')
                            << "815 826 864 897 900 896 865 843 842 856 891 908 906 887 845 816";
}

void TestGeometriaSolar::astronomicalRadiation()
{
    QFETCH(double, lat);
    QFETCH(QString, ra);
    QCOMPARE(fila(Radiacion::astronomicaFechas(lat), 0), ra);
}

void TestGeometriaSolar::globalRadiation_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("rg");
    // July 236, December 471, January 466 and June 224 with seven hours of sunshine.
    QTest::newRow("34°35' S, n = 7.0") << latitud(34, 35, 'S') << 7.0
                                       << "236 285 354 416 456 471 466 436 386 314 254 224";
    QTest::newRow("0°0' N, n = 6.0") << latitud(0, 0, 'N') << 6.0
                                     << "376 393 408 408 394 383 389 405 413 403 384 371";
}

void TestGeometriaSolar::globalRadiation()
{
    QFETCH(double, lat);
    QFETCH(double, n);
    QFETCH(QString, rg);
    std::array<double, 12> heliofania;
    heliofania.fill(n);
    QCOMPARE(fila(Radiacion::calcular(lat, heliofania).meses.Rg, 0), rg);
}

void TestGeometriaSolar::dayLengthAtTheEquator()
{
    std::array<double, 12> heliofania;
    heliofania.fill(6.0);
    const Radiacion::Mensual m = Radiacion::mensual(0, heliofania);
    QCOMPARE(fila(m.N, 6), QStringList(12, QStringLiteral("12.000000")).join(QLatin1Char(' ')));
    // Rg = (0.18 + 0.55 n / 12) Ra there.
    for (int k = 0; k < 12; ++k)
        QCOMPARE(m.Rg[k], (0.18 + 0.55 * 6.0 / 12) * m.Ra[k]);
}

void TestGeometriaSolar::heliophanyAndPhotoperiod_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<QString>("heliofania");
    QTest::addColumn<QString>("fotoperiodo");
    QTest::newRow("34°35' S") << latitud(34, 35, 'S')
        << "9.7 9.9 10.7 11.7 12.0 12.8 13.8 14.3 14.3 14.1 13.2 12.2 12.0 11.1 10.2 9.7"
        << "10.8 11.0 11.7 12.7 13.0 13.8 14.9 15.4 15.5 15.2 14.2 13.2 13.0 12.1 11.2 10.8";
    QTest::newRow("0°0' N") << latitud(0, 0, 'N')
        << "12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0"
        << "12.9 12.9 12.8 12.8 12.8 12.8 12.8 12.9 12.9 12.9 12.8 12.8 12.8 12.8 12.8 12.9";
    QTest::newRow("60°0' N") << latitud(60, 0, 'N')
        << "18.5 17.8 15.5 12.7 12.0 9.9 7.2 5.6 5.5 6.4 8.9 11.5 12.0 14.4 16.9 18.4"
        << "22.4 20.8 17.5 14.4 13.6 11.6 9.1 7.8 7.8 8.4 10.6 13.1 13.6 16.2 19.3 22.3";
}

void TestGeometriaSolar::heliophanyAndPhotoperiod()
{
    QFETCH(double, lat);
    QFETCH(QString, heliofania);
    QFETCH(QString, fotoperiodo);
    QCOMPARE(fila(Heliofania::astronomica(lat), 1), heliofania);
    QCOMPARE(fila(Heliofania::fotoperiodos(lat), 1), fotoperiodo);
}

void TestGeometriaSolar::polarLatitudesFail_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<QString>("radiacion");
    QTest::addColumn<QString>("heliofania");
    QTest::addColumn<QString>("fotoperiodo");
    const QString invalid = QStringLiteral("Invalid floating point operation");
    QTest::newRow("60°33' N") << latitud(60, 33, 'N') << "" << "" << "";
    QTest::newRow("60°34' N") << latitud(60, 34, 'N') << "" << "" << invalid;
    QTest::newRow("60°34' S") << latitud(60, 34, 'S') << "" << "" << invalid;
    QTest::newRow("66°30' S") << latitud(66, 30, 'S') << "" << "" << invalid;
    QTest::newRow("70°0' S") << latitud(70, 0, 'S') << invalid << invalid << invalid;
    QTest::newRow("70°0' N") << latitud(70, 0, 'N') << invalid << invalid << invalid;
}

void TestGeometriaSolar::polarLatitudesFail()
{
    QFETCH(double, lat);
    QFETCH(QString, radiacion);
    QFETCH(QString, heliofania);
    QFETCH(QString, fotoperiodo);
    std::array<double, 12> n;
    n.fill(7.0);
    QCOMPARE(errorOf([&] { Radiacion::calcular(lat, n); }), radiacion);
    QCOMPARE(errorOf([&] { Heliofania::astronomica(lat); }), heliofania);
    QCOMPARE(errorOf([&] { Heliofania::fotoperiodos(lat); }), fotoperiodo);
}

void TestGeometriaSolar::calendarPositionsGrowAlongTheYear()
{
    QStringList x;
    for (const FechaAstronomica &f : CalendarioAstronomico::fechas)
        x << floatToStr(f.X);
    QCOMPARE(x.join(QLatin1Char(' ')), "172 196 227 258 265.77 288 319 349 355 380 411 439 444.35 470 500 531");
    QStringList meses;
    for (int k = 0; k < CalendarioMensual::cantidad; ++k)
        meses << QString::fromLatin1(CalendarioMensual::mes(k).titulo);
    QCOMPARE(meses.join(QLatin1Char(' ')), "Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun");
}

QTEST_APPLESS_MAIN(TestGeometriaSolar)
#include "tst_geometriasolar.moc"
