#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "climatogram/UnitClimatograma.h"
#include "climatogram/UnitReporteClimatograma.h"
#include "output/Chart.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;

namespace {

const QString kT = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12");
const QString kPP = QStringLiteral("10 20 30 40 50 60 70 80 90 100 110 120");

// The points of a series as drawn, "label:y" joined by blanks.
QString puntos(const ChartSeries *s)
{
    QStringList out;
    for (const ChartSeries::Point &p : s->points())
        out << p.label + QLatin1Char(':') + floatToStr(p.y);
    return out.join(QLatin1Char(' '));
}

// Temperature line, then precipitation bars.
QString grafico(const Chart &chart)
{
    return puntos(chart.series(QStringLiteral("Series2"))) + " / " + puntos(chart.series(QStringLiteral("Series1")));
}

const QString kDibujado = QStringLiteral("Jul:7 Ago:8 Sep:9 Oct:10 Nov:11 Dic:12 Ene:1 Feb:2 Mar:3 Abr:4 May:5 Jun:6 / "
                                         "Jul:70 Ago:80 Sep:90 Oct:100 Nov:110 Dic:120 Ene:10 Feb:20 Mar:30 Abr:40 "
                                         "May:50 Jun:60");

// The climatogram opened from the index with a place whose temperatures are 1 to 12 and whose
// precipitations are 10 to 120, January to December.
struct PantallaClimatograma {
    test::TestApp app;
    TFClimatograma &screen = app->FClimatograma();

