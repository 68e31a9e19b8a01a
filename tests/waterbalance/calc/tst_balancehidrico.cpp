#include "QtWarnings.h"
#include "RecordedCells.h"
#include "platform/core/CalcOutput.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"
#include "waterbalance/calc/BalanceHidrico.h"

#include <QHash>
#include <QtTest>
#include <cmath>

using namespace verdeval;
using namespace verdeval::BalanceHidrico;

namespace {

// The worked example: 27°30' S, capacity 200.
const QString kT = QStringLiteral("24.5 23.5 21.5 17.5 14.5 11.5 11.0 12.5 14.5 17.5 20.5 23.0");
const QString kP = QStringLiteral("105 110 120 90 80 60 55 60 65 100 95 100");

const QStringList kPrefixes{"EEP", "EDP", "EAL", "EDAL", "EER", "EDE", "EEX"};

using Registro = test::RecordedCells;

Entrada ejemplo()
{
    return Entrada{"27", "30", "S", kT.split(' '), kP.split(' '), "200"};
}

// Sets a box of the entry by its name: "ET5", "EPP12", "ECC", "EGrados"... "ET*" sets all twelve.
void poner(Entrada &e, const QString &box, const QString &text)
{
    if (box == QLatin1String("ET*"))
        e.T = QStringList(12, text);
    else if (box == QLatin1String("EPP*"))
        e.PP = QStringList(12, text);
    else if (box.startsWith(QLatin1String("EPP")))
        e.PP[box.mid(3).toInt() - 1] = text;
    else if (box.startsWith(QLatin1String("ET")))
        e.T[box.mid(2).toInt() - 1] = text;
    else if (box == QLatin1String("ECC"))
        e.CC = text;
    else if (box == QLatin1String("EGrados"))
        e.grados = text;
    else if (box == QLatin1String("EMinutos"))
        e.minutos = text;
    else if (box == QLatin1String("EHemisferio"))
        e.hemisferio = text;
}

// Runs the calculation; the error it raised ("message @ box"), or an empty text.
QString correr(const Entrada &e, Valores &v, Registro &r)
{
    try {
        calcular(e, v, r);
    } catch (const CalcError &error) {
        return error.message() + (error.field().isEmpty() ? QString() : " @ " + error.field());
    }
    return QString();
}

QString enteros(const Meses &valores)
{
    QStringList out;
    for (double x : valores)
        out << floatToStrF(x, 0);
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestBalanceHidrico : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void workedExample();
    void hemisphere_data();
    void hemisphere();
    void monthWithoutEvapotranspiration_data();
    void monthWithoutEvapotranspiration();
    void everyMonthWet();
    void everyMonthDry();
    void capacity_data();
    void capacity();
    void failures_data();
    void failures();
};

void TestBalanceHidrico::workedExample()
{
    Valores v;
    Registro r;
    QCOMPARE(correr(ejemplo(), v, r), QString());
    QCOMPARE(r.messages, QStringList());
    QCOMPARE(floatToStrF(v.I, 3), "83.335");
    QCOMPARE(floatToStrF(v.a, 5), "1.83691");
    QCOMPARE(r.row("EEP"), "135 108 96 59 41 25 24 32 43 68 93 122 | 845");
    QCOMPARE(r.row("EDP"), "-30 2 24 31 39 35 31 28 22 32 2 -22");
    QCOMPARE(r.row("EAL"), "154 156 180 200 200 200 200 200 200 200 200 179");
    QCOMPARE(r.row("EDAL"), "-25 2 24 20 0 0 0 0 0 0 0 -21");
    QCOMPARE(r.row("EER"), "130 108 96 59 41 25 24 32 43 68 93 121 | 839");
    QCOMPARE(r.row("EDE"), "5 0 0 0 0 0 0 0 0 0 0 1 | 6");
    QCOMPARE(r.row("EEX"), "0 0 0 11 39 35 31 28 22 32 2 0 | 201");
    // Each row is written whole, in the order its values are reached; the annual column
    // carries only the four sums.
    QCOMPARE(r.rows(), "EEP EDP EAL EER EDAL EDE EEX");
    for (const char *vacia : {"EDPT", "EALT", "EDALT"})
        QVERIFY(!r.cells.contains(QString::fromLatin1(vacia)));
    // The chart values.
    QCOMPARE(v.PM, 100.0);
    QCOMPARE(enteros(v.SC), "150 150 150 150 150 150 150 150 150 150 150 150");
    QCOMPARE(enteros(v.SH), "-5 0 0 11 39 35 31 28 22 32 2 -1");
    QCOMPARE(enteros(v.SE), "154 156 180 211 239 235 231 228 222 232 202 179");
    // February of 28 days: its correction factor is 28/30 of its day length over 12 hours.
    QCOMPARE(v.K[1], v.N[1] / 12 * (28 / 30.0));
}

void TestBalanceHidrico::hemisphere_data()
{
    QTest::addColumn<QString>("antes");      // hemisphere of an earlier calculation at 27°30', or none
    QTest::addColumn<QString>("hemisferio");
    QTest::addColumn<QString>("grados");
    QTest::addColumn<bool>("mensaje");
    QTest::addColumn<QString>("como");       // the place whose evapotranspiration results
    QTest::newRow("S") << "" << "S" << "27" << false << "27°30' S";
    QTest::newRow("s") << "" << "s" << "27" << false << "27°30' S";
    QTest::newRow("N") << "" << "N" << "27" << false << "27°30' N";
    QTest::newRow("n") << "" << "n" << "27" << false << "27°30' N";
    // Rejected letters keep the latitude of the last accepted calculation, zero at first; its
    // degrees and minutes are then not read at all.
    QTest::newRow("' S' at first") << "" << " S" << "27" << true << "0°0' N";
    QTest::newRow("empty at first") << "" << "" << "x" << true << "0°0' N";
    QTest::newRow("'Sur' after S") << "S" << "Sur" << "x" << true << "27°30' S";
    QTest::newRow("'S ' after N") << "N" << "S " << "40" << true << "27°30' N";
}

void TestBalanceHidrico::hemisphere()
{
    QFETCH(QString, antes);
    QFETCH(QString, hemisferio);
    QFETCH(QString, grados);
    QFETCH(bool, mensaje);
    QFETCH(QString, como);

    auto eep = [](const QString &g, const QString &m, const QString &h) {
        Valores v;
        Registro r;
        Entrada e = ejemplo();
        e.grados = g;
        e.minutos = m;
        e.hemisferio = h;
        calcular(e, v, r);
        return r.row("EEP");
    };
    const QHash<QString, QString> lugares{{"27°30' S", eep("27", "30", "S")},
                                          {"27°30' N", eep("27", "30", "N")},
                                          {"0°0' N", eep("0", "0", "N")}};
    QVERIFY(lugares.value("27°30' S") != lugares.value("27°30' N"));

    Valores v;
    if (!antes.isEmpty()) {
        Registro primero;
        Entrada e = ejemplo();
        e.hemisferio = antes;
        QCOMPARE(correr(e, v, primero), QString());
    }
    Registro r;
    Entrada e = ejemplo();
    e.hemisferio = hemisferio;
    e.grados = grados;
    QCOMPARE(correr(e, v, r), QString());
    QCOMPARE(r.messages, mensaje ? QStringList{"En Hemisferio debe colocar N para el Norte o S para el Sur"} : QStringList());
    QCOMPARE(r.row("EEP"), lugares.value(como));
}

void TestBalanceHidrico::monthWithoutEvapotranspiration_data()
{
    QTest::addColumn<int>("mes");
    QTest::addColumn<QString>("lluvia");
    QTest::addColumn<QString>("resultado"); // EEP EDP EDAL EER EDE EEX of that month
    // A month at 0 °C has no evapotranspiration: D is its precipitation. Storage stays as it
    // was: in July at capacity, the rain runs off as excess; with no rain (D exactly 0) there
    // is no real evapotranspiration, no deficit and no excess, also in January, when the store
    // is below capacity.
    QTest::newRow("July, 55 mm") << 7 << "55" << "0 55 0 0 0 55";
    QTest::newRow("July, no rain") << 7 << "0" << "0 0 0 0 0 0";
    QTest::newRow("January, no rain") << 1 << "0" << "0 0 0 0 0 0";
}

void TestBalanceHidrico::monthWithoutEvapotranspiration()
{
    QFETCH(int, mes);
    QFETCH(QString, lluvia);
    QFETCH(QString, resultado);
    Entrada e = ejemplo();
    e.T[mes - 1] = "0";
    e.PP[mes - 1] = lluvia;
    Valores v;
    Registro r;
    QCOMPARE(correr(e, v, r), QString());
    QCOMPARE(v.i[mes - 1], 0.0);
    QStringList shown;
    for (const char *prefix : {"EEP", "EDP", "EDAL", "EER", "EDE", "EEX"})
        shown << r.cells.value(QString::fromLatin1(prefix) + QString::number(mes));
    QCOMPARE(shown.join(' '), resultado);
    QCOMPARE(v.S[mes - 1], v.anterior[mes - 1]);
    QVERIFY(v.S[mes - 1] < 200 || mes == 7);
}

void TestBalanceHidrico::everyMonthWet()
{
    // D >= 0 all year: the store stays full, real equals potential evapotranspiration and the
    // surplus of each month runs off.
    Entrada e = ejemplo();
    e.PP = QStringList(12, "150");
    Valores v;
    Registro r;
    QCOMPARE(correr(e, v, r), QString());
    QCOMPARE(r.row("EAL"), "200 200 200 200 200 200 200 200 200 200 200 200");
    QCOMPARE(r.row("EDAL"), "0 0 0 0 0 0 0 0 0 0 0 0");
    QCOMPARE(r.row("EER"), r.row("EEP"));
    QCOMPARE(r.row("EDE"), "0 0 0 0 0 0 0 0 0 0 0 0 | 0");
    QCOMPARE(r.row("EEX").section(" | ", 0, 0), r.row("EDP"));
    QCOMPARE(r.row("EEX").section(" | ", 1), floatToStrF(12 * 150 - v.ETPanual, 0));
    QCOMPARE(enteros(v.SH), enteros(v.EXC));
}

void TestBalanceHidrico::everyMonthDry()
{
    // D < 0 all year: the store never refills. Each month, January included, loses part of
    // what it started with: January starts from the December that its storage was computed
    // from.
    Meses D;
    D.fill(-3);
    Meses S{}, anterior{};
    almacenaje(D, 1000, S, anterior);
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(S[m], anterior[m] * std::exp(-3 / 1000.0));
        QVERIFY2(S[m] - anterior[m] < 0, qPrintable(QString::number(m + 1)));
        QVERIFY(S[m] < 1000);
    }
    QCOMPARE(enteros(S), "583 581 579 578 576 574 572 571 569 567 566 564");

