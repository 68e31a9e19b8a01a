#include "ScreenChecks.h"

#include "TestApp.h"
#include "platform/Screen.h"

#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QtTest>

namespace verdeval::test {

QString controlKind(const QWidget *control)
{
    if (!control)
        return QStringLiteral("missing");
    if (qobject_cast<const QLineEdit *>(control))
        return QStringLiteral("box");
    if (qobject_cast<const kit::ClickLabel *>(control))
        return QStringLiteral("link");
    if (qobject_cast<const QAbstractButton *>(control))
        return QStringLiteral("button");
    if (qobject_cast<const QComboBox *>(control))
        return QStringLiteral("combo");
    if (qobject_cast<const Chart *>(control))
        return QStringLiteral("chart");
    const QColor background = control->palette().color(QPalette::Window);
    if (qobject_cast<const QLabel *>(control))
        return control->autoFillBackground() && background == kit::lime ? QStringLiteral("cell") : QStringLiteral("label");
    if (control->autoFillBackground() && (background == kit::green || background == kit::maroon))
        return QStringLiteral("bar");
    return QString::fromLatin1(control->metaObject()->className());
}

bool showsText(const QWidget *screen, const QString &text)
{
    if (auto *s = qobject_cast<const Screen *>(screen))
        const_cast<Screen *>(s)->ensureBuilt();
    const auto labels = screen->findChildren<QLabel *>();
    for (const QLabel *l : labels) {
        if (l->text() == text)
            return true;
        if (l->textFormat() == Qt::RichText) {
            QTextDocument doc;
            doc.setHtml(l->text());
            if (doc.toPlainText() == text)
                return true;
        }
    }
    const auto buttons = screen->findChildren<QAbstractButton *>();
    for (const QAbstractButton *b : buttons)
        if (b->text() == text)
            return true;
    return false;
}

void checkControls(const QString &screen, const QString &name, int count, const QString &kind, int shown)
{
    TestApp app;
    Screen *s = app->screen(screen);
    QVERIFY2(s, qPrintable(screen));
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << name + QString::number(k);
    if (count == 0)
        names << name;
    for (const QString &n : names) {
        QWidget *w = s->control(n);
        QVERIFY2(w, qPrintable(screen + QLatin1Char('.') + n));
        QCOMPARE(w->objectName(), n);
        QCOMPARE(controlKind(w), kind);
        if (shown >= 0)
            QCOMPARE(!w->isHidden(), shown == 1);
    }
}

void checkText(const QString &screen, const QString &name, const QString &text)
{
    TestApp app;
    Screen *s = app->screen(screen);
    QVERIFY2(s, qPrintable(screen));
    if (name.isEmpty())
        QVERIFY2(showsText(s, text), qPrintable(text));
    else
        QCOMPARE(s->text(name), text);
}

} // namespace verdeval::test
