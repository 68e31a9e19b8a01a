#include "app/VerdevalApp.h"
#include "platform/Translation.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verdeval"));
    // Number texts use "." whatever the regional settings; the conversions never consult the
    // locale, and Qt's own number display is fixed to the C locale as well.
    QLocale::setDefault(QLocale::c());
    verdeval::installSpanishQtTexts(application);
    verdeval::VerdevalApp app;
    QObject::connect(&app, &verdeval::VerdevalApp::terminated, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.start();
    return application.exec();
}
