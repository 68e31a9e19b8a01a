#pragma once

#include "platform/Screen.h"
#include "platform/core/CalcOutput.h"
#include "platform/core/Messages.h"

class QHBoxLayout;
class QPushButton;

namespace verdeval {

// A calculation module's screen: the heading "Ingrese la información necesaria para los
// cálculos", a top row with "&Volver al Índice", the station and latitude boxes, "&Calcular"
// and "Salir del Programa", and the navigation those buttons share.
class ModuleScreen : public Screen
{
    Q_OBJECT

public:
    ModuleScreen(ScreenHost &host, const char *className, const QString &title);

    // "&Volver al Índice": closes this screen, then shows the index.
    void BVolverAlIndiceClick();
    // "Salir del Programa": closes the splash screen, which ends the program.
    void BCerrarClick();

protected:
    // Station, latitude and every box left to right, row by row, then the buttons.
    void arrangeTabOrder() override { tabBoxesThenButtons(); }

    // Adds the heading and the top row. Widgets the screen puts in `extra` (e.g. a threshold box)
    // come after the latitude boxes, before "&Calcular". Without calcular, no "&Calcular".
    QHBoxLayout *addTopRow(const QString &stationCaption, bool calcular = true,
                           const QString &headingText = QStringLiteral("Ingrese la información necesaria para los cálculos"));

    // The signed latitude of this screen's boxes (minutes converted before degrees). With a
    // hemisphere other than S, s, N or n the hemisphere dialog is shown and `held` is returned
    // unchanged; otherwise `held` receives the new latitude.
    double signedLatitude(double &held, const QString &hemisphereMessage = msg::hemisphere);

    // A calculation's cells and messages on this screen: cells are set by name, messages go
    // through the dialogs.
    CalcOutput &output() { return m_output; }

private:
    class ScreenOutput : public CalcOutput
    {
    public:
        explicit ScreenOutput(ModuleScreen &screen) : m_screen(screen) {}
        void cell(const QString &name, const QString &text) override;
        void atencion(const QString &text) override;
        void hemisphere(const QString &text) override;

    private:
        ModuleScreen &m_screen;
    };
    ScreenOutput m_output{*this};
};

} // namespace verdeval
