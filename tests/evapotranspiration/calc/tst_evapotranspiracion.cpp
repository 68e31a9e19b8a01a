#include "QtWarnings.h"
#include "RecordedCells.h"
#include "evapotranspiration/calc/Evapotranspiracion.h"
#include "evapotranspiration/calc/PenmanFAO.h"
#include "platform/core/CalcOutput.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/GeometriaSolar.h"

#include <QtTest>

using namespace verdeval;
using Evapotranspiracion::Entrada;
using Evapotranspiracion::Estado;
using Evapotranspiracion::Meses;

namespace {

using Registro = test::RecordedCells;

QStringList textos(const QString &fila) { return fila.split(QLatin1Char(' ')); }
QStringList doce(const QString &valor) { return QStringList(12, valor); }

QString fila(const Meses &valores, int decimales = -1)
{
    QStringList out;
    for (double v : valores)
        out << (decimales < 0 ? floatToStr(v) : floatToStrF(v, decimales));
    return out.join(QLatin1Char(' '));
}

// The held results, method by method: "reached: months | total".
QString describir(const TResultadosETP &r)
{
    QStringList out;
    for (const TResultadosETP::Metodo &m : r.metodos)
        out << (m.alcanzado ? QStringLiteral("reached: ") : QStringLiteral("never: ")) + fila(m.meses)
                   + QStringLiteral(" | ") + floatToStr(m.total);
    return out.join(QStringLiteral(" / "));
}

const QString kT = QStringLiteral("24.5 23.3 20.9 17.3 14.0 11.2 10.6 11.9 13.9 17.0 20.1 22.9");

// The worked example at 34°35' S: maxima T + 6, minima T - 6, heliophany and humidity as
// below, 1010 hPa and 12 km/h in every month, 25 m, anemometer at 10 m, albedo 23 %.
Entrada ejemplo()
{
    Entrada e;
    e.grados = QStringLiteral("34");
    e.minutos = QStringLiteral("35");
    e.hemisferio = QStringLiteral("S");
    e.T = textos(kT);
    for (const QString &t : e.T) {
        e.Tx << floatToStr(strToFloat(t) + 6);
        e.Tn << floatToStr(strToFloat(t) - 6);
    }
    e.n = textos(QStringLiteral("9.0 8.3 7.4 6.1 5.0 4.3 4.5 5.4 6.1 6.8 8.3 8.8"));
    e.HR = textos(QStringLiteral("45 68 72 76 79 80 79 75 70 68 64 62"));
    e.P = doce(QStringLiteral("1010"));
    e.V = doce(QStringLiteral("12"));
    e.altitud = QStringLiteral("25");
    e.anemometro = QStringLiteral("10");
    e.albedo = QStringLiteral("23");
    return e;
}

const QString kThornthwaite = QStringLiteral("142 110 93 58 38 23 22 29 41 67 94 127 | 843");
const QString kTurc = QStringLiteral("172 131 113 77 52 38 39 54 76 103 138 156 | 1149");
const QString kHargreaves = QStringLiteral("185 146 128 86 61 45 48 65 89 125 154 182 | 1313");
// With the wind converted from km/h to m/s by dividing by 3.6.
const QString kPenman = QStringLiteral("202 139 118 76 51 36 38 53 76 107 140 170 | 1206");

// The Penman-FAO data of the worked example, with the wind given.
PenmanFAO::Datos datosPenman(double viento)
{
    const Entrada e = ejemplo();
    const auto sol = SolSpencer::meses(aRadianes(-(34 + 35 / 60.0)));
    PenmanFAO::Datos d;
    for (int m = 0; m < 12; ++m) {
        d.T[m] = strToFloat(e.T[m]);
        d.Tx[m] = d.T[m] + 6;
        d.Tn[m] = d.T[m] - 6;
        d.n[m] = strToFloat(e.n[m]);
        d.HR[m] = strToFloat(e.HR[m]);
        d.N[m] = sol[m].N;
        d.RMJ[m] = sol[m].RMJ;
        d.P[m] = 1010;
        d.V[m] = viento;
    }
    d.z = 25;
    d.h = 10;
    d.albedo = 23;
    return d;
}

// Changes to the worked example, by field: "EHE5=" empties box 5 of the heliophany row,
// "EHR=" the whole humidity row, "EAA=0.08" sets the anemometer height.
void cambiar(Entrada &e, const QString &cambios)
{
    for (const QString &cambio : cambios.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString campo = cambio.section(QLatin1Char('='), 0, 0);
        const QString valor = cambio.section(QLatin1Char('='), 1);
        QString prefijo = campo;
        int mes = 0;
        while (prefijo.back().isDigit())
            prefijo.chop(1);
        if (prefijo != campo)
            mes = campo.mid(prefijo.size()).toInt();
        QStringList *row = prefijo == "ETMMe" ? &e.T : prefijo == "ETMMa" ? &e.Tx : prefijo == "ETMMi" ? &e.Tn
                         : prefijo == "EHE" ? &e.n : prefijo == "EHR" ? &e.HR : prefijo == "EPA" ? &e.P
                         : prefijo == "EVV" ? &e.V : nullptr;
        QString *single = campo == "EGrados" ? &e.grados : campo == "EMinutos" ? &e.minutos
                        : campo == "EHemisferio" ? &e.hemisferio : campo == "EAE" ? &e.altitud
                        : campo == "EAA" ? &e.anemometro : campo == "EA" ? &e.albedo : nullptr;
        if (row && mes > 0)
            (*row)[mes - 1] = valor;
        else if (row)
            *row = valor.isEmpty() ? doce(QString()) : textos(valor);
        else if (single)
            *single = valor;
        else
            qFatal("unknown field %s", qPrintable(campo));
    }
}

} // namespace

