#include "QtWarnings.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "app/UnitInicial.h"
#include "platform/Screen.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The program without the mouse: Enter and Space on what has the focus, Tab through each
// screen in reading order, the splash's Enter and Esc, and the box of a failed conversion.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void enterPressesFocusedControl_data();
    void enterPressesFocusedControl();
    void splashKeys_data();
    void splashKeys();
    void indexMenuByTab();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
    void failedBoxGetsTheFocus_data();
    void failedBoxGetsTheFocus();

private:
    // Shows the screen as the active window, with the focus on the named control.
    static QWidget *focusOn(Screen &screen, const QString &name)
    {
        screen.present();
        QApplication::setActiveWindow(&screen);
        QWidget *w = screen.control(name);
        if (!w)
            return nullptr;
        w->setFocus(Qt::TabFocusReason);
        return QApplication::focusWidget() == w ? w : nullptr;
    }
    // The names along the Tab chain from the named control, count of them.
    static QStringList tabChain(Screen &screen, const QString &from, int count)
    {
        QStringList names;
        QWidget *w = focusOn(screen, from);
        for (int k = 0; w && k < count; ++k) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    }
};

void TestKeyboard::enterPressesFocusedControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("visible");
    QTest::newRow("index Cerrar") << "TFIndice" << "BCerrar" << int(Qt::Key_Return) << "TFInicial";
    QTest::newRow("index menu entry, Enter") << "TFIndice" << "Label6" << int(Qt::Key_Return) << "TFInicial TFHeFo";
    QTest::newRow("index menu entry, Space") << "TFIndice" << "Label16" << int(Qt::Key_Space)
                                             << "TFInicial TFClimatograma";
    QTest::newRow("module Volver al Índice") << "TFHeFo" << "BVolverAlIndice" << int(Qt::Key_Enter)
                                             << "TFInicial TFIndice";
    QTest::newRow("water balance charts") << "TFBHC" << "BGraficos" << int(Qt::Key_Return) << "TFInicial TFBHCGraf";
    // The evapotranspiration entry moves on from a box with Enter, but a button is pressed.
    QTest::newRow("evapotranspiration Mostrar Gráfico")
        << "TFIngresoInformacion" << "BMostrarG" << int(Qt::Key_Return) << "TFInicial TGraficoETP";
    QTest::newRow("sub-menu line") << "TFEPotencial" << "Label6" << int(Qt::Key_Return) << "TFInicial TFEtpExp";
}

void TestKeyboard::enterPressesFocusedControl()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, visible);
    TestApp app;
    app->start();
    Screen &s = *app->screen(screen);
    QWidget *w = focusOn(s, control);
    QVERIFY2(w, qPrintable(control));
    QTest::keyClick(w, Qt::Key(key));
    QCOMPARE(visibleScreens(*app).join(' '), visible);
}

void TestKeyboard::splashKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QString>("visible");
    QTest::newRow("Enter: Entrar") << int(Qt::Key_Return) << false << "TFInicial TFIndice";
    QTest::newRow("Esc: Salir") << int(Qt::Key_Escape) << true << "";
}

void TestKeyboard::splashKeys()
{
    QFETCH(int, key);
    QFETCH(bool, ended);
    QFETCH(QString, visible);
    TestApp app;
    app->start();
    Screen &splash = app->FInicial();
    QApplication::setActiveWindow(&splash);
    QTest::keyClick(&splash, Qt::Key(key));
    QCOMPARE(app->isTerminated(), ended);
    QCOMPARE(visibleScreens(*app).join(' '), visible);
}

// The seven module entries are Tab stops after the lists (the read-only place boxes are not),
// and the focused one shows that it has the focus.
void TestKeyboard::indexMenuByTab()
{
    TestApp app;
    app->start();
    TFIndice &index = app->FIndice();
    QStringList chain = tabChain(index, "ComboBox3", 9);
    // Hidden lists are skipped; the line edit of the source list is part of the list.
    chain.removeAll(QString());
    QCOMPARE(chain.join(' '), QString("ComboBox3 Label1 Label6 Label2 Label3 Label4 Label5 Label16 BCerrar"));
    QWidget *entry = focusOn(index, "Label2");
    QVERIFY(entry);
    const QImage withFocus = entry->grab().toImage();
    index.control("Label3")->setFocus();
    QVERIFY(withFocus != entry->grab().toImage());
}

