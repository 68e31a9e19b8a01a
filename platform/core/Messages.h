#pragma once

#include <QString>

// The fixed texts of the program's messages, in one place.
namespace verdeval::msg {

inline const QString appTitle = QStringLiteral("Verdeval");
inline const QString atencion = QStringLiteral("ATENCIÓN");

inline const QString invalidOperation = QStringLiteral("Invalid floating point operation");
inline const QString divisionByZero = QStringLiteral("Floating point division by zero");
inline const QString overflow = QStringLiteral("Floating point overflow");

// "'%s' is not a valid floating point value" with the text as typed.
QString notAValidFloat(const QString &text);

// An error message as the standard error box shows it: with a full stop at its end.
inline QString standardErrorText(QString message)
{
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    return message;
}

inline const QString hemisphere =
    QStringLiteral("En Hemisferio debe colocar N para el Norte o S para el Sur");
// The evapotranspiration entry screen writes "Para" with a capital P.
inline const QString hemisphereEtp =
    QStringLiteral("En Hemisferio debe colocar N Para el Norte o S para el Sur");

} // namespace verdeval::msg