class TestEvapotranspiracion : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void solarGeometry_data();
    void solarGeometry();
    void heatIndex();
    void workedExample_data();
    void workedExample();
    void penmanSteps();
    void windAgreesWithFao56();
    void gates_data();
    void gates();
    void failures_data();
    void failures();
    void hemisphere_data();
    void hemisphere();
    void halvesToEven_data();
    void halvesToEven();
    void monthAtZeroDegrees();
};

void TestEvapotranspiracion::solarGeometry_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("values"); // day angle, E0, declination, sunset angle, Ra, N
    QTest::newRow("January") << 1 << "0.24100 1.03432 -0.37128 1.84255 1038.87 14.076";
    QTest::newRow("June") << 6 << "2.84034 0.96836 0.40642 1.26955 380.28 9.699";
}

void TestEvapotranspiracion::solarGeometry()
{
    QFETCH(int, month);
    QFETCH(QString, values);
    const SolSpencer::Dia d = SolSpencer::meses(aRadianes(-(34 + 35 / 60.0)))[month - 1];
    QCOMPARE(QStringList({floatToStrF(d.gamma, 5), floatToStrF(d.E0, 5), floatToStrF(d.delta, 5),
                          floatToStrF(d.omega, 5), floatToStrF(d.Ra, 2), floatToStrF(d.N, 3)})
                 .join(' '),
             values);
}

void TestEvapotranspiracion::heatIndex()
{
    Meses T{};
    for (int m = 0; m < 12; ++m)
        T[m] = strToFloat(textos(kT).at(m));
    const Evapotranspiracion::IndiceCalorico ic = Evapotranspiracion::indiceCalorico(T);
    QCOMPARE(floatToStrF(ic.I, 3) + " " + floatToStrF(ic.a, 5), QString("80.928 1.79543"));
}

void TestEvapotranspiracion::workedExample_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("row");
    QTest::newRow("Thornthwaite") << "ETTh" << "ETTTh" << kThornthwaite;
    QTest::newRow("Turc") << "ETTv" << "ETTTv" << kTurc;
    QTest::newRow("Hargreaves") << "ETH" << "ETTH" << kHargreaves;
    QTest::newRow("Penman-FAO") << "ETPM" << "ETTPM" << kPenman;
}

void TestEvapotranspiracion::workedExample()
{
    QFETCH(QString, prefix);
    QFETCH(QString, total);
    QFETCH(QString, row);
    Estado estado;
    Registro out;
    QCOMPARE(Evapotranspiracion::calcular(ejemplo(), estado, out), 4);
    QCOMPARE(out.messages, QStringList());
    QCOMPARE(out.row(prefix, total), row);
    // The totals first, then the months, method by method.
    QCOMPARE(out.rows(), QString("ETTTh ETTTv ETTH ETTPM ETTh ETTv ETH ETPM"));
    QCOMPARE(out.order.size(), 52);
    QCOMPARE(estado.latitud, -(34 + 35 / 60.0));
}