    PantallaClimatograma()
    {
        TDatosLocalidad place;
        test::setPlace(place, QStringLiteral("Azul|36|45|S|59|50|132"));
        place.T.assign(kT.split(QLatin1Char(' ')));
        place.PP.assign(kPP.split(QLatin1Char(' ')));
        app->FIndice().setPlace(place);
        app->FIndice().present();
        QVERIFY(test::click(app->FIndice(), QStringLiteral("Label16")));
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

// The climatogram screen: the refresh on opening and on "Recalcular Datos", the chart July to
// June on two axes of their own, a box that is not a number, and the report that joins the
// boxes as they stand with the chart of the last refresh.
class TestClimatograma : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void openingDrawsJulyToJune();
    void conversionErrorKeepsThePoints();
    void reportTableAndChart();
};

void TestClimatograma::openingDrawsJulyToJune()
{
    PantallaClimatograma c;
    QVERIFY(c.screen.isVisible());
    QCOMPARE(c.dialogs(), QStringList());
    QCOMPARE(grafico(c.screen.Chart1()), kDibujado);
    QCOMPARE(c.screen.Chart1().titleLines(), QStringList{"Azul"});
    for (ChartSeries *s : c.screen.Chart1().allSeries())
        QVERIFY(!s->marksVisible());

    // Each vertical axis spans its own series: millimetres on the left, degrees on the right.
    const QSizeF size(1000, 400);
    const QStringList left = c.screen.Chart1().axisLabels(Chart::AxisId::Left, size);
    const QStringList right = c.screen.Chart1().axisLabels(Chart::AxisId::Right, size);
    QVERIFY2(strToFloat(left.last()) >= 120 && strToFloat(left.last()) < 200, qPrintable(left.join(' ')));
    QVERIFY2(strToFloat(right.last()) >= 12 && strToFloat(right.last()) < 20, qPrintable(right.join(' ')));
    // So the warmest month's point stands at the top of the plot like the wettest month's bar.
    const QRectF plot = c.screen.Chart1().plotArea(size);
    const QPointF diciembre = c.screen.Chart1().drawnPoints(c.screen.Chart1().series(QStringLiteral("Series2")), size).at(5);
    QVERIFY(diciembre.y() < plot.top() + plot.height() / 3);

    // "Recalcular Datos" brings edited boxes to the chart.
    c.screen.setText(QStringLiteral("ET1"), QStringLiteral("-3.5"));
    c.screen.setText(QStringLiteral("EPP12"), QStringLiteral("0"));
    QVERIFY(test::click(c.screen, QStringLiteral("Button1")));
    QCOMPARE(puntos(c.screen.Chart1().series(QStringLiteral("Series2"))).section(' ', 6, 6), "Ene:-3.5");
    QCOMPARE(puntos(c.screen.Chart1().series(QStringLiteral("Series1"))).section(' ', 5, 5), "Dic:0");
}

void TestClimatograma::conversionErrorKeepsThePoints()
{
    PantallaClimatograma c;
    c.screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Tandil"));
    test::fillRow(c.screen, QStringLiteral("ET"), QStringLiteral("21 22 23 24 25 26 27 28 29 30 31 32"));
    c.screen.setText(QStringLiteral("EPP5"), QString());
    QVERIFY(test::click(c.screen, QStringLiteral("Button1")));
    const QString error = "Verdeval | '' is not a valid floating point value. | OK";
    QCOMPARE(c.dialogs(), QStringList{error});
    QCOMPARE(grafico(c.screen.Chart1()), kDibujado);
    QCOMPARE(c.screen.Chart1().titleLines(), QStringList{"Azul"});
    QCOMPARE(c.screen.focusWidget(), c.screen.control(QStringLiteral("EPP5")));
    // The temperatures read before the fault are held.
    QCOMPARE(c.screen.valores().T[11], 32.0);
    QCOMPARE(c.screen.valores().PP[4], 50.0);

    // Again at every refresh until the box is corrected; the same on the next opening.
    QVERIFY(test::click(c.screen, QStringLiteral("Button1")));
    QVERIFY(test::click(c.screen, QStringLiteral("BVolverAlIndice")));
    c.screen.present();
    QCOMPARE(c.dialogs(), (QStringList{error, error, error}));
    c.screen.setText(QStringLiteral("EPP5"), QStringLiteral("55"));
    QVERIFY(test::click(c.screen, QStringLiteral("Button1")));
    QCOMPARE(c.dialogs().size(), 3);
    QCOMPARE(c.screen.Chart1().titleLines(), QStringList{"Tandil"});
    QCOMPARE(puntos(c.screen.Chart1().series(QStringLiteral("Series1"))).section(' ', 10, 10), "May:55");
}

void TestClimatograma::reportTableAndChart()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    PantallaClimatograma c;
    QStringList printed;
    QStringList charts;
    c.app.dialogs->onPreview = [&](Printable &p) {
        auto &page = static_cast<ReportLayout &>(p);
        QVERIFY(page.fitsPage());
        const QString path = dir.filePath(QStringLiteral("climatograma.pdf"));
        QVERIFY(page.renderToPdf(path));
        printed << test::pdfLine(path, QStringLiteral("Precipitación")) + " / "
                       + test::pdfLine(path, QStringLiteral("Temperatura"));
        charts << grafico(static_cast<TForm7 &>(page).QRChart1());
    };

    // An edit printed at once shows in the table and not in the chart; closing the preview
    // refreshes the screen, and from then on both agree.
    c.screen.setText(QStringLiteral("ET3"), QStringLiteral("30"));
    QVERIFY(test::click(c.screen, QStringLiteral("BImprimir")));
    QCOMPARE(puntos(c.screen.Chart1().series(QStringLiteral("Series2"))).section(' ', 8, 8), "Mar:30");
    c.screen.setText(QStringLiteral("ET3"), QStringLiteral("31"));
    QVERIFY(test::click(c.screen, QStringLiteral("Button1")));
    QVERIFY(test::click(c.screen, QStringLiteral("BImprimir")));

    const QString precipitacion = "Precipitación " + kPP;
    QCOMPARE(printed, (QStringList{precipitacion + " / Temperatura 1 2 30 4 5 6 7 8 9 10 11 12",
                                   precipitacion + " / Temperatura 1 2 31 4 5 6 7 8 9 10 11 12"}));
    QCOMPARE(charts, (QStringList{kDibujado, QString(kDibujado).replace("Mar:3 ", "Mar:31 ")}));
    QCOMPARE(c.app.dialogs->last().caption, "Climatograma");
    QCOMPARE(c.app->Form7().QRChart1().titleLines(), QStringList{"Azul"});
}

QTEST_MAIN(TestClimatograma)
#include "tst_climatograma.moc"
