#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/core/NumberText.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace verdeval;

namespace {

const QString kHeliofania = QStringLiteral("4.6 5.7 6.1 7.1 9.0 9.3 9.4 8.7 7.9 6.6 5.3 4.9");

// The radiation screen after a calculation for Azul, 36°45' S, its chart at a fixed size.
struct RadiationChart {
    test::TestApp app;
    TFIngresoInformacionRadiacion &screen = app->FIngresoInformacionRadiacion();
    Chart &chart = screen.Chart1();

    RadiationChart()
    {
        screen.present();
        screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
        screen.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
        screen.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
        screen.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
        test::fillRow(screen, QStringLiteral("EHE"), kHeliofania);
        QVERIFY(test::click(screen, QStringLiteral("BCalcular")));
        chart.setFixedSize(800, 400);
    }
};

// Opens the chart's context menu as the event of the given kind does and reads its entries
// ("(off)" after a disabled one) before closing it again.
QStringList menuOf(Chart &chart, QContextMenuEvent::Reason reason)
{
    QStringList entries;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = chart.findChild<QMenu *>();
        if (menu && menu->isVisible()) {
            for (QAction *a : menu->actions())
                entries << a->objectName() + QLatin1Char(' ') + a->text() + (a->isEnabled() ? "" : " (off)");
            menu->close();
        } else if (waited.elapsed() > 5000 && QApplication::activePopupWidget()) {
            QApplication::activePopupWidget()->close();
        }
    });
    poll.start();
    // The offscreen platform of the tests says so whenever a popup opens.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
    }
    QContextMenuEvent event(reason, QPoint(20, 20), chart.mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(&chart, &event);
    return entries;
}

// The clipboard's text as rows of fields.
QList<QStringList> clipboardRows()
{
    QList<QStringList> rows;
    QString text = QGuiApplication::clipboard()->text();
    if (!text.endsWith(QLatin1Char('\n')))
        return rows;
    text.chop(1);
    for (const QString &line : text.split(QLatin1Char('\n')))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

void trigger(Chart &chart, const char *action)
{
    auto *a = chart.findChild<QAction *>(QString::fromLatin1(action));
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class TestChartMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void menuOnEveryChart_data();
    void menuOnEveryChart();
    void copiesTheRadiationChart();
    void copiesTwelveMonthSlots();
    void savesWhatIsDrawn_data();
    void savesWhatIsDrawn();
    void failedSaveIsReported();
    void cancelledSaveShowsNothingElse();
};

void TestChartMenu::menuOnEveryChart_data()
{
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<int>("reason");
    QTest::newRow("right click on a screen's chart") << true << int(QContextMenuEvent::Mouse);
    QTest::newRow("menu key on a screen's chart") << true << int(QContextMenuEvent::Keyboard);
    // Without a screen there is no dialog to choose a file with.
    QTest::newRow("a chart on no screen") << false << int(QContextMenuEvent::Mouse);
}

void TestChartMenu::menuOnEveryChart()
{
    QFETCH(bool, onScreen);
    QFETCH(int, reason);
    RadiationChart r;
    Chart alone(QStringLiteral("Chart1"));
    Chart &chart = onScreen ? r.chart : alone;
    QVERIFY(chart.focusPolicy() & Qt::TabFocus);
    const QStringList entries = menuOf(chart, QContextMenuEvent::Reason(reason));
    QCOMPARE(entries, (QStringList{"ActCopiarDatos Copiar datos",
                                   onScreen ? "ActGuardarImagen Guardar imagen…" : "ActGuardarImagen Guardar imagen… (off)"}));
}

void TestChartMenu::copiesTheRadiationChart()
{
    RadiationChart r;
    trigger(r.chart, "ActCopiarDatos");
    const QList<QStringList> rows = clipboardRows();
    QCOMPARE(rows.value(0), (QStringList{"Meses del año", "Radiación Global", "Radiación Astronómica"}));
    // One row per date, June to June: the 15 June start, then the sixteen dates of the cells.
    QCOMPARE(rows.size(), 1 + 17);
    QStringList months;
    for (int k = 1; k < rows.size(); ++k)
        months << rows.at(k).value(0);
    QCOMPARE(months.join(QLatin1Char(' ')), "Jun Jun Jul Ago Sep Sep Oct Nov Dic Dic Ene Feb Mar Mar Abr May Jun");
    // Values as the chart holds them; rounded, they read as the cells do.
    auto rounded = [](const QString &field) { return field.isEmpty() ? QString() : floatToStrF(strToFloat(field), 0); };
    QStringList astronomica, global;
    for (int k = 2; k < rows.size(); ++k) {
        astronomica << rounded(rows.at(k).value(2));
        if (!rows.at(k).value(1).isEmpty())
            global << rounded(rows.at(k).value(1));
    }
    QCOMPARE(astronomica.join(QLatin1Char(' ')), test::row(r.screen, QStringLiteral("ERA"), 16));
    QCOMPARE(global.join(QLatin1Char(' ')), test::row(r.screen, QStringLiteral("ERG"), 12));
    QCOMPARE(rounded(rows.at(1).value(1)), r.screen.text(QStringLiteral("ERG12")));
    QCOMPARE(rounded(rows.at(1).value(2)), r.screen.text(QStringLiteral("ERA16")));
    // The global line has no point at the solstices and equinoxes.
    for (int row : {2, 6, 10, 14})
        QCOMPARE(rows.at(row).value(1), QString());
    // The full value, not the rounded one.
    QVERIFY2(rows.at(3).value(2).contains(QLatin1Char('.')), qPrintable(rows.at(3).join('|')));
}

void TestChartMenu::copiesTwelveMonthSlots()
{
    // A climatogram-like chart: precipitation bars on the left axis, temperature on the right,
    // July to June, one month without a temperature.
    Chart chart(QStringLiteral("Chart1"));
    chart.setBottomAxisMonthSlots();
    chart.bottomAxis().title = QStringLiteral("Meses del año");
    ChartSeries *pp = chart.addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), Qt::green, 15);
    ChartSeries *t = chart.addLine(QStringLiteral("Series2"), QStringLiteral("Temperatura"), Qt::red, ChartSeries::Axis::Right);
    const QStringList months{"Jul", "Ago", "Sep", "Oct", "Nov", "Dic", "Ene", "Feb", "Mar", "Abr", "May", "Jun"};
    for (int k = 0; k < 12; ++k) {
        pp->Add(10.0 * k + 0.5, months.at(k));
        t->Add(k == 3 ? std::numeric_limits<double>::quiet_NaN() : 7 + k / 3.0, months.at(k));
    }
    trigger(chart, "ActCopiarDatos");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Meses del año\tPrecipitación\tTemperatura\n"
             "Jul\t0.5\t7\n"
             "Ago\t10.5\t7.33333333333333\n"
             "Sep\t20.5\t7.66666666666667\n"
             "Oct\t30.5\t\n"
             "Nov\t40.5\t8.33333333333333\n"
             "Dic\t50.5\t8.66666666666667\n"
             "Ene\t60.5\t9\n"
             "Feb\t70.5\t9.33333333333333\n"
             "Mar\t80.5\t9.66666666666667\n"
             "Abr\t90.5\t10\n"
             "May\t100.5\t10.3333333333333\n"
             "Jun\t110.5\t10.6666666666667\n");
}