    // On the whole calculation the store is nearly empty after sixteen dry years: the changes
    // are tiny losses, written as 0 without a sign; nothing runs off.
    Entrada e = ejemplo();
    e.PP = QStringList(12, "0");
    Valores v;
    Registro r;
    QCOMPARE(correr(e, v, r), QString());
    for (int m = 0; m < 12; ++m) {
        QVERIFY(v.dS[m] < 0);
        QVERIFY(v.S[m] < 1e-20);
        QCOMPARE(v.EXC[m], 0.0);
    }
    QCOMPARE(r.row("EDAL"), "0 0 0 0 0 0 0 0 0 0 0 0");
    QCOMPARE(r.row("EEX"), "0 0 0 0 0 0 0 0 0 0 0 0 | 0");
    QCOMPARE(r.row("EER"), "0 0 0 0 0 0 0 0 0 0 0 0 | 0");
    QCOMPARE(r.row("EDE"), r.row("EEP"));
}

void TestBalanceHidrico::capacity_data()
{
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("filas");
    QTest::addColumn<QString>("almacenaje");
    const QString todas = QStringLiteral("EEP EDP EAL EER EDAL EDE EEX");
    QTest::newRow("'50 ' of the list") << "50 " << "" << todas << "17 20 44 50 50 50 50 50 50 50 50 32";
    QTest::newRow("'300'") << "300" << "" << todas << "252 254 278 300 300 300 300 300 300 300 300 279";
    // A capacity of 120.5 mm shows as 121 once full.
    QTest::newRow("typed ' 120.5'") << " 120.5" << "" << todas << "78 80 104 121 121 121 121 121 121 121 121 100";
    QTest::newRow("empty item") << "" << "'' is not a valid floating point value @ ECC" << "EEP EDP" << "";
    QTest::newRow("comma") << "200,5" << "'200,5' is not a valid floating point value @ ECC" << "EEP EDP" << "";
    QTest::newRow("0 with a dry month") << "0" << "Floating point division by zero" << "EEP EDP" << "";
}

