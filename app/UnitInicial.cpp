#include "app/UnitInicial.h"

#include "app/Unit1.h"
#include "app/VerdevalApp.h"
#include "app/SplashPicture.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace verdeval {

TFInicial::TFInicial(VerdevalApp &app) : Screen(app, "TFInicial"), m_app(app)
{
}

void TFInicial::build()
{
    setWindowFlag(Qt::FramelessWindowHint);

    auto *title = kit::heading(QStringLiteral("Programas de Aplicación de Verdeval"), 28, this);
    title->setObjectName(QStringLiteral("Label1"));
    body()->addSpacing(24);
    body()->addWidget(title);
    body()->addStretch(1);
    body()->addWidget(new SplashPicture(this), 0, Qt::AlignHCenter);
    body()->addStretch(1);

    auto *row = new QHBoxLayout();
    auto makeLink = [this](const QString &name, const QString &text) {
        auto *link = new kit::ClickLabel(name, text, this);
        QFont f = link->font();
        f.setBold(true);
        f.setPointSize(16);
        link->setFont(f);
        link->setContentsMargins(18, 6, 18, 6);
        kit::paint(link, QColor(0xFF, 0xFF, 0xC0));
        return link;
    };
    auto *entrar = makeLink(QStringLiteral("Entrar"), QStringLiteral("Entrar"));
    auto *salir = makeLink(QStringLiteral("Salir"), QStringLiteral("Salir"));
    row->addStretch(1);
    row->addWidget(entrar);
    row->addSpacing(80);
    row->addWidget(salir);
    row->addStretch(1);
    body()->addLayout(row);
    body()->addSpacing(32);

    onClick(entrar, &TFInicial::EntrarClick);
    onClick(salir, &TFInicial::SalirClick);
    // Entrar has the focus from the start, so Enter and Space go in.
    entrar->setFocus();
}

void TFInicial::keyPressEvent(QKeyEvent *event)
{
    // Enter goes in, Esc leaves (a focused "Salir" takes Enter itself).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        guard([this] { EntrarClick(); });
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        guard([this] { SalirClick(); });
        return;
    }
    Screen::keyPressEvent(event);
}

void TFInicial::EntrarClick() { host().showIndex(); }

void TFInicial::SalirClick() { closeScreen(); }

void TFInicial::OnClose() { m_app.terminate(); }

} // namespace verdeval
