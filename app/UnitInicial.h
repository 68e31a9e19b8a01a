#pragma once

#include "platform/Screen.h"

namespace verdeval {

class VerdevalApp;

// The splash screen and main window: closing it ends the program.
class TFInicial : public Screen
{
    Q_OBJECT
public:
    explicit TFInicial(VerdevalApp &app);

    void EntrarClick();
    void SalirClick();

protected:
    void OnClose() override;
    void build() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    VerdevalApp &m_app;
};

} // namespace verdeval