void TestChartMenu::savesWhatIsDrawn_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("PNG") << "marcha.png";
    QTest::newRow("PDF") << "marcha.pdf";
    QTest::newRow("upper-case suffix") << "MARCHA.PDF";
}

void TestChartMenu::savesWhatIsDrawn()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    RadiationChart r;
    r.app.dialogs->fileNames << path;
    trigger(r.chart, "ActGuardarImagen");
    QCOMPARE(r.app.dialogs->shown.size(), 1);
    const test::ShownDialog &asked = r.app.dialogs->last();
    QCOMPARE(asked.kind, test::ShownDialog::Kind::SaveFile);
    QCOMPARE(asked.describe(), "Guardar imagen | Azul.png | Imagen PNG (*.png)/Documento PDF (*.pdf)");
    QVERIFY(QFileInfo::exists(path));

    if (file.endsWith(QLatin1String(".png"))) {
        // Pixel for pixel what the screen shows.
        const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage shown = r.chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), QSize(800, 400));
        QVERIFY(saved == shown);
        return;
    }
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    // One page the size of the chart, text and lines as vectors.
    QCOMPARE(test::pdfPageSize(path), "600 x 300 pts");
    const QStringList lines = test::pdfLines(path);
    QCOMPARE(lines.value(0), "Azul");
    QVERIFY2(lines.contains(QStringLiteral("Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun")), qPrintable(lines.join('\n')));
    QVERIFY2(lines.contains(QStringLiteral("Radiación Global Radiación Astronómica")), qPrintable(lines.join('\n')));
    QCOMPARE(test::pdfImageCount(path), 0);
}

void TestChartMenu::failedSaveIsReported()
{
    QTemporaryDir dir;
    RadiationChart r;
    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/marcha.png"));
    const QString unknownKind = dir.filePath(QStringLiteral("marcha.xyz"));
    r.app.dialogs->fileNames << missingFolder << unknownKind;
    trigger(r.chart, "ActGuardarImagen");
    trigger(r.chart, "ActGuardarImagen");
    QCOMPARE(r.app.dialogs->shown.size(), 4);
    QCOMPARE(r.app.dialogs->shown.at(1).describe(),
             "Verdeval | No se pudo guardar el gráfico en " + missingFolder + ". | OK");
    QVERIFY(r.app.dialogs->shown.at(1).errorIcon);
    QCOMPARE(r.app.dialogs->shown.at(3).describe(),
             "Verdeval | No se pudo guardar el gráfico en " + unknownKind + ". | OK");
    QVERIFY(!QFileInfo::exists(unknownKind));
}

void TestChartMenu::cancelledSaveShowsNothingElse()
{
    // The scripted dialog has no file name to give: the user cancelled, nothing else shows.
    RadiationChart r;
    trigger(r.chart, "ActGuardarImagen");
    QCOMPARE(r.app.dialogs->shown.size(), 1);
    QCOMPARE(r.app.dialogs->last().kind, test::ShownDialog::Kind::SaveFile);
}

QTEST_MAIN(TestChartMenu)
#include "tst_chartmenu.moc"
