#include "QtWarnings.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "location/UnitIngresoDatosGenericos.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

class TestOwnData : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void precipitationCapture();
    void precipitationCaptureStopsAtBadMonth();
    void temperatureCapture_data();
    void temperatureCapture();
    void hemisphereKeepsFocus_data();
    void hemisphereKeepsFocus();
    void confirmHandsOverCurrentBoxes();
    void confirmRefusesMissingOrBadMonths_data();
    void confirmRefusesMissingOrBadMonths();
    void confirmAcceptsEmptyName();
};

namespace {
const QString kPP = "10 10 10 10 10 10 10 10 10 10 10 10";
const QString kT = "24.5 23.3 20.9 17.3 14 11.2 10.6 11.9 13.9 17 20.1 22.9";

void fillPlace(Screen &s)
{
    s.setText("EEstacion", "Campo propio");
    s.setText("EGrados", "34");
    s.setText("EMinutos", "35");
    s.setText("EGradosL", "58");
    s.setText("EMinutosL", "20");
    s.setText("EAltitud", "25");
    s.setText("EHemisferio", "S");
}
} // namespace

void TestOwnData::precipitationCapture()
{
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    fillRow(own, "EPP", kPP);
    QVERIFY(leave(own, "EPP12"));
    QCOMPARE(own.text("EPPT"), QString("120"));
    QVERIFY(!own.box("EPPT")->isEnabled());
    QVERIFY(app.dialogs->shown.isEmpty());
}

void TestOwnData::precipitationCaptureStopsAtBadMonth()
{
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    fillRow(own, "EPP", kPP);
    QVERIFY(leave(own, "EPP12"));
    own.setText("EPP5", "7,5");
    QVERIFY(leave(own, "EPP12"));
    QCOMPARE(app.dialogs->last().describe(), QString("Verdeval | '7,5' is not a valid floating point value. | OK"));
    QCOMPARE(own.text("EPPT"), QString("120"));
}

void TestOwnData::temperatureCapture_data()
{
    QTest::addColumn<QString>("temperatures");
    QTest::addColumn<QString>("annual");
    QTest::newRow("all twelve") << kT << "17.3";
    // A month left empty shows no mean at all rather than one of stale or zero values.
    QTest::newRow("a month empty") << "24.5 23.3  17.3 14 11.2 10.6 11.9 13.9 17 20.1 22.9" << "";
}

void TestOwnData::temperatureCapture()
{
    QFETCH(QString, temperatures);
    QFETCH(QString, annual);
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    fillRow(own, "ET", temperatures);
    QVERIFY(leave(own, "ET12"));
    QCOMPARE(own.text("ETT"), annual);
    QVERIFY(app.dialogs->shown.isEmpty());
}

void TestOwnData::hemisphereKeepsFocus_data()
{
    QTest::addColumn<QString>("hemisphere");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("S") << "S" << true;
    QTest::newRow("n") << "n" << true;
    QTest::newRow("Sur") << "Sur" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank before") << " S" << false;
}

void TestOwnData::hemisphereKeepsFocus()
{
    QFETCH(QString, hemisphere);
    QFETCH(bool, accepted);
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    own.present();
    QApplication::setActiveWindow(&own);
    own.box("EHemisferio")->setFocus();
    own.setText("EHemisferio", hemisphere);
    own.box("EPP1")->setFocus();
    QApplication::processEvents();
    if (accepted) {
        QVERIFY(app.dialogs->shown.isEmpty());
        QCOMPARE(QApplication::focusWidget(), own.box("EPP1"));
    } else {
        QCOMPARE(app.dialogs->last().describe(),
                 QString("Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"));
        QCOMPARE(QApplication::focusWidget(), own.box("EHemisferio"));
    }
}

void TestOwnData::confirmHandsOverCurrentBoxes()
{
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    own.present();
    fillPlace(own);
    fillRow(own, "EPP", kPP);
    QVERIFY(leave(own, "EPP12"));
    fillRow(own, "ET", kT);
    QVERIFY(leave(own, "ET12"));
    // March edited after December was left: the location gets what the box now says, and a
    // total that matches it.
    own.setText("EPP3", "40.5");
    QVERIFY(click(own, "Button1"));

    const TDatosLocalidad &loc = app->FIndice().DatosLocalidad();
    QCOMPARE(loc.PP.list().join(' '), QString("10 10 40.5 10 10 10 10 10 10 10 10 10"));
    QCOMPARE(loc.EPPT, QString("150.5"));
    QCOMPARE(loc.T.list().join(' '), kT);
    QCOMPARE(loc.ETT, QString("17.3"));
    QCOMPARE(QStringList({loc.EEstacion, loc.EGrados, loc.EMinutos, loc.EHemisferio, loc.EGradosL, loc.EMinutosL, loc.EAltitud}).join('|'),
             QString("Campo propio|34|35|S|58|20|25"));
    QCOMPARE(own.text("EPPT"), QString("150.5"));
    QCOMPARE(app->FIndice().text("EEstacion"), QString("Campo propio"));
    QCOMPARE(visibleScreens(*app), QStringList{"TFIndice"});
    QVERIFY(app.dialogs->shown.isEmpty());
}

void TestOwnData::confirmRefusesMissingOrBadMonths_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString missing = "ATENCIÓN | Debe ingresar todos los datos en los cuadros de precipitación y temperatura, "
                            "utilizando el punto como separador decimal. | OK";
    QTest::newRow("precipitation empty") << "EPP7" << "" << missing;
    QTest::newRow("temperature empty") << "ET1" << "" << missing;
    QTest::newRow("comma decimal") << "ET4" << "17,3" << "Verdeval | '17,3' is not a valid floating point value. | OK";
}

void TestOwnData::confirmRefusesMissingOrBadMonths()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    own.present();
    fillPlace(own);
    fillRow(own, "EPP", kPP);
    fillRow(own, "ET", kT);
    own.setText(box, value);
    QVERIFY(click(own, "Button1"));
    QCOMPARE(app.dialogs->last().describe(), message);
    const TDatosLocalidad &loc = app->FIndice().DatosLocalidad();
    QVERIFY(loc.EEstacion.isEmpty() && loc.EPPT.isEmpty() && loc.ETT.isEmpty());
    QCOMPARE(loc.PP.list().join(QString()), QString());
    QVERIFY(own.isVisible());
}

void TestOwnData::confirmAcceptsEmptyName()
{
    TestApp app;
    auto &own = app->FIngresoDatosGenericos();
    own.present();
    fillRow(own, "EPP", kPP);
    fillRow(own, "ET", kT);
    QVERIFY(click(own, "Button1"));
    const TDatosLocalidad &loc = app->FIndice().DatosLocalidad();
    QCOMPARE(loc.EEstacion, QString());
    QCOMPARE(loc.EPPT, QString("120"));
    QVERIFY(app->FIndice().isVisible());
}

QTEST_MAIN(TestOwnData)
#include "tst_owndata.moc"
