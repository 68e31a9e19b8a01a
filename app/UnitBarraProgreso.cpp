#include "app/UnitBarraProgreso.h"

#include "platform/Widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace verdeval {

TForm9::TForm9(ScreenHost &host) : Screen(host, "TForm9", QStringLiteral("Espere ..."))
{
}

void TForm9::build()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(800, 551);

    auto *label = new QLabel(QStringLiteral("Espere ..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont f = label->font();
    f.setPointSize(36);
    f.setBold(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kit::maroon);
    label->setPalette(p);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setMinimumHeight(24);

    body()->addStretch(1);
    body()->addWidget(label);
    body()->addStretch(1);
    body()->addWidget(m_bar);
}

void TForm9::StepIt()
{
    ensureBuilt();
    m_bar->setValue(std::min(m_bar->maximum(), m_bar->value() + 10));
    // The load runs on this thread: give the window a chance to show the new position.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace verdeval
