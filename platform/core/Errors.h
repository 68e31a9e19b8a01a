#pragma once

#include <QString>
#include <stdexcept>

namespace verdeval {

// An error that stops the action that raised it. Its message is shown to the user in the
// standard error box ("Verdeval", error icon, OK), which appends a full stop.
//
// A conversion error may name the box whose text failed (its control name, e.g. "EPP3"), so
// that the screen can put the focus there once the message is closed.
class CalcError : public std::runtime_error
{
public:
    explicit CalcError(const QString &message, const QString &field = QString())
        : std::runtime_error(message.toStdString()), m_message(message), m_field(field) {}
    const QString &message() const { return m_message; }
    const QString &field() const { return m_field; }

private:
    QString m_message;
    QString m_field;
};

} // namespace verdeval
