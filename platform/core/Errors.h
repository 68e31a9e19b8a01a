#pragma once

#include <QString>
#include <stdexcept>

namespace verdeval {

// An error that stops the action that raised it. Its message is shown to the user in the
// standard error box ("Verdeval", error icon, OK), which appends a full stop.
class CalcError : public std::runtime_error
{
public:
    explicit CalcError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace verdeval
