#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "platform/Widgets.h"
#include "thermal/UnitHF.h"
#include "thermal/UnitReporteHFrio.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;

namespace {

const QString kMinimas = QStringLiteral("14 14 12 9 2 1 3 2 2 9 12 16");
const QString kResultados = QStringLiteral("8.0 1473.4 1473.4 1191.6");

struct PantallaHF {
    test::TestApp app;
    TFHF &screen = app->FHF();

    PantallaHF()
    {
        screen.present();
        place(QStringLiteral("Azul|36|45|S"), kMinimas);
    }
    void place(const QString &station, const QString &minimas)
    {
        const QStringList f = station.split(QLatin1Char('|'));
        screen.setText(QStringLiteral("EEstacion"), f.value(0));
        screen.setText(QStringLiteral("EGrados"), f.value(1));
        screen.setText(QStringLiteral("EMinutos"), f.value(2));
        screen.setText(QStringLiteral("EHemisferio"), f.value(3));
        test::fillRow(screen, QStringLiteral("ETmi"), minimas);
    }
    QString results() const
    {
        QStringList out;
        for (const char *name : {"ETmiT", "EHFT", "EHFC", "EHFE"})
            out << screen.text(QString::fromLatin1(name));
        return out.join(QLatin1Char(' '));
    }
    QStringList dialogs() const
    {
        QStringList out;
        for (const test::ShownDialog &d : app.dialogs->shown)
            out << d.describe();
        return out;
    }
};

} // namespace

// The chill hours screen: "&Calcular" to its four cells, what stops it, results that survive
// a return to the index, and the report.
class TestHorasFrio : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void calculates();
    void failures_data();
    void failures();
    void resultsSurviveTheIndex();
    void report();
};

void TestHorasFrio::calculates()
{
    PantallaHF h;
    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    QCOMPARE(h.dialogs(), QStringList());
    QCOMPARE(h.results(), kResultados);
    // The held figures are those shown: the effective hours are the second regression less 11.8891 %.
    QVERIFY(qAbs(h.screen.valores().HFE - h.screen.valores().Q * (1 - 0.118891)) < 1e-9);
}

void TestHorasFrio::failures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("focus");
    // After the example, the minima become 0 everywhere (3929.9 total hours) with one fault.
    const QString frio = "0.0 3929.9 3954.0 3954.0";
    QTest::newRow("hemisphere X, calculation goes on")
        << "EHemisferio" << "X" << "Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"
        << frio << "";
    // The latitude is not used, yet a bad box stops the calculation before any cell.
    QTest::newRow("degrees not a number") << "EGrados" << "3 6" << "Verdeval | '3 6' is not a valid floating point value. | OK"
                                          << kResultados << "EGrados";
    QTest::newRow("August empty") << "ETmi8" << "" << "Verdeval | '' is not a valid floating point value. | OK"
                                  << kResultados << "ETmi8";
}

void TestHorasFrio::failures()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, dialog);
    QFETCH(QString, results);
    QFETCH(QString, focus);
    PantallaHF h;
    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    h.place(QStringLiteral("Tandil|37|19|S"), QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0"));
    h.screen.setText(box, text);
    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    QCOMPARE(h.dialogs(), QStringList{dialog});
    QCOMPARE(h.results(), results);
    if (!focus.isEmpty())
        QCOMPARE(h.screen.focusWidget(), h.screen.control(focus));
}

void TestHorasFrio::resultsSurviveTheIndex()
{
    // Back to the index and in again with another place: the boxes take the new minima, the
    // results stay until "&Calcular", and a report in between combines both.
    PantallaHF h;
    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    TFIndice &index = h.app->FIndice();
    TDatosLocalidad place;
    test::setPlace(place, QStringLiteral("Bariloche|41|9|S|71|10|836"));
    place.TMi.assign(QStringLiteral("6.3 6 4.1 1.6 -0.2 -1.6 -2.2 -1.6 -0.8 1.2 3.2 5.2").split(QLatin1Char(' ')));
    index.setPlace(place);
    QVERIFY(test::click(h.screen, QStringLiteral("BVolverAlIndice")));
    QVERIFY(!h.screen.isVisible());
    QCOMPARE(h.results(), kResultados);
    QVERIFY(test::click(index, QStringLiteral("Label4")));
    QVERIFY(h.screen.isVisible());
    QCOMPARE(h.screen.text(QStringLiteral("EEstacion")), "Bariloche");
    QCOMPARE(test::row(h.screen, QStringLiteral("ETmi")), "6.3 6 4.1 1.6 -0.2 -1.6 -2.2 -1.6 -0.8 1.2 3.2 5.2");
    QCOMPARE(h.results(), kResultados);

    QVERIFY(test::click(h.screen, QStringLiteral("BImprimir")));
    TForm8 &report = h.app->Form8();
    QCOMPARE(test::row(report, QStringLiteral("ERG")), "6.3 6 4.1 1.6 -0.2 -1.6 -2.2 -1.6 -0.8 1.2 3.2 5.2");
    QCOMPARE(report.text(QStringLiteral("EHFT")), "1473.4");

    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    QCOMPARE(h.results(), "1.8 3367.9 3018.6 3018.6");
}

void TestHorasFrio::report()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    PantallaHF h;
    QStringList printed;
    h.app.dialogs->onPreview = [&](Printable &p) {
        auto &page = static_cast<ReportLayout &>(p);
        QVERIFY(page.fitsPage());
        const QString path = dir.filePath(QStringLiteral("frio%1.pdf").arg(printed.size()));
        QVERIFY(page.renderToPdf(path));
        QCOMPARE(test::pdfPageSize(path), "612 x 792 pts (letter)");
        QStringList lines;
        for (const char *start : {"Horas de Frío", "Ene", "Temperatura Mínima Media", "Horas de Frío Totales",
                                  "Horas de Frío Efectivas"})
            lines << test::pdfLine(path, QString::fromUtf8(start));
        printed << lines.join(QStringLiteral(" / "));
    };
    QVERIFY(test::click(h.screen, QStringLiteral("BCalcular")));
    QVERIFY(test::click(h.screen, QStringLiteral("BImprimir")));
    // An empty minimum prints empty; the station and the annual mean are not printed.
    h.screen.setText(QStringLiteral("ETmi12"), QString());
    QVERIFY(test::click(h.screen, QStringLiteral("BImprimir")));

    const QString head = "Horas de Frío / Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic / ";
    const QString figures =
        " / Horas de Frío Totales 1473.4 Horas de Frío Corregidas 1473.4 / Horas de Frío Efectivas 1191.6";
    QCOMPARE(printed, (QStringList{head + "Temperatura Mínima Media " + kMinimas + figures,
                                   head + "Temperatura Mínima Media 14 14 12 9 2 1 3 2 2 9 12" + figures}));
    QCOMPARE(h.app.dialogs->last().caption, "Horas de Frío");
}

QTEST_MAIN(TestHorasFrio)
#include "tst_horasfrio.moc"
