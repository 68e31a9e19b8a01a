#pragma once

class QMetaObject;

namespace verdeval {

class Dialogs;
class Screen;

// What a screen may ask of the program around it: the dialogs, "show the index", "end the
// program", and another screen by its class. The application object implements it; screens
// and reports never see more of the application than this.
class ScreenHost
{
public:
    virtual Dialogs &dialogs() = 0;
    // Shows the index screen (maximised, in front).
    virtual void showIndex() = 0;
    // Closes the splash screen, which ends the program.
    virtual void endProgram() = 0;
    // The one screen of the given class; nullptr when there is none.
    virtual Screen *screenOfType(const QMetaObject &type) const = 0;

protected:
    ~ScreenHost() = default;
};

} // namespace verdeval