void TestEvapotranspiracion::penmanSteps()
{
    const PenmanFAO::Pasos p = PenmanFAO::calcular(datosPenman(12));
    const QStringList enero{floatToStrF(p.u[0], 2),       floatToStrF(p.u2[0], 5),     floatToStrF(p.Rs[0], 5),
                            floatToStrF(p.Rso[0], 5),     floatToStrF(p.fc[0], 5),     floatToStrF(p.eox[0], 5),
                            floatToStrF(p.eon[0], 5),     floatToStrF(p.ea[0], 5),     floatToStrF(p.VPD[0], 5),
                            floatToStrF(p.Rns[0], 5),     floatToStrF(p.Rnl[0], 5),    floatToStrF(p.G[0], 3),
                            floatToStrF(p.lambda[0], 5),  floatToStrF(p.Delta[0], 5),  floatToStrF(p.gamma[0], 5),
                            floatToStrF(p.gammaM[0], 5),  floatToStrF(p.Rn[0], 5),     floatToStrF(p.W[0], 5),
                            floatToStrF(p.ET0[0], 5),     floatToStrF(p.ETPM[0], 2)};
    QCOMPARE(enero.join(' '), QString("3.33 2.49243 24.77911 32.64342 0.67476 4.36628 2.12978 1.46161 1.78642 "
                                      "19.07992 4.44468 0.028 2.44316 0.18384 0.06733 0.12438 14.63524 7.53506 "
                                      "6.50643 201.70"));
    // The soil heat flux of February and December takes its neighbours across the year's end.
    QCOMPARE(floatToStrF(p.G[1], 3) + " " + floatToStrF(p.G[11], 3), QString("-0.252 0.308"));
    QCOMPARE(p.ETPM[1], p.ET0[1] * 28.2);
    QCOMPARE(p.ETPM[3], p.ET0[3] * 30);
}

void TestEvapotranspiracion::windAgreesWithFao56()
{
    // 11.52 km/h measured at 10 m are 3.2 m/s, and 2.4 m/s at 2 m.
    const PenmanFAO::Pasos p = PenmanFAO::calcular(datosPenman(11.52));
    QCOMPARE(floatToStrF(p.u[0], 2) + " " + floatToStrF(p.u2[0], 2), QString("3.20 2.39"));
}

void TestEvapotranspiracion::gates_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<int>("reached");
    QTest::addColumn<QString>("rows");
    // After the full worked example, a second calculation with some data missing.
    const QString th = "ETTTh ETTh";
    const QString three = "ETTTh ETTTv ETTH ETTh ETTv ETH";
    QTest::newRow("catalogue station: T only")
        << "ETMMa=;ETMMi=;EHE=;EHR=;EPA=;EVV=;EAE=" << 1 << th;
    QTest::newRow("one maximum empty") << "ETMMa7=" << 1 << th;
    QTest::newRow("minima empty") << "ETMMi=" << 1 << th;
    QTest::newRow("one heliophany box empty") << "EHE5=" << 1 << th;
    QTest::newRow("humidity empty, heliophany complete") << "EHR=" << 1 << th;
    QTest::newRow("database station: no anemometer, no albedo") << "EAA=;EA=" << 3 << three;
    QTest::newRow("one albedo box empty") << "EA=" << 3 << three;
    QTest::newRow("altitude empty") << "EAE=" << 3 << three;
    QTest::newRow("one pressure empty") << "EPA12=" << 3 << three;
    QTest::newRow("wind empty") << "EVV=" << 3 << three;
    QTest::newRow("everything") << "" << 4 << "ETTTh ETTTv ETTH ETTPM ETTh ETTv ETH ETPM";
}

