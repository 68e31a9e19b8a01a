#include "QtWarnings.h"
#include "climatogram/calc/Climatograma.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"

#include <QtTest>

using namespace verdeval;

namespace {

QString fila(const Climatograma::Meses &valores)
{
    QStringList out;
    for (double x : valores)
        out << floatToStr(x);
    return out.join(QLatin1Char(' '));
}

QStringList textos(const QString &valores) { return valores.split(QLatin1Char(' ')); }

} // namespace

class TestClimatogramCalc : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void reading_data();
    void reading();
};

void TestClimatogramCalc::reading_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("T");
    QTest::addColumn<QString>("PP");
    // Held before: temperatures 1 to 12 and precipitations 10 to 120. The boxes now hold
    // temperatures 21 to 32 and precipitations 110 to 220, with one fault.
    const QString ppViejas = "10 20 30 40 50 60 70 80 90 100 110 120";
    const QString tNuevas = "21 22 23 24 25 26 27 28 29 30 31 32";
    const QString ppNuevas = "110 120 130 140 150 160 170 180 190 200 210 220";
    QTest::newRow("all good") << "" << "" << "" << tNuevas << ppNuevas;
    // Any numbers are drawn.
    QTest::newRow("negative precipitation") << "EPP1" << "-5" << "" << tNuevas
                                            << "-5 120 130 140 150 160 170 180 190 200 210 220";
    // The months converted before the fault are held; the others keep their values.
    QTest::newRow("March temperature empty")
        << "ET3" << "" << "'' is not a valid floating point value @ ET3" << "21 22 3 4 5 6 7 8 9 10 11 12" << ppViejas;
    // Temperatures come first: all of them are held when a precipitation fails.
    QTest::newRow("May precipitation with a comma")
        << "EPP5" << "55,5" << "'55,5' is not a valid floating point value @ EPP5" << tNuevas
        << "110 120 130 140 50 60 70 80 90 100 110 120";
}

void TestClimatogramCalc::reading()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(QString, T);
    QFETCH(QString, PP);
    Climatograma::Valores v;
    Climatograma::leer({textos("1 2 3 4 5 6 7 8 9 10 11 12"), textos("10 20 30 40 50 60 70 80 90 100 110 120")}, v);
    Climatograma::Entrada e{textos("21 22 23 24 25 26 27 28 29 30 31 32"),
                            textos("110 120 130 140 150 160 170 180 190 200 210 220")};
    if (box.startsWith(QLatin1String("EPP")))
        e.PP[box.mid(3).toInt() - 1] = text;
    else if (box.startsWith(QLatin1String("ET")))
        e.T[box.mid(2).toInt() - 1] = text;
    QString raised;
    try {
        Climatograma::leer(e, v);
    } catch (const CalcError &err) {
        raised = err.message() + " @ " + err.field();
    }
    QCOMPARE(raised, error);
    QCOMPARE(fila(v.T), T);
    QCOMPARE(fila(v.PP), PP);
}

QTEST_APPLESS_MAIN(TestClimatogramCalc)
#include "tst_climatogramcalc.moc"
