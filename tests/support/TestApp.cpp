#include "TestApp.h"

#include "platform/Screen.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QtTest>

namespace verdeval::test {

// Records a failed check of a helper and makes the helper return false.
#define HELPER_CHECK(condition, message)                                                              \
    do {                                                                                               \
        if (!QTest::qVerify(static_cast<bool>(condition), #condition, qPrintable(message), __FILE__, __LINE__)) \
            return false;                                                                              \
    } while (false)

bool click(Screen &screen, const QString &name)
{
    QWidget *w = screen.control(name);
    HELPER_CHECK(w, screen.objectName() + QLatin1Char('.') + name);
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->click();
    else if (auto *l = qobject_cast<kit::ClickLabel *>(w))
        emit l->clicked();
    else
        HELPER_CHECK(false, QStringLiteral("not clickable: ") + name);
    return true;
}

bool type(Screen &screen, const QString &name, const QString &text)
{
    QWidget *w = screen.control(name);
    HELPER_CHECK(w, screen.objectName() + QLatin1Char('.') + name);
    if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else
        HELPER_CHECK(false, QStringLiteral("not a box: ") + name);
    return true;
}

bool pick(Screen &screen, const QString &name, const QString &item)
{
    auto *combo = qobject_cast<QComboBox *>(screen.control(name));
    HELPER_CHECK(combo, screen.objectName() + QLatin1Char('.') + name);
    const int row = combo->findText(item, Qt::MatchExactly);
    HELPER_CHECK(row >= 0, name + QStringLiteral(" offers no ") + item);
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QDeadlineTimer deadline(2000);
    while (view->isVisible() && !deadline.hasExpired())
        QTest::qWait(10);
    HELPER_CHECK(!view->isVisible(), name + QStringLiteral(": the list stays open"));
    HELPER_CHECK(combo->currentText() == item, name + QStringLiteral(" shows ") + combo->currentText());
    return true;
}

QStringList items(Screen &screen, const QString &name)
{
    QStringList out;
    if (auto *combo = qobject_cast<QComboBox *>(screen.control(name)))
        for (int k = 0; k < combo->count(); ++k)
            out << combo->itemText(k);
    return out;
}

bool leave(Screen &screen, const QString &name)
{
    QWidget *w = screen.control(name);
    HELPER_CHECK(w, screen.objectName() + QLatin1Char('.') + name);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
    return true;
}

QString row(const Screen &screen, const QString &prefix, int count)
{
    QStringList parts;
    for (int k = 1; k <= count; ++k)
        parts << screen.text(prefix, k);
    return parts.join(QLatin1Char(' '));
}

void fillRow(Screen &screen, const QString &prefix, const QString &values)
{
    const QStringList v = values.split(QLatin1Char(' '));
    for (int k = 1; k <= v.size(); ++k)
        screen.setText(prefix, k, v.at(k - 1));
}

void setPlace(TDatosLocalidad &loc, const QString &fields)
{
    const QStringList f = fields.split(QLatin1Char('|'));
    QString *targets[] = {&loc.EEstacion, &loc.EGrados, &loc.EMinutos, &loc.EHemisferio,
                          &loc.EGradosL, &loc.EMinutosL, &loc.EAltitud};
    for (int k = 0; k < 7; ++k)
        *targets[k] = f.value(k);
}

QStringList visibleScreens(const VerdevalApp &app)
{
    QStringList out;
    for (Screen *s : app.screens())
        if (s->isVisible())
            out << s->objectName();
    return out;
}

} // namespace verdeval::test