void TestEvapotranspiracion::gates()
{
    QFETCH(QString, changes);
    QFETCH(int, reached);
    QFETCH(QString, rows);
    Estado estado;
    Registro primero;
    Evapotranspiracion::calcular(ejemplo(), estado, primero);
    const TResultadosETP antes = estado.resultados;

    // The place changes to the equator, so that every row reached changes.
    Entrada e = ejemplo();
    e.grados = QStringLiteral("0");
    e.minutos = QStringLiteral("0");
    cambiar(e, changes);
    Registro out;
    QCOMPARE(Evapotranspiracion::calcular(e, estado, out), reached);
    QCOMPARE(out.rows(), rows);
    QCOMPARE(out.messages, QStringList());
    for (int k = 0; k < Evapotranspiracion::cantidadMetodos; ++k) {
        const TResultadosETP::Metodo &m = estado.resultados.metodos[k];
        QVERIFY(m.alcanzado);
        // The methods not reached keep the first calculation's values; the others take the new.
        QCOMPARE(fila(m.meses) == fila(antes.metodos[k].meses), k >= reached);
    }
}

void TestEvapotranspiracion::failures_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field"); // the box named by a conversion error

    const QString bad = "'%1' is not a valid floating point value";
    QTest::newRow("mean T empty") << "ETMMe3=" << bad.arg("") << "ETMMe3";
    QTest::newRow("mean T with a comma") << "ETMMe3=20,9" << bad.arg("20,9") << "ETMMe3";
    QTest::newRow("a blank counts as filled") << "EHE5= " << bad.arg(" ") << "EHE5";
    // The order of conversion: each case spoils two boxes, the first is reported.
    QTest::newRow("T before minutes") << "ETMMe12=x;EMinutos=y" << bad.arg("x") << "ETMMe12";
    QTest::newRow("minutes before degrees") << "EMinutos=y;EGrados=z" << bad.arg("y") << "EMinutos";
    QTest::newRow("degrees before maxima") << "EGrados=z;ETMMa1=x" << bad.arg("z") << "EGrados";
    QTest::newRow("maxima before minima") << "ETMMa1=x;ETMMi1=y" << bad.arg("x") << "ETMMa1";
    QTest::newRow("minima before heliophany") << "ETMMi2=y;EHE1=z" << bad.arg("y") << "ETMMi2";
    QTest::newRow("heliophany before humidity") << "EHE1=z;EHR1=x" << bad.arg("z") << "EHE1";
    QTest::newRow("humidity before pressure") << "EHR1=x;EPA1=y" << bad.arg("x") << "EHR1";
    QTest::newRow("pressure before wind") << "EPA1=y;EVV1=z" << bad.arg("y") << "EPA1";
    QTest::newRow("wind before altitude") << "EVV1=z;EAE=x" << bad.arg("z") << "EVV1";
    QTest::newRow("altitude before anemometer") << "EAE=x;EAA=y" << bad.arg("x") << "EAE";
    QTest::newRow("anemometer before albedo") << "EAA=y;EA=z" << bad.arg("y") << "EAA";
    QTest::newRow("albedo") << "EA=z" << bad.arg("z") << "EA";
    // Impossible operations.
    const QString invalid = "Invalid floating point operation";
    QTest::newRow("a mean T below 0") << "ETMMe7=-0.1" << invalid << "";
    QTest::newRow("every mean T 0") << "ETMMe=0 0 0 0 0 0 0 0 0 0 0 0" << invalid << "";
    QTest::newRow("70° S") << "EGrados=70;EMinutos=0" << invalid << "";
    QTest::newRow("a maximum below its minimum") << "ETMMa6=5;ETMMi6=5.1" << invalid << "";
    QTest::newRow("anemometer at 0.08 m") << "EAA=0.08" << "Floating point division by zero" << "";
    QTest::newRow("anemometer below 0.08 m") << "EAA=0.05" << invalid << "";
}

void TestEvapotranspiracion::failures()
{
    QFETCH(QString, changes);
    QFETCH(QString, message);
    QFETCH(QString, field);
    Estado estado;
    Registro primero;
    Evapotranspiracion::calcular(ejemplo(), estado, primero);
    const QString antes = describir(estado.resultados);

    Entrada e = ejemplo();
    e.grados = QStringLiteral("0"); // results of a new place would differ
    cambiar(e, changes);
    Registro out;
    QString raised;
    QString named;
    try {
        Evapotranspiracion::calcular(e, estado, out);
    } catch (const CalcError &error) {
        raised = error.message();
        named = error.field();
    }
    QCOMPARE(raised, message);
    QCOMPARE(named, field);
    QCOMPARE(out.order, QStringList());
    // No new value is held: neither unrounded months nor a mix of new and old methods.
    QCOMPARE(describir(estado.resultados), antes);
}

