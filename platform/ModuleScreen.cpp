#include "platform/ModuleScreen.h"

#include "platform/Widgets.h"
#include "platform/core/Latitude.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

ModuleScreen::ModuleScreen(ScreenHost &host, const char *className, const QString &title)
    : Screen(host, className, title)
{
}

QHBoxLayout *ModuleScreen::addTopRow(const QString &stationCaption, bool calcular, const QString &headingText)
{
    auto *heading = kit::heading(headingText, 15, this);
    heading->setObjectName(QStringLiteral("Label1"));
    body()->addWidget(heading);

    auto *row = new QHBoxLayout();
    row->setSpacing(4);
    auto *back = kit::button(QStringLiteral("BVolverAlIndice"), QStringLiteral("&Volver al Índice"), this);
    row->addWidget(back);
    row->addSpacing(8);
    kit::addLocationBoxes(row, stationCaption, this);
    row->addSpacing(8);
    auto *extra = new QHBoxLayout();
    extra->setObjectName(QStringLiteral("extra"));
    row->addLayout(extra);
    if (calcular)
        row->addWidget(kit::button(QStringLiteral("BCalcular"), QStringLiteral("&Calcular"), this));
    auto *exit = kit::button(QStringLiteral("BCerrar"), QStringLiteral("Salir del Programa"), this);
    row->addWidget(exit);
    row->addStretch(1);
    body()->addLayout(row);

    onClick(back, &ModuleScreen::BVolverAlIndiceClick);
    onClick(exit, &ModuleScreen::BCerrarClick);
    return extra;
}

void ModuleScreen::BVolverAlIndiceClick()
{
    closeScreen();
    host().showIndex();
}

void ModuleScreen::BCerrarClick() { host().endProgram(); }

double ModuleScreen::signedLatitude(double &held, const QString &hemisphereMessage)
{
    return verdeval::signedLatitude(boxTexts(), held, output(), hemisphereMessage);
}

void ModuleScreen::ScreenOutput::cell(const QString &name, const QString &text) { m_screen.setText(name, text); }
void ModuleScreen::ScreenOutput::atencion(const QString &text) { m_screen.dialogs().atencion(&m_screen, text); }
void ModuleScreen::ScreenOutput::hemisphere(const QString &text) { m_screen.dialogs().hemisphereError(&m_screen, text); }

} // namespace verdeval
