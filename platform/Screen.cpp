#include "platform/Screen.h"

#include "platform/Dialogs.h"
#include "platform/Widgets.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace verdeval {

Screen::Screen(ScreenHost &host, const char *className, const QString &title)
    : QWidget(nullptr), m_host(host)
{
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Verdeval") : title);
    setAttribute(Qt::WA_DeleteOnClose, false);
}


void Screen::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    kit::paintSilver(this);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The scroll area itself is no stop of the Tab key; the controls inside it are.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    kit::paintSilver(content);
    m_body = new QVBoxLayout(content);
    m_body->setContentsMargins(12, 8, 12, 8);
    m_body->setSpacing(6);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    build();
    arrangeTabOrder();
    m_controls.clear();
}

void Screen::tabBoxesThenButtons()
{
    QList<QWidget *> boxes;
    QList<QWidget *> others;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->window() != this)
            continue;
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w))
            boxes << w;
        else
            others << w;
    }
    // The line edit inside an editable list follows its list by itself.
    const QList<QWidget *> chain = boxes + others;
    for (int k = 1; k < chain.size(); ++k)
        setTabOrder(chain.at(k - 1), chain.at(k));
}

void Screen::present()
{
    ensureBuilt();
    const bool wasVisible = isVisible();
    if (maximised()) {
        // Without a window manager nobody honours the request to maximise: the window then
        // takes the whole screen by itself.
        if (QScreen *where = screen(); where && !isVisible())
            setGeometry(where->availableGeometry());
        showMaximized();
    }
    else
        show();
    // The offscreen platform of the tests has no window stacking.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
    if (wasVisible)
        reactivate();
}

void Screen::closeScreen()
{
    ensureBuilt();
    close();
}

void Screen::reactivate()
{
    if (!isVisible() || m_inActivate || !m_built)
        return;
    m_inActivate = true;
    guard([this] { OnActivate(); });
    m_inActivate = false;
}

void Screen::showEvent(QShowEvent *event)
{
    ensureBuilt();
    QWidget::showEvent(event);
    if (!event->spontaneous())
        reactivate();
}

void Screen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

void Screen::closeEvent(QCloseEvent *event)
{
    // A screen never laid out has nothing to clear.
    if (m_built)
        guard([this] { OnClose(); });
    event->accept();
}

void Screen::guard(const std::function<void()> &action)
{
    try {
        action();
    } catch (const CalcError &e) {
        m_host.dialogs().standardError(this, e.message());
        focusField(e.field());
    } catch (const std::exception &e) {
        // Last resort: an unforeseen failure still ends the action with a message, never a
        // crash.
        m_host.dialogs().standardError(this, QString::fromLocal8Bit(e.what()));
    }
}

void Screen::connectClicked(QObject *sender, std::function<void()> slot)
{
    if (auto *button = qobject_cast<QAbstractButton *>(sender))
        connect(button, &QAbstractButton::clicked, this, [slot] { slot(); });
    else if (auto *link = qobject_cast<kit::ClickLabel *>(sender))
        connect(link, &kit::ClickLabel::clicked, this, [slot] { slot(); });
}

void Screen::indexControls() const
{
    m_controls.clear();
    const auto children = findChildren<QWidget *>();
    for (QWidget *w : children)
        if (!w->objectName().isEmpty())
            m_controls.insert(w->objectName().toLower(), w);
}

QWidget *Screen::control(const QString &name) const
{
    const_cast<Screen *>(this)->ensureBuilt();
    const QString key = name.toLower();
    auto it = m_controls.constFind(key);
    if (it == m_controls.constEnd() || it.value().isNull()) {
        indexControls();
        it = m_controls.constFind(key);
        if (it == m_controls.constEnd())
            return nullptr;
    }
    return it.value();
}

QString Screen::text(const QString &name) const
{
    QWidget *w = control(name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    qWarning("Screen::text: no control %s.%s", qPrintable(objectName()), qPrintable(name));
    return QString();
}

QStringList Screen::texts(const QString &prefix, int count) const
{
    QStringList out;
    for (int k = 1; k <= count; ++k)
        out << text(prefix, k);
    return out;
}

void Screen::setText(const QString &name, const QString &value)
{
    QWidget *w = control(name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(value);
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(value);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(value);
    else
        qWarning("Screen::setText: no control %s.%s", qPrintable(objectName()), qPrintable(name));
}

void Screen::focusField(const QString &field)
{
    if (field.isEmpty())
        return;
    QLineEdit *e = box(field);
    if (!e || !e->isVisible() || !e->isEnabled())
        return;
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

BoxTexts Screen::boxTexts() const
{
    const_cast<Screen *>(this)->ensureBuilt();
    BoxTexts out;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->objectName().isEmpty())
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(w))
            out.set(w->objectName(), e->text());
        else if (auto *c = qobject_cast<QComboBox *>(w))
            out.set(w->objectName(), c->currentText());
    }
    return out;
}

void Screen::setTexts(const BoxTexts &texts)
{
    for (const QString &name : texts.names())
        setText(name, texts.text(name));
}

double Screen::number(const QString &name) const { return strToFloat(text(name), name); }

QLineEdit *Screen::box(const QString &name) const { return qobject_cast<QLineEdit *>(control(name)); }
QLabel *Screen::label(const QString &name) const { return qobject_cast<QLabel *>(control(name)); }

} // namespace verdeval
