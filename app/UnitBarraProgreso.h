#pragma once

#include "platform/Screen.h"

class QProgressBar;

namespace verdeval {

// The waiting window shown, without blocking, while a locality loads from the climate
// database.
class TForm9 : public Screen
{
    Q_OBJECT
public:
    explicit TForm9(ScreenHost &host);

    QProgressBar *ProgressBar1() { ensureBuilt(); return m_bar; }
    // Advances the bar by one step (10) and lets the window repaint.
    void StepIt();

protected:
    bool maximised() const override { return false; }

private:
    QProgressBar *m_bar = nullptr;

protected:
    void build() override;
};

} // namespace verdeval
