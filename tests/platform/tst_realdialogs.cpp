#include "QtWarnings.h"
#include "app/Unit1.h"
#include "app/VerdevalApp.h"
#include "location/UnitIngresoDatosGenericos.h"
#include "output/ReportLayout.h"
#include "platform/Dialogs.h"
#include "platform/Translation.h"
#include "radiation/UnitReporteRadiacion.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace verdeval;

// The real dialogs of the program: modal, with real buttons, returning when the user closes
// them. A timer plays the user.
class TestRealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void initTestCase();
    void messageBoxes_data();
    void messageBoxes();
    void previewReturnsWhenClosed();
    void modalScreenReturnsWhenClosed();
    void saveFileDialog_data();
    void saveFileDialog();

private:
    // Runs `check` on the modal window once it is up, then closes it as a user would.
    static void whenModal(std::function<void(QWidget *)> check, std::function<void(QWidget *)> close)
    {
        // A timer of the application polls until the window is up, then goes away with it
        // (a self-rescheduling closure would keep itself alive).
        auto *poll = new QTimer(qApp);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, check, close] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            poll->stop();
            poll->deleteLater();
            check(w);
            close(w);
        });
        poll->start();
    }
};

// The program speaks Spanish in Qt's own texts too: buttons, the preview, the print dialog.
void TestRealDialogs::initTestCase() { QVERIFY(installSpanishQtTexts(*qApp)); }

void TestRealDialogs::messageBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("labels");
    QTest::newRow("standard error") << 0 << "Verdeval" << "'x' is not a valid floating point value." << int(QMessageBox::Ok)
                                    << int(QMessageBox::Critical) << "Aceptar";
    QTest::newRow("atención") << 1 << "ATENCIÓN" << "Debe ingresar un umbral." << int(QMessageBox::Ok)
                              << int(QMessageBox::Information) << "Aceptar";
    QTest::newRow("hemisphere") << 2 << "Verdeval" << "En Hemisferio debe colocar N para el Norte o S para el Sur"
                                << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Critical) << "Sí No";
}

void TestRealDialogs::messageBoxes()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(QString, labels);
    VerdevalApp app;
    Screen &index = app.FIndice();
    index.present();
    QString seenTitle, seenText;
    int seenButtons = 0, seenIcon = 0;
    QStringList seenLabels;
    whenModal(
        [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenButtons = int(box->standardButtons());
            seenIcon = int(box->icon());
            for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok})
                if (QAbstractButton *button = box->button(b))
                    seenLabels << button->text().remove('&');
        },
        [](QWidget *w) { static_cast<QMessageBox *>(w)->buttons().constLast()->click(); });
    if (kind == 0)
        app.dialogs().standardError(&index, "'x' is not a valid floating point value");
    else if (kind == 1)
        app.dialogs().atencion(&index, text);
    else
        app.dialogs().hemisphereError(&index, text);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenText, text);
    QCOMPARE(seenButtons, buttons);
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenLabels.join(' '), labels);
}

void TestRealDialogs::previewReturnsWhenClosed()
{
    VerdevalApp app;
    Screen &index = app.FIndice();
    index.present();
    ReportLayout &report = app.Form4();
    QString title;
    whenModal([&](QWidget *w) {
        QVERIFY(qobject_cast<QPrintPreviewDialog *>(w));
        title = w->windowTitle();
        QStringList actions;
        for (QAction *a : w->findChildren<QAction *>())
            actions << a->text();
        QVERIFY2(actions.contains("Imprimir"), qPrintable(actions.join('|')));
        // A second preview while this one is open does nothing.
        app.dialogs().preview(&index, report);
    },
              [](QWidget *w) { w->close(); });
    app.dialogs().preview(&index, report);
    QCOMPARE(title, QString("Marcha anual de la Radiación"));
    QVERIFY(!app.dialogs().previewOpen());
}

void TestRealDialogs::modalScreenReturnsWhenClosed()
{
    VerdevalApp app;
    TFIndice &index = app.FIndice();
    index.present();
    Screen &own = app.FIngresoDatosGenericos();
    bool wasModal = false;
    whenModal([&](QWidget *w) { wasModal = w == &own && own.isModal(); }, [](QWidget *w) { w->close(); });
    app.dialogs().showModal(&index, own);
    QVERIFY(wasModal);
    QVERIFY(!own.isVisible());
    QVERIFY(!own.isModal());
    // Closed by its window button: nothing was written.
    QVERIFY(index.DatosLocalidad().EEstacion.isEmpty());
}

void TestRealDialogs::saveFileDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("PDF chosen, no suffix typed") << "marcha" << "Documento PDF (*.pdf)" << "marcha.pdf";
    QTest::newRow("suffix typed") << "marcha.png" << "Documento PDF (*.pdf)" << "marcha.png";
    QTest::newRow("cancelled") << "" << "" << "";
}

void TestRealDialogs::saveFileDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    VerdevalApp app;
    Screen &index = app.FIndice();
    index.present();
    QString title, suggested;
    bool saving = false;
    whenModal(
        [&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            suggested = dialog->selectedFiles().value(0);
        },
        [&](QWidget *w) {
            auto *dialog = static_cast<QFileDialog *>(w);
            if (typed.isEmpty()) {
                dialog->reject();
                return;
            }
            // The user picks the filter, then types the name over the suggested one.
            dialog->selectNameFilter(filter);
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    const QString path = app.dialogs().saveFileName(&index, QStringLiteral("Guardar imagen"), dir.filePath("Azul.png"),
                                                    QStringLiteral("Imagen PNG (*.png);;Documento PDF (*.pdf)"));
    QCOMPARE(title, QString("Guardar imagen"));
    QVERIFY(saving);
    QCOMPARE(suggested, dir.filePath("Azul.png"));
    QCOMPARE(path, chosen.isEmpty() ? QString() : dir.filePath(chosen));
}

QTEST_MAIN(TestRealDialogs)
#include "tst_realdialogs.moc"
