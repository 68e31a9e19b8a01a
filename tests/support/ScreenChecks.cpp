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

#define SCREEN_CHECK(condition, message)                                                                 \
    do {                                                                                                  \
        if (!QTest::qVerify(static_cast<bool>(condition), #condition, qPrintable(message), __FILE__, __LINE__)) \
            return false;                                                                                 \
    } while (false)

bool checkControls(const QString &screen, const QString &name, int count, const QString &kind, int shown)
{
    TestApp app;
    Screen *s = app->screen(screen);
    SCREEN_CHECK(s, screen);
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << name + QString::number(k);
    if (count == 0)
        names << name;
    for (const QString &n : names) {
        QWidget *w = s->control(n);
        SCREEN_CHECK(w, screen + QLatin1Char('.') + n);
        SCREEN_CHECK(w->objectName() == n, w->objectName());
        SCREEN_CHECK(controlKind(w) == kind, n + QStringLiteral(" is a ") + controlKind(w));
        if (shown >= 0)
            SCREEN_CHECK(!w->isHidden() == (shown == 1), n + (w->isHidden() ? QStringLiteral(" is hidden") : QStringLiteral(" shows")));
    }
    return true;
}

bool checkText(const QString &screen, const QString &name, const QString &text)
{
    TestApp app;
    Screen *s = app->screen(screen);
    SCREEN_CHECK(s, screen);
    if (name.isEmpty())
        SCREEN_CHECK(showsText(s, text), text);
    else
        SCREEN_CHECK(s->text(name) == text, name + QStringLiteral(" shows '") + s->text(name) + QStringLiteral("', not '") + text + QLatin1Char('\''));
    return true;
}

} // namespace verdeval::test
