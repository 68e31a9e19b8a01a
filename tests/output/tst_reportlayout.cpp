#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "platform/Widgets.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"
#include "radiation/UnitReporteHelofania.h"
#include "radiation/UnitReporteRadiacion.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;

namespace {

// A small report of the usual shape: heading block, title, a month table with one row and an
// annual cell, and a chart.
class SampleReport : public ReportLayout
{
public:
    SampleReport(VerdevalApp &app, int chartHeight = 400)
        : ReportLayout(app, "TFormMuestra", QStringLiteral("Informe de prueba")), m_chartHeight(chartHeight)
    {
    }

protected:
    void buildReport() override
    {
        const int chartHeight = m_chartHeight;
        addHeadingBlock();
        addTitle(QStringLiteral("Resultados de prueba"));
        kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QStringLiteral("Año"));
        table->addCellRow(QStringLiteral("Precipitación"), QStringLiteral("EPP"), 12, QStringLiteral("EPPT"));
        Chart *c = addChart(QStringLiteral("QRChart1"), chartHeight);
        c->setBottomAxisMonthSlots();
        c->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), Qt::green, 15)->setMarksVisible(false);
    }

private:
    int m_chartHeight;
};

const QString kLetter = QStringLiteral("612 x 792 pts (letter)");

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void initTestCase();
    void pdfCarriesTheCaptions_data();
    void pdfCarriesTheCaptions();
    void printerPathPrintsTheSamePage();
    void printerThatCannotPrintSaysSo();
    void pagesFitTheLetterSheet();
    void secondPreviewWhileOpenDoesNothing();

private:
    QTemporaryDir m_dir;
};

void TestReportLayout::initTestCase()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
}

void TestReportLayout::pdfCarriesTheCaptions_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("row");
    QTest::newRow("twelve months and the year")
        << "140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103 998.9"
        << "Precipitación 140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103 998.9";
    // A caption whose screen counterpart is empty prints empty.
    QTest::newRow("an empty month") << "1 2 3 4 5  7 8 9 10 11 12 72" << "Precipitación 1 2 3 4 5 7 8 9 10 11 12 72";
}

void TestReportLayout::pdfCarriesTheCaptions()
{
    QFETCH(QString, values);
    QFETCH(QString, row);
    test::TestApp app;
    SampleReport report(*app);
    const QStringList v = values.split(QLatin1Char(' '));
    for (int k = 1; k <= 12; ++k)
        report.setText(QStringLiteral("EPP"), k, v.at(k - 1));
    report.setText(QStringLiteral("EPPT"), v.at(12));
    Chart *chart = report.chart(QStringLiteral("QRChart1"));
    QVERIFY(chart);
    chart->titleAdd(QStringLiteral("Azul"));
    for (int k = 0; k < 12; ++k)
        chart->series(QStringLiteral("Series1"))->Add(k, kit::monthsJulJun.at(k));

    const QString path = m_dir.filePath(QStringLiteral("muestra.pdf"));
    QVERIFY(report.renderToPdf(path));
    QCOMPARE(test::pdfPageSize(path), kLetter);
    QCOMPARE(test::pdfLine(path, QStringLiteral("Precipitación ")), row);
    const QStringList lines = test::pdfLines(path);
    QVERIFY(lines.contains(QStringLiteral("Resultados de prueba")));
    QVERIFY(lines.contains(QStringLiteral("Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic Año")));
    QVERIFY2(lines.contains(QStringLiteral("Azul")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.contains(QStringLiteral("Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun")));
    // Emblems, cells and chart are vectors: no picture anywhere on the page.
    QCOMPARE(test::pdfImageCount(path), 0);
}

void TestReportLayout::printerPathPrintsTheSamePage()
{
    test::TestApp app;
    SampleReport report(*app);
    report.setText(QStringLiteral("EPP1"), QStringLiteral("140.9"));
    const QString path = m_dir.filePath(QStringLiteral("impresora.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    report.printOn(&printer);
    QCOMPARE(test::pdfPageSize(path), kLetter);
    QCOMPARE(test::pdfLine(path, QStringLiteral("Precipitación")), "Precipitación 140.9");
    QCOMPARE(printer.docName(), "Informe de prueba");
    // Widgets painted straight onto a printer become one picture of the page; the report's
    // page reaches the printer as text and lines.
    QCOMPARE(test::pdfImageCount(path), 0);
}

// A printer that cannot start (here a PDF file in a folder that does not exist) is reported,
// not taken for a printed page.
void TestReportLayout::printerThatCannotPrintSaysSo()
{
    test::TestApp app;
    SampleReport report(*app);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("no-such-folder/informe.pdf")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin")));
    report.printOn(&printer);
    QCOMPARE(app.dialogs->shown.size(), 1);
    QCOMPARE(app.dialogs->last().caption, QString("Verdeval"));
    QVERIFY2(app.dialogs->last().text.startsWith("No se pudo imprimir el informe \"Informe de prueba\""),
             qPrintable(app.dialogs->last().text));
}

void TestReportLayout::pagesFitTheLetterSheet()
{
    test::TestApp app;
    SampleReport sample(*app);
    QVERIFY(sample.fitsPage());
    QVERIFY(app->Form3().fitsPage());
    QVERIFY(app->Form4().fitsPage());
    SampleReport tooTall(*app, 1200);
    QVERIFY(!tooTall.fitsPage());
}

void TestReportLayout::secondPreviewWhileOpenDoesNothing()
{
    test::TestApp app;
    SampleReport report(*app);
    Screen &from = app->FIngresoInformacionRadiacion();
    int nested = 0;
    app.dialogs->onPreview = [&](Printable &) {
        ++nested;
        report.Preview(&from);
    };
    report.Preview(&from);
    QCOMPARE(nested, 1);
    QCOMPARE(app.dialogs->shown.size(), 1);
    QCOMPARE(app.dialogs->last().caption, "Informe de prueba");
    // Closed again: the next Preview opens.
    app.dialogs->onPreview = nullptr;
    report.Preview(&from);
    QCOMPARE(app.dialogs->shown.size(), 2);
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