void TestEvapotranspiracion::hemisphere_data()
{
    QTest::addColumn<bool>("afterSouth");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("sameAs"); // the latitude whose results come out
    QTest::newRow("Sur on the first calculation") << false << "Sur" << "0 0 N";
    QTest::newRow("empty on the first calculation") << false << "" << "0 0 N";
    QTest::newRow("Sur after 34°35' S") << true << "Sur" << "34 35 S";
    QTest::newRow("x after 34°35' S") << true << "x" << "34 35 S";
}

void TestEvapotranspiracion::hemisphere()
{
    QFETCH(bool, afterSouth);
    QFETCH(QString, letter);
    QFETCH(QString, sameAs);
    const auto resultadosEn = [](const QString &lugar) {
        Entrada e = ejemplo();
        cambiar(e, "EGrados=" + lugar.section(' ', 0, 0) + ";EMinutos=" + lugar.section(' ', 1, 1)
                       + ";EHemisferio=" + lugar.section(' ', 2, 2));
        Estado estado;
        Registro out;
        Evapotranspiracion::calcular(e, estado, out);
        return describir(estado.resultados);
    };

    Estado estado;
    Registro primero;
    if (afterSouth)
        Evapotranspiracion::calcular(ejemplo(), estado, primero);
    Entrada e = ejemplo();
    cambiar(e, "EGrados=10;EMinutos=0;EHemisferio=" + letter);
    Registro out;
    QCOMPARE(Evapotranspiracion::calcular(e, estado, out), 4);
    QCOMPARE(out.messages, QStringList{"En Hemisferio debe colocar N Para el Norte o S para el Sur"});
    QCOMPARE(describir(estado.resultados), resultadosEn(sameAs));
    QCOMPARE(out.order.size(), 52);
}

void TestEvapotranspiracion::halvesToEven_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("shown"); // months | total
    QTest::newRow("two months of 10.5") << "10.5 10.5 1 1 1 1 1 1 1 1 1 1" << "10 10 1 1 1 1 1 1 1 1 1 1 | 31";
    QTest::newRow("halves both ways") << "2.5 3.5 -2.5 -3.5 0.5 1.5 0 0 0 0 0 0.4" << "2 4 -2 -4 0 2 0 0 0 0 0 0 | 2";
    QTest::newRow("never -0") << "-0.4 -0.2 0 0 0 0 0 0 0 0 0 0.3" << "0 0 0 0 0 0 0 0 0 0 0 0 | 0";
    QTest::newRow("total from the unrounded sum") << "0.4 0.4 0.4 0.4 0 0 0 0 0 0 0 0" << "0 0 0 0 0 0 0 0 0 0 0 0 | 2";
}

void TestEvapotranspiracion::halvesToEven()
{
    QFETCH(QString, values);
    QFETCH(QString, shown);
    Meses v{};
    for (int m = 0; m < 12; ++m)
        v[m] = strToFloat(textos(values).at(m));
    const TResultadosETP::Metodo r = Evapotranspiracion::redondeado(v);
    QCOMPARE(fila(r.meses) + " | " + floatToStr(r.total), shown);
    QVERIFY(r.alcanzado);
}

void TestEvapotranspiracion::monthAtZeroDegrees()
{
    // A month at exactly 0 °C adds nothing to the heat index and has no Thornthwaite or Turc
    // evapotranspiration; it is no failure.
    Entrada e = ejemplo();
    cambiar(e, "ETMMe7=0;ETMMa7=6;ETMMi7=-6");
    Estado estado;
    Registro out;
    QCOMPARE(Evapotranspiracion::calcular(e, estado, out), 4);
    QCOMPARE(out.cells.value("ETTh7") + " " + out.cells.value("ETTv7"), QString("0 0"));
    QVERIFY(out.cells.value("ETH7").toDouble() > 0);
}

QTEST_APPLESS_MAIN(TestEvapotranspiracion)
#include "tst_evapotranspiracion.moc"