void TestKeyboard::tabFollowsReadingOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("chain");
    const QString place = "EEstacion EGrados EMinutos EHemisferio ";
    QTest::newRow("radiation") << "TFIngresoInformacionRadiacion"
                               << place + "EHE1 EHE2 EHE3 EHE4 EHE5 EHE6 EHE7 EHE8 EHE9 EHE10 EHE11 EHE12 "
                                          "BVolverAlIndice BCalcular BCerrar Chart1 BImprimir";
    QTest::newRow("heliophany, threshold after the latitude")
        << "TFHeFo" << place + "EHE BVolverAlIndice BCalcular BCerrar Chart1 BImprimirInforme";
    QTest::newRow("water balance") << "TFBHC"
                                   << place + "ECC EPP1 EPP2 EPP3 EPP4 EPP5 EPP6 EPP7 EPP8 EPP9 EPP10 EPP11 EPP12 "
                                              "ET1 ET2 ET3 ET4 ET5 ET6 ET7 ET8 ET9 ET10 ET11 ET12 "
                                              "BVolverAlIndice BCalcular BCerrar BGraficos BImprimir";
    QTest::newRow("chill hours") << "TFHF"
                                 << place + "ETmi1 ETmi2 ETmi3 ETmi4 ETmi5 ETmi6 ETmi7 ETmi8 ETmi9 ETmi10 ETmi11 "
                                            "ETmi12 BVolverAlIndice BCalcular BCerrar BImprimir";
}

void TestKeyboard::tabFollowsReadingOrder()
{
    QFETCH(QString, screen);
    QFETCH(QString, chain);
    TestApp app;
    Screen &s = *app->screen(screen);
    const int count = int(chain.count(' ')) + 1;
    QStringList names = tabChain(s, "EEstacion", count + 2);
    // The line edit inside an editable list has no name of its own; nothing else may lack one.
    names.removeAll(QString());
    QCOMPARE(names.mid(0, count).join(' '), chain);
    // The chain closes on itself: after the last button comes the station again.
    QCOMPARE(names.value(count), QString("EEstacion"));
}

void TestKeyboard::failedBoxGetsTheFocus_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("badBox");
    QTest::newRow("radiation heliophany") << "TFIngresoInformacionRadiacion" << "EHE4";
    QTest::newRow("radiation minutes") << "TFIngresoInformacionRadiacion" << "EMinutos";
    QTest::newRow("heliophany threshold") << "TFHeFo" << "EHE";
    QTest::newRow("heliophany degrees") << "TFHeFo" << "EGrados";
}

// After the standard error box, the box whose text failed has the focus with its text
// selected, so that typing replaces it.
void TestKeyboard::failedBoxGetsTheFocus()
{
    QFETCH(QString, screen);
    QFETCH(QString, badBox);
    TestApp app;
    Screen &s = *app->screen(screen);
    s.present();
    QApplication::setActiveWindow(&s);
    s.setText("EGrados", "34");
    s.setText("EMinutos", "35");
    s.setText("EHemisferio", "S");
    for (int k = 1; k <= 12; ++k)
        if (s.control("EHE", k))
            s.setText("EHE", k, "7");
    if (s.control("EHE"))
        s.setText("EHE", "12");
    s.setText(badBox, "7,5");
    s.control("EEstacion")->setFocus();
    QVERIFY(click(s, "BCalcular"));
    QCOMPARE(app.dialogs->last().text, QString("'7,5' is not a valid floating point value."));
    auto *box = qobject_cast<QLineEdit *>(s.control(badBox));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), QString("7,5"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
