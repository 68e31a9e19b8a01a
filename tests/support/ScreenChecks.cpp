#include "ScreenChecks.h"

#include "platform/Screen.h"

#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

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

} // namespace verdeval::test