void TestBalanceHidrico::capacity()
{
    QFETCH(QString, cc);
    QFETCH(QString, error);
    QFETCH(QString, filas);
    QFETCH(QString, almacenaje);
    Entrada e = ejemplo();
    e.CC = cc;
    Valores v;
    Registro r;
    QCOMPARE(correr(e, v, r), error);
    QCOMPARE(r.rows(), filas);
    QCOMPARE(r.cells.contains("EAL1") ? r.row("EAL") : QString(), almacenaje);
    if (error.isEmpty())
        QCOMPARE(v.PM, strToFloat(cc) / 2);
}

void TestBalanceHidrico::failures_data()
{
    QTest::addColumn<QStringList>("cambios"); // box=text
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("filas");
    const QString invalid = QStringLiteral("Invalid floating point operation");
    QTest::newRow("66°40' S, still a day and a night") << QStringList{"EGrados=66", "EMinutos=40"} << ""
                                                       << "EEP EDP EAL EER EDAL EDE EEX";
    QTest::newRow("66°50' S, polar") << QStringList{"EGrados=66", "EMinutos=50"} << invalid << "";
    QTest::newRow("80° N, polar") << QStringList{"EGrados=80", "EHemisferio=N"} << invalid << "";
    QTest::newRow("degrees empty") << QStringList{"EGrados="} << "'' is not a valid floating point value @ EGrados" << "";
    QTest::newRow("minutes '3o'") << QStringList{"EMinutos=3o"} << "'3o' is not a valid floating point value @ EMinutos" << "";
    QTest::newRow("May temperature '14,5'") << QStringList{"ET5=14,5"}
                                            << "'14,5' is not a valid floating point value @ ET5" << "";
    QTest::newRow("December precipitation empty") << QStringList{"EPP12="}
                                                  << "'' is not a valid floating point value @ EPP12" << "";
    QTest::newRow("July below 0 °C") << QStringList{"ET7=-0.5"} << invalid << "";
    QTest::newRow("every month at 0 °C") << QStringList{"ET*=0"} << invalid << "";
    QTest::newRow("capacity 0, every month wet") << QStringList{"ECC=0", "EPP*=150"} << ""
                                                 << "EEP EDP EAL EER EDAL EDE EEX";
}

void TestBalanceHidrico::failures()
{
    QFETCH(QStringList, cambios);
    QFETCH(QString, error);
    QFETCH(QString, filas);
    Entrada e = ejemplo();
    for (const QString &c : cambios)
        poner(e, c.section('=', 0, 0), c.section('=', 1));
    Valores v;
    Registro r;
    QCOMPARE(correr(e, v, r), error);
    QCOMPARE(r.rows(), filas);
    QCOMPARE(r.messages, QStringList());
    // No cell shows anything but a whole number.
    for (const QString &text : std::as_const(r.cells))
        QVERIFY2(QRegularExpression("^-?[0-9]+$").match(text).hasMatch() && text != "-0", qPrintable(text));
}

QTEST_APPLESS_MAIN(TestBalanceHidrico)
#include "tst_balancehidrico.moc"
